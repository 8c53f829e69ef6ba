// tests/native/IconTypeKeyTest.cpp: which items share their type's icon.
#include "shell/portable/IconTypeKey.h"

#include <gtest/gtest.h>

TEST(IconTypeKey, PlainTypesAndFoldersShareTheRestKeepTheirOwn) {
  EXPECT_EQ(".txt", qv::SharedIconKey("Read Me.TXT", false, false));
  EXPECT_EQ(".gz", qv::SharedIconKey("a.tar.gz", false, false));
  EXPECT_EQ("\\", qv::SharedIconKey("plain", true, false));
  for (const char* own : {"setup.EXE", "x.lnk", "a.ico", "b.cur", "c.ani",
                          "d.scr", "noext", "dot."})
    EXPECT_EQ("", qv::SharedIconKey(own, false, false)) << own;
  // A folder's read-only or system mark lets it carry an icon of its own.
  EXPECT_EQ("", qv::SharedIconKey("marked", true, true));
}
