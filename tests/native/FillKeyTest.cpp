// tests/native/FillKeyTest.cpp: what makes a kept toolbar's buttons stale.
#include "toolbar/portable/FillKey.h"

#include <gtest/gtest.h>

namespace {

qv::FillKey Key(const ToolbarInfo& info, bool customOrder) {
  return qv::MakeFillKey("folder", 1, info, customOrder, 0, {"tmp\tTemporary"});
}

}  // namespace

TEST(FillKey, TheListCountsOnlyWhenItGivesTheOrder) {
  const ToolbarInfo a{qv::kKindCustom, {{qv::kEntryShownFile, "a.txt"}}};
  const ToolbarInfo b{qv::kKindCustom, {{qv::kEntryShownFile, "b.txt"}}};
  EXPECT_EQ(Key(a, false), Key(b, false));
  EXPECT_FALSE(Key(a, true) == Key(b, true));
}
