// tests/native/FontDescriptionTest.cpp: a face and size read from a string
// resource.
#include "toolbar/portable/FontDescription.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(FontDescription, FaceWithOrWithoutASize) {
  qv::FontDescription description;
  ASSERT_EQ(1, qv::ParseFontDescription("Tahoma\n9", 8, &description));
  EXPECT_STREQ("Tahoma", description.face);
  EXPECT_EQ(9, description.points);

  qv::FontDescription bare;
  ASSERT_EQ(1, qv::ParseFontDescription("MS Gothic", 8, &bare));
  EXPECT_STREQ("MS Gothic", bare.face);
  EXPECT_EQ(8, bare.points);
}

TEST(FontDescription, DamagedTextNeverOverflowsAndKeepsTheDefaultSize) {
  qv::FontDescription description;
  EXPECT_EQ(0, qv::ParseFontDescription("", 8, &description));
  EXPECT_EQ(0, qv::ParseFontDescription("\n9", 8, &description));
  EXPECT_EQ(0, qv::ParseFontDescription(nullptr, 8, &description));

  const std::string longFace(100, 'x');
  ASSERT_EQ(1, qv::ParseFontDescription((longFace + "\n10").c_str(), 8,
                                        &description));
  EXPECT_EQ(std::string(qv::kFontFaceSize - 1, 'x'), description.face);
  EXPECT_EQ(10, description.points);

  for (const char* bad : {"Arial\nbig", "Arial\n0", "Arial\n99999999999",
                          "Arial\n12pt", "Arial\n-3"}) {
    qv::FontDescription s;
    ASSERT_EQ(1, qv::ParseFontDescription(bad, 8, &s)) << bad;
    EXPECT_EQ(8, s.points) << bad;
  }
}

}  // namespace
