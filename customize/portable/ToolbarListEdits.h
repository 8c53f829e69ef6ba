// customize/portable/ToolbarListEdits.h: what the Toolbars page's buttons do
// to a list of toolbars: which are enabled for a selection, removing the
// selected ones and moving one by a place.
#pragma once

#include <algorithm>
#include <functional>
#include <vector>

namespace qv {

struct ListButtons {
  bool remove = false;
  bool up = false;
  bool down = false;
};

// REM for any selection; UP and DN only for exactly one selected toolbar that
// has a neighbour that way. `selected` holds indexes into `count` toolbars.
ListButtons ButtonsForSelection(int count, const std::vector<int>& selected);

// The place toolbar `index` moves to by `step` (-1 up, 1 down), or -1 when it
// would leave the list.
int MoveTarget(int count, int index, int step);

// Removes the elements at `indexes` (any order; repeated or out-of-range ones
// are ignored), so the remaining keep their order.
template <typename T>
void RemoveIndexes(std::vector<T>& items, std::vector<int> indexes) {
  std::sort(indexes.begin(), indexes.end(), std::greater<int>());
  indexes.erase(std::unique(indexes.begin(), indexes.end()), indexes.end());
  for (int index : indexes)
    if (index >= 0 && index < static_cast<int>(items.size()))
      items.erase(items.begin() + index);
}

}  // namespace qv
