// tests/native/ShortcutNameTest.cpp: the names shortcuts get from dropped
// items and their numbering when a name is taken.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "shell/portable/ShortcutName.h"

namespace {

TEST(ShortcutName, KeepsTheNameWithoutItsExtensions) {
  EXPECT_EQ("Report",
            qv::CutAtFirstDot(qv::NamePart("C:\\x\\Report.final.doc")));
  EXPECT_EQ("notes", qv::CutAtFirstDot(qv::NamePart("C:\\a.b\\notes")));
  EXPECT_EQ("CD Player", qv::CutAtFirstDot("CD Player"));
}

// A name that would cut to nothing would make a file called just ".LNK".
TEST(ShortcutName, NamesThatStartWithADotKeepThem) {
  EXPECT_EQ(".profile", qv::CutAtFirstDot(qv::NamePart("C:\\home\\.profile")));
  EXPECT_EQ(".config", qv::CutAtFirstDot(".config.bak"));
  EXPECT_EQ("..", qv::CutAtFirstDot(".."));
}

TEST(ShortcutName, ADriveOrAFolderPathEndingInASeparatorIsNamed) {
  EXPECT_EQ("C", qv::NamePart("C:\\"));
  EXPECT_EQ("Tools", qv::NamePart("D:\\Apps\\Tools\\"));
  EXPECT_EQ("share", qv::NamePart("\\\\server\\share"));
  EXPECT_EQ("", qv::NamePart("\\"));
  EXPECT_EQ("", qv::NamePart(""));
}

TEST(ShortcutName, NumbersFromTwoWhileTheNameIsTaken) {
  std::set<std::string> taken = {"C:\\t\\Report.LNK"};
  auto exists = [&](const std::string& p) { return taken.count(p) != 0; };
  EXPECT_EQ("C:\\t\\Report (2).LNK",
            qv::FreeShortcutFile("C:\\t", "Report", exists));
  taken.insert("C:\\t\\Report (2).LNK");
  taken.insert("C:\\t\\Report (3).LNK");
  EXPECT_EQ("C:\\t\\Report (4).LNK",
            qv::FreeShortcutFile("C:\\t", "Report", exists));
  EXPECT_EQ("C:\\t\\Other.LNK", qv::FreeShortcutFile("C:\\t", "Other", exists));
}

TEST(ShortcutName, GivesUpWhenEveryNumberIsTaken) {
  int asked = 0;
  auto always = [&](const std::string&) {
    ++asked;
    return true;
  };
  EXPECT_EQ("", qv::FreeShortcutFile("C:\\t", "x", always));
  EXPECT_EQ(qv::kMaxShortcutNumber, asked);
}

}  // namespace
