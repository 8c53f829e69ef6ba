// tests/native/FolderNoticeTest.cpp: the folder notices that change buttons.
#include "bar/portable/FolderNotice.h"

#include <gtest/gtest.h>

using qv::FolderNotice;
using qv::NoticeChangesButtons;

TEST(FolderNotice, WritesMatterToDateOrSizeOrdersAndToShortcuts) {
  EXPECT_TRUE(NoticeChangesButtons(FolderNotice::kNames, L"a.txt", false));
  EXPECT_FALSE(NoticeChangesButtons(FolderNotice::kModified, L"a.txt", false));
  EXPECT_TRUE(NoticeChangesButtons(FolderNotice::kModified, L"a.txt", true));
  EXPECT_TRUE(
      NoticeChangesButtons(FolderNotice::kModified, L"Editor.LNK", false));
  EXPECT_FALSE(NoticeChangesButtons(FolderNotice::kModified, L"lnk", false));
}
