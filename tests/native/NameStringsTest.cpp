// tests/native/NameStringsTest.cpp: extension keys and tab-separated entries.
#include "shell/portable/NameStrings.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Extension(const char* name) {
  char out[qv::kExtension3Size] = {'x', 'x', 'x', 'x'};
  return qv::GetExtension3(name, out) ? std::string(out) : "<none>";
}

TEST(NameStrings, ExtensionKeyIsAtMostThreeCharactersAfterTheLastDot) {
  EXPECT_EQ("txt", Extension("readme.txt"));
  EXPECT_EQ("htm", Extension("a.html"));
  EXPECT_EQ("c", Extension("b.c"));
  EXPECT_EQ("gz", Extension("archive.tar.gz"));
  EXPECT_EQ("", Extension("trailing."));
  EXPECT_EQ("pro", Extension(".profile"));
  EXPECT_EQ("<none>", Extension("Makefile"));
  EXPECT_EQ("<none>", Extension(""));
  EXPECT_EQ("<none>", Extension(nullptr));
}

TEST(NameStrings, CopyUntilTabStopsAtTheTabAndFitsTheBuffer) {
  char key[16];
  qv::CopyUntilTab("txt\tText Document", key);
  EXPECT_STREQ("txt", key);
  qv::CopyUntilTab("no tab here", key);
  EXPECT_STREQ("no tab here", key);
  qv::CopyUntilTab("\tleading", key);
  EXPECT_STREQ("", key);

  // A long first field is cut to the buffer, terminated, and nothing beyond
  // the buffer is touched.
  char small[5] = {'?', '?', '?', '?', '?'};
  qv::CopyUntilTab("abcdefgh\tx", small, 4);
  EXPECT_STREQ("abc", small);
  EXPECT_EQ('?', small[4]);

  qv::CopyUntilTab(nullptr, key);
  EXPECT_STREQ("", key);
  qv::CopyUntilTab("abc", small, 0);
  EXPECT_STREQ("abc", small);
}

}  // namespace
