// tests/native/ToolbarListEditsTest.cpp: the Toolbars page's enabling rules
// and edits of the toolbar list.
#include "customize/portable/ToolbarListEdits.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string Enabled(int count, const std::vector<int>& selected) {
  const qv::ListButtons b = qv::ButtonsForSelection(count, selected);
  return std::string(b.remove ? "R" : "-") + (b.up ? "U" : "-") +
         (b.down ? "D" : "-");
}

TEST(ToolbarListEdits, MovesOnlyASingleSelectionThatHasANeighbour) {
  EXPECT_EQ("---", Enabled(3, {}));
  EXPECT_EQ("RUD", Enabled(3, {1}));
  EXPECT_EQ("RU-", Enabled(3, {2}));
  EXPECT_EQ("R--", Enabled(3, {0, 2}));
  EXPECT_EQ("R--", Enabled(1, {0}));
  EXPECT_EQ("R--", Enabled(2, {5}));  // a stale index moves nothing
}

TEST(ToolbarListEdits, RemovesEverySelectedOnceAndKeepsTheRestInOrder) {
  std::vector<char> items{'a', 'b', 'c', 'd', 'e'};
  qv::RemoveIndexes(items, {3, 0, 3, 9, -1});
  EXPECT_EQ((std::vector<char>{'b', 'c', 'e'}), items);
}

}  // namespace
