// tests/unit/ShortcutTest.cpp: shortcut files written through the shell's
// link object: their names, numbering and descriptions.
#include "shell/Shortcut.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "tests/unit/support/LinkFile.h"
#include "tests/unit/support/TempFolder.h"

namespace {

class ShortcutTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ::OleInitialize(nullptr); }

  void SetUp() override {
    ASSERT_TRUE(m_targets.AddFile("Report.final.doc"));
    ASSERT_TRUE(m_targets.AddFile(".profile"));
  }

  // CreateShortcut with a writable copy of `name`; answers the name as it
  // was left.
  std::string Create(const std::string& target, const std::string& name,
                     int expected = 1) {
    char buffer[MAX_PATH] = {};
    std::strcpy(buffer, name.c_str());
    EXPECT_EQ(expected,
              CreateShortcut(m_links.path().c_str(), target.c_str(), buffer));
    return buffer;
  }

  TempFolder m_targets{"targets"};
  TempFolder m_links{"links"};
};

TEST_F(ShortcutTest, NamedAfterTheCutNameAndNumberedWhenTaken) {
  const std::string target = m_targets / "Report.final.doc";
  EXPECT_EQ("Report", Create(target, "Report.final.doc"));
  Create(target, "Report");
  Create(target, "Report");
  EXPECT_EQ(
      (std::set<std::string>{"Report.LNK", "Report (2).LNK", "Report (3).LNK"}),
      FolderNames(m_links.path()));

  const LinkFile first = LinkFile::Read(m_links / "Report.LNK");
  ASSERT_TRUE(first.loaded);
  EXPECT_EQ("Shortcut to Report.final.doc", first.description);
  EXPECT_EQ(target, first.target);
  const LinkFile third = LinkFile::Read(m_links / "Report (3).LNK");
  EXPECT_EQ("Shortcut to Report", third.description);
}

TEST_F(ShortcutTest, ANameStartingWithADotKeepsIt) {
  EXPECT_EQ(".profile", Create(m_targets / ".profile", ".profile"));
  EXPECT_EQ((std::set<std::string>{".profile.LNK"}),
            FolderNames(m_links.path()));
  EXPECT_EQ("Shortcut to .profile",
            LinkFile::Read(m_links / ".profile.LNK").description);
}

TEST_F(ShortcutTest, NothingIsWrittenWithoutATargetOrAName) {
  char name[] = "Report";
  EXPECT_EQ(0, CreateShortcut(m_links.path().c_str(), nullptr, name));
  Create(m_targets / "Report.final.doc", "", 0);
  EXPECT_TRUE(FolderNames(m_links.path()).empty());
}

}  // namespace
