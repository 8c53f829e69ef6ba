// tests/native/ButtonClickTest.cpp: which button a click opens, and whether
// it opens it or browses into it.
#include "toolbar/portable/ButtonClick.h"

#include <gtest/gtest.h>

namespace {

TEST(ButtonClick, LeftClickOpensOnlyTheButtonItPressed) {
  EXPECT_EQ(2, qv::ClickedButton(2, 2, false));
  EXPECT_EQ(-1, qv::ClickedButton(3, 2, false));   // dragged onto another
  EXPECT_EQ(-1, qv::ClickedButton(-1, 2, false));  // released off the buttons
  EXPECT_EQ(-1, qv::ClickedButton(2, -1, false));  // no press of the row's
  EXPECT_EQ(3, qv::ClickedButton(3, -1, true));    // a right click: the cursor
  EXPECT_EQ(-1, qv::ClickedButton(-1, 2, true));
}

TEST(ButtonClick, FilesOpenAndFoldersBrowseUnlessSeparateWindowsAreWanted) {
  EXPECT_TRUE(qv::OpensItem(false, 0));
  EXPECT_TRUE(qv::OpensItem(false, 1));
  EXPECT_TRUE(qv::OpensItem(false, 7));  // a damaged setting
  EXPECT_FALSE(qv::OpensItem(true, 0));
  EXPECT_TRUE(qv::OpensItem(true, 1));
  EXPECT_FALSE(qv::OpensItem(true, 7));
}

}  // namespace
