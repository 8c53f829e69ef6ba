// tests/native/ToolbarLabelTest.cpp: the Recent folder's toolbar is
// "Documents", the browse toolbar's label starts with "Browse ".
#include "settings/portable/ToolbarLabel.h"

#include <gtest/gtest.h>

namespace {

TEST(ToolbarLabel, RecentBecomesDocumentsAndBrowseIsPrefixed) {
  ToolbarInfo normal, browse;
  browse.kind = qv::kKindBrowse;
  EXPECT_EQ("Tools", qv::ToolbarLabel("Tools", "Recent", normal));
  EXPECT_EQ("Documents", qv::ToolbarLabel("Recent", "Recent", normal));
  EXPECT_EQ("recent", qv::ToolbarLabel("recent", "Recent", normal));
  EXPECT_EQ("Browse Documents", qv::ToolbarLabel("Recent", "Recent", browse));
  // An unknown Recent name renames nothing, not even an empty name.
  EXPECT_EQ("", qv::ToolbarLabel("", "", normal));
}

}  // namespace
