// toolbar/portable/KeyFocus.cpp: arrow-key focus moves over laid-out cells.
#include "toolbar/portable/KeyFocus.h"

#include <cstdlib>

namespace qv {

namespace {

bool SameLine(const CellBox& a, const CellBox& b) {
  return a.top < b.bottom && b.top < a.bottom;
}

int CentreX(const CellBox& b) { return (b.left + b.right) / 2; }

// The nearest cell beside `from` on its line, leftwards or rightwards.
int Beside(const CellBox* cells, size_t count, int from, bool right) {
  const CellBox& at = cells[from];
  int best = from;
  for (size_t i = 0; i < count; ++i) {
    const CellBox& c = cells[i];
    if (static_cast<int>(i) == from || !SameLine(c, at)) continue;
    const bool onSide = right ? c.left > at.left : c.left < at.left;
    if (!onSide) continue;
    if (best == from ||
        (right ? c.left < cells[best].left : c.left > cells[best].left))
      best = static_cast<int>(i);
  }
  return best;
}

// The cell of the next line above or below `from` nearest it across.
int Across(const CellBox* cells, size_t count, int from, bool down) {
  const CellBox& at = cells[from];
  // The nearest line first: the top of its cells.
  bool found = false;
  int lineTop = 0;
  for (size_t i = 0; i < count; ++i) {
    const CellBox& c = cells[i];
    const bool onSide = down ? c.top >= at.bottom : c.bottom <= at.top;
    if (!onSide) continue;
    if (!found || (down ? c.top < lineTop : c.top > lineTop)) lineTop = c.top;
    found = true;
  }
  if (!found) return from;
  int best = from;
  int bestDistance = 0;
  for (size_t i = 0; i < count; ++i) {
    if (cells[i].top != lineTop) continue;
    const int distance = std::abs(CentreX(cells[i]) - CentreX(at));
    if (best == from || distance < bestDistance) {
      best = static_cast<int>(i);
      bestDistance = distance;
    }
  }
  return best;
}

}  // namespace

int MoveFocus(const CellBox* cells, size_t count, int current, FocusMove move) {
  if (count == 0) return -1;
  if (current < 0 || static_cast<size_t>(current) >= count) return 0;
  switch (move) {
    case FocusMove::kLeft:
      return Beside(cells, count, current, false);
    case FocusMove::kRight:
      return Beside(cells, count, current, true);
    case FocusMove::kUp:
      return Across(cells, count, current, false);
    case FocusMove::kDown:
      return Across(cells, count, current, true);
  }
  return current;
}

}  // namespace qv
