// toolbar/portable/RowLayout.cpp: one walk over the cells serves the layout,
// the line count and the needed size, so the three always agree.
#include "toolbar/portable/RowLayout.h"

namespace qv {
namespace {

// The walk in the row's own axes: "along" a line and "across" the lines.
struct LineWalk {
  int along = 0;
  int across = 0;
  int lines = 1;
};

struct Axes {
  int cellAlong;   // a button's size along the line
  int lineAcross;  // a line's thickness
  int padAlong;
  int padAcross;
};

Axes AxesOf(const RowGeometry& g) {
  if (g.orientation == kColumnsDown)
    return {g.cyItem, g.cxItem, g.cyPad, g.cxPad};
  return {g.cxItem, g.cyItem, g.cxPad, g.cyPad};
}

int AlongSize(const Axes& axes, CellKind kind) {
  switch (kind) {
    case CellKind::kSpace:
      return kSpaceCellSize;
    case CellKind::kLineBreak:
      return 0;
    case CellKind::kButton:
      break;
  }
  return axes.cellAlong;
}

// Moves the walk past one cell; answers where the cell starts along and
// across.
LineWalk Step(const Axes& axes, int available, CellKind kind, LineWalk& walk) {
  const int size = AlongSize(axes, kind);
  if (kind == CellKind::kLineBreak || walk.along + size > available) {
    walk.along = 0;
    walk.across += axes.lineAcross + axes.padAcross;
    ++walk.lines;
  }
  LineWalk at = walk;
  if (kind != CellKind::kLineBreak) walk.along += size + axes.padAlong;
  return at;
}

CellBox ToBox(const RowGeometry& g, const Axes& axes, const LineWalk& at,
              int size) {
  if (g.orientation == kColumnsDown)
    return {at.across, at.along, at.across + axes.lineAcross, at.along + size};
  return {at.along, at.across, at.along + size, at.across + axes.lineAcross};
}

// Where the walk stands after a placed cell.
LineWalk ResumeAfter(const RowGeometry& g, const Axes& axes, CellKind kind,
                     const CellBox& box) {
  const bool columns = g.orientation == kColumnsDown;
  LineWalk walk;
  walk.across = columns ? box.left : box.top;
  walk.along = kind == CellKind::kLineBreak
                   ? 0
                   : (columns ? box.bottom : box.right) + axes.padAlong;
  return walk;
}

}  // namespace

void LayOutCells(const RowGeometry& geometry, int available,
                 const CellKind* kinds, CellBox* boxes, size_t first,
                 size_t count) {
  const Axes axes = AxesOf(geometry);
  LineWalk walk;
  if (first > 0 && first <= count)
    walk = ResumeAfter(geometry, axes, kinds[first - 1], boxes[first - 1]);
  for (size_t i = first; i < count; ++i) {
    const LineWalk at = Step(axes, available, kinds[i], walk);
    boxes[i] = ToBox(geometry, axes, at, AlongSize(axes, kinds[i]));
  }
}

int CountCellLines(const RowGeometry& geometry, int available,
                   const CellKind* kinds, size_t count) {
  const Axes axes = AxesOf(geometry);
  LineWalk walk;
  for (size_t i = 0; i < count; ++i) Step(axes, available, kinds[i], walk);
  return walk.lines;
}

RowSize NeededRowSize(const RowGeometry& geometry, int width, int height,
                      const CellKind* kinds, size_t count) {
  const Axes axes = AxesOf(geometry);
  const bool columns = geometry.orientation == kColumnsDown;
  LineWalk walk;
  for (size_t i = 0; i < count; ++i)
    Step(axes, columns ? height : width, kinds[i], walk);
  // Every line is as thick as a button, whatever wrapped it.
  const int across = walk.across + axes.lineAcross;
  return columns ? RowSize{across, height} : RowSize{width, across};
}

int HitTestCells(const CellBox* boxes, size_t count, int x, int y) {
  for (size_t i = 0; i < count; ++i) {
    const CellBox& b = boxes[i];
    if (x >= b.left && x < b.right && y >= b.top && y < b.bottom)
      return static_cast<int>(i);
  }
  return -1;
}

}  // namespace qv
