// tests/native/FontSpecTest.cpp: a face and size read from a string resource.
#include "toolbar/portable/FontSpec.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(FontSpec, FaceWithOrWithoutASize) {
  qv::FontSpec spec;
  ASSERT_EQ(1, qv::ParseFontSpec("Tahoma\n9", 8, &spec));
  EXPECT_STREQ("Tahoma", spec.face);
  EXPECT_EQ(9, spec.points);

  qv::FontSpec bare;
  ASSERT_EQ(1, qv::ParseFontSpec("MS Gothic", 8, &bare));
  EXPECT_STREQ("MS Gothic", bare.face);
  EXPECT_EQ(8, bare.points);
}

TEST(FontSpec, DamagedTextNeverOverflowsAndKeepsTheDefaultSize) {
  qv::FontSpec spec;
  EXPECT_EQ(0, qv::ParseFontSpec("", 8, &spec));
  EXPECT_EQ(0, qv::ParseFontSpec("\n9", 8, &spec));
  EXPECT_EQ(0, qv::ParseFontSpec(nullptr, 8, &spec));

  const std::string longFace(100, 'x');
  ASSERT_EQ(1, qv::ParseFontSpec((longFace + "\n10").c_str(), 8, &spec));
  EXPECT_EQ(std::string(qv::kFontFaceSize - 1, 'x'), spec.face);
  EXPECT_EQ(10, spec.points);

  for (const char* bad : {"Arial\nbig", "Arial\n0", "Arial\n99999999999",
                          "Arial\n12pt", "Arial\n-3"}) {
    qv::FontSpec s;
    ASSERT_EQ(1, qv::ParseFontSpec(bad, 8, &s)) << bad;
    EXPECT_EQ(8, s.points) << bad;
  }
}

}  // namespace
