// customize/portable/ToolbarListEdits.cpp: the Toolbars page's enabling rules.
#include "customize/portable/ToolbarListEdits.h"

namespace qv {

ListButtons ButtonsForSelection(int count, const std::vector<int>& selected) {
  ListButtons buttons;
  buttons.remove = !selected.empty();
  if (selected.size() == 1 && count >= 2) {
    buttons.up = MoveTarget(count, selected[0], -1) >= 0;
    buttons.down = MoveTarget(count, selected[0], 1) >= 0;
  }
  return buttons;
}

int MoveTarget(int count, int index, int step) {
  const int target = index + step;
  return index >= 0 && index < count && target >= 0 && target < count ? target
                                                                      : -1;
}

}  // namespace qv
