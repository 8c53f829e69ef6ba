// toolbar/portable/RowLayout.h: where the cells of a button row go. A row
// wraps its cells into lines across its width (or columns down its height);
// a gap is a thin cell and a line break a cell of no size that starts the
// next line.
#pragma once

#include <cstddef>

#include "settings/portable/Edge.h"

namespace qv {

enum class CellKind : unsigned char { kButton, kSpace, kLineBreak };

// Lines run across the row (a top or bottom bar), or columns run down it (a
// left or right bar).
constexpr int kLinesAcross = 1;
constexpr int kColumnsDown = 2;

// The rows' orientation on a bar docked at `edge`.
constexpr int RowOrientation(Edge edge) {
  return IsVertical(edge) ? kColumnsDown : kLinesAcross;
}

// A gap's size along its line.
constexpr int kSpaceCellSize = 8;

struct CellBox {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

struct RowGeometry {
  int orientation = kLinesAcross;
  int cxItem = 60;
  int cyItem = 20;
  int cxPad = 3;
  int cyPad = 3;
};

struct RowSize {
  int cx = 0;
  int cy = 0;
};

// Places cells first … count-1 in `boxes` for `available` pixels along a
// line (the row's width, or its height for columns); boxes before `first`
// are taken as already placed, so appending lays out only the new cell. A
// cell that does not fit even at the start of a line still moves on to the
// next one.
void LayOutCells(const RowGeometry& geometry, int available,
                 const CellKind* kinds, CellBox* boxes, size_t first,
                 size_t count);

// Lines (or columns) the cells take for `available` pixels along a line;
// at least 1.
int CountCellLines(const RowGeometry& geometry, int available,
                   const CellKind* kinds, size_t count);

// The size a row needs to show every cell when it is `width` wide (lines
// across, the width stays) or `height` high (columns down, the height
// stays).
RowSize NeededRowSize(const RowGeometry& geometry, int width, int height,
                      const CellKind* kinds, size_t count);

// Index of the first box holding the point (right and bottom edges
// excluded), or -1.
int HitTestCells(const CellBox* boxes, size_t count, int x, int y);

}  // namespace qv
