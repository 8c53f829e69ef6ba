// toolbar/portable/RowDropZone.cpp: drop zones over a row's cells, in the
// row's own axes: "along" a line and "across" the lines.
#include "toolbar/portable/RowDropZone.h"

namespace qv {
namespace {

struct Span {
  int start;
  int end;
};

struct Axes {
  bool columns;
  Span Along(const CellBox& b) const {
    return columns ? Span{b.top, b.bottom} : Span{b.left, b.right};
  }
  Span Across(const CellBox& b) const {
    return columns ? Span{b.left, b.right} : Span{b.top, b.bottom};
  }
  CellBox Box(Span along, Span across) const {
    return columns ? CellBox{across.start, along.start, across.end, along.end}
                   : CellBox{along.start, across.start, along.end, across.end};
  }
};

// The start across of the line holding `across`.
int LineOf(const Axes& axes, const CellBox* boxes, size_t count, int across) {
  int line = axes.Across(boxes[0]).start;
  int first = line;
  bool found = false;
  for (size_t i = 0; i < count; ++i) {
    const int start = axes.Across(boxes[i]).start;
    if (start < first) first = start;
    if (start <= across && (!found || start > line)) {
      line = start;
      found = true;
    }
  }
  return found ? line : first;
}

}  // namespace

RowDropZone FindRowDropZone(int orientation, const CellKind* kinds,
                            const CellBox* boxes, size_t count, int x, int y) {
  RowDropZone zone;
  if (count == 0) return zone;
  const Axes axes{orientation == kColumnsDown};
  const int along = axes.columns ? y : x;
  const int line = LineOf(axes, boxes, count, axes.columns ? x : y);
  int last = -1;
  bool placed = false;
  for (size_t i = 0; i < count; ++i) {
    if (axes.Across(boxes[i]).start != line) continue;
    last = static_cast<int>(i);
    if (kinds[i] == CellKind::kLineBreak) continue;
    const Span span = axes.Along(boxes[i]);
    const int quarter = (span.end - span.start) / 4;
    if (kinds[i] == CellKind::kButton && along >= span.start + quarter &&
        along < span.end - quarter)
      zone.onButton = static_cast<int>(i);
    if (!placed && (span.start + span.end) / 2 > along) {
      zone.before = static_cast<int>(i);
      placed = true;
    }
  }
  if (!placed) zone.before = last + 1;
  return zone;
}

CellBox InsertionMarkBox(int orientation, const CellKind* kinds,
                         const CellBox* boxes, size_t count, int before,
                         int thickness) {
  const Axes axes{orientation == kColumnsDown};
  if (before < 0 || count == 0 || static_cast<size_t>(before) > count)
    return {};
  const size_t at = static_cast<size_t>(before);
  if (at == 0 || (at < count && kinds[at] != CellKind::kLineBreak)) {
    const Span along = axes.Along(boxes[at]);
    const int start = along.start - thickness > 0 ? along.start - thickness : 0;
    return axes.Box({start, start + thickness}, axes.Across(boxes[at]));
  }
  const CellBox& previous = boxes[at - 1];
  const int end = axes.Along(previous).end;
  return axes.Box({end, end + thickness}, axes.Across(previous));
}

}  // namespace qv
