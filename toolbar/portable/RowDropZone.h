// toolbar/portable/RowDropZone.h: where a drag over a button row would put
// what it carries: into the gap between two cells (a button moved there), or
// onto a button itself (a folder taking the dragged files). Works on the
// cells as LayOutCells placed them, either orientation.
#pragma once

#include <cstddef>

#include "toolbar/portable/RowLayout.h"

namespace qv {

struct RowDropZone {
  // The entry the drag would go before (`count`: after the last).
  int before = 0;
  // The button whose middle the point is over, or -1.
  int onButton = -1;
};

// The zone at point (x, y). The point's line is the one whose band (the
// padding after it included) holds it; before the first line, the first;
// past the last, the last. Along that line the point goes before the first
// cell whose centre lies beyond it, else after the line's last cell; the
// middle half of a button is on that button.
RowDropZone FindRowDropZone(int orientation, const CellKind* kinds,
                            const CellBox* boxes, size_t count, int x, int y);

// The insertion mark for the gap before entry `before`: `thickness` pixels
// along the line, as thick as the line across it; at the start of the cell
// after the gap, or at the end of the cell before it when that gap ends a
// line.
CellBox InsertionMarkBox(int orientation, const CellKind* kinds,
                         const CellBox* boxes, size_t count, int before,
                         int thickness);

}  // namespace qv
