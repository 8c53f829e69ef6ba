// tests/native/ToolbarLabelTest.cpp: the Recent folder's toolbar is
// "Documents", the browse toolbar's label starts with "Browse ".
#include "settings/portable/ToolbarLabel.h"

#include <gtest/gtest.h>

namespace {

TEST(ToolbarLabel, RecentBecomesDocumentsAndBrowseIsPrefixed) {
  ToolbarInfo normal, browse;
  browse.kind = qv::kKindBrowse;
  EXPECT_EQ("Recent", qv::ToolbarLabel("Recent", false, normal));
  EXPECT_EQ("Documents", qv::ToolbarLabel("Zuletzt verwendet", true, normal));
  EXPECT_EQ("Browse Documents", qv::ToolbarLabel("Recent", true, browse));
  EXPECT_EQ("Browse Tools", qv::ToolbarLabel("Tools", false, browse));
}

}  // namespace
