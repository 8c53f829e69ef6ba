// toolbar/portable/KeyFocus.h: where an arrow key moves the keyboard focus
// among the pane's buttons, as they lie on screen.
#pragma once

#include <cstddef>

#include "toolbar/portable/RowLayout.h"

namespace qv {

enum class FocusMove { kLeft, kRight, kUp, kDown };

// `cells` are the buttons' boxes in one coordinate space. Left and right
// step to the nearest button of the same line, up and down to the line
// next to it, to the button nearest across; at an end the focus stays.
// The answer is the index of the button now focused: `current` when it
// does not move, 0 when `current` is no button and there are some, -1 for
// none.
int MoveFocus(const CellBox* cells, size_t count, int current, FocusMove move);

}  // namespace qv
