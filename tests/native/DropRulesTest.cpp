// tests/native/DropRulesTest.cpp: which drags the bar accepts, by button and
// by the dragged items' attributes.
#include <gtest/gtest.h>

#include "bar/portable/DropRules.h"

namespace {

using qv::AnswerDrag;

TEST(DropRules, OnlyAPlainFolderBecomesAToolbar) {
  EXPECT_TRUE(qv::CountsAsToolbarFolder(0x10));
  EXPECT_FALSE(qv::CountsAsToolbarFolder(0x11));  // read-only
  EXPECT_FALSE(qv::CountsAsToolbarFolder(0x12));  // hidden
  EXPECT_FALSE(qv::CountsAsToolbarFolder(0x20));  // a file
  EXPECT_FALSE(qv::CountsAsToolbarFolder(qv::kInvalidAttributes));
}

TEST(DropRules, ShortcutsForFilesFoldersAndUnreadableItems) {
  EXPECT_TRUE(qv::AcceptedForShortcut(0x20));
  EXPECT_TRUE(qv::AcceptedForShortcut(0x80));
  EXPECT_TRUE(qv::AcceptedForShortcut(0x10));
  EXPECT_TRUE(qv::AcceptedForShortcut(qv::kInvalidAttributes));
  EXPECT_FALSE(qv::AcceptedForShortcut(0x100));  // temporary only
}

TEST(DropRules, TheButtonChoosesTheTestAndTheMode) {
  int folderTests = 0, rowTests = 0;
  auto folders = [&](bool r) {
    return [&, r] {
      ++folderTests;
      return r;
    };
  };
  auto row = [&](bool r) {
    return [&, r] {
      ++rowTests;
      return r;
    };
  };
  auto a = AnswerDrag(qv::kKeyLeftButton, 2, folders(true), row(false));
  EXPECT_EQ(qv::kDropEffectLink, a.effect);
  EXPECT_EQ(qv::kDropModeFolders, a.mode);
  EXPECT_EQ(0, rowTests);

  a = AnswerDrag(qv::kKeyLeftButton, 2, folders(false), row(true));
  EXPECT_EQ(qv::kDropEffectNone, a.effect);
  EXPECT_EQ(2, a.mode);

  a = AnswerDrag(qv::kKeyRightButton, 1, folders(false), row(true));
  EXPECT_EQ(qv::kDropEffectLink, a.effect);
  EXPECT_EQ(qv::kDropModeShortcuts, a.mode);
  EXPECT_EQ(2, folderTests);

  a = AnswerDrag(qv::kKeyRightButton, 1, folders(true), row(false));
  EXPECT_EQ(qv::kDropEffectNone, a.effect);
  EXPECT_EQ(1, a.mode);
}

// At the drop the button is already up: the mode of the drag holds.
TEST(DropRules, NoButtonKeepsTheModeOfTheDrag) {
  auto never = [] {
    ADD_FAILURE() << "no test without a button";
    return false;
  };
  auto a = AnswerDrag(0, qv::kDropModeShortcuts, never, never);
  EXPECT_EQ(qv::kDropEffectLink, a.effect);
  EXPECT_EQ(qv::kDropModeShortcuts, a.mode);
  EXPECT_EQ(qv::DropAction::kShortcuts, qv::ChooseDropAction(a.effect, a.mode));
  EXPECT_EQ(qv::DropAction::kFolders,
            qv::ChooseDropAction(qv::kDropEffectLink, qv::kDropModeFolders));
  EXPECT_EQ(qv::DropAction::kRefuse,
            qv::ChooseDropAction(qv::kDropEffectNone, qv::kDropModeFolders));
}

}  // namespace
