// bar/portable/BarGeometry.cpp
#include "bar/portable/BarGeometry.h"

#include "framework/portable/DpiScale.h"

namespace qv {
namespace {
constexpr int kVisibleWhenHidden = 2;
constexpr int kSlideStep = 5;
constexpr int kCellGap = 3;      // between neighbouring cells
constexpr int kPanePadding = 6;  // inside the pane's client edge
}  // namespace

int IconSizeForDpi(bool small, int dpi) {
  return ScaleForDpi(small ? 16 : 32, dpi);
}

CellSize ButtonCell(int icon, int nameWidth, int dpi) {
  return {icon + ScaleForDpi(8, dpi) + nameWidth, icon + ScaleForDpi(6, dpi)};
}

int CellPitch(int cellSize) { return cellSize + kCellGap; }

int PaneThickness(Edge edge, int cellSize, int cells, const BarMetrics& m) {
  const int clientEdge = IsVertical(edge) ? m.edgeX : m.edgeY;
  return CellPitch(cellSize) * cells + 2 * clientEdge + kPanePadding;
}

int BarThickness(Edge edge, int cellSize, int cells, bool tabs,
                 const BarMetrics& m) {
  const bool vertical = IsVertical(edge);
  const int frame = vertical ? 10 : 9;
  const int strip = !tabs ? 0 : vertical ? m.vScrollWidth : m.hScrollHeight;
  return PaneThickness(edge, cellSize, cells, m) + frame + strip;
}

int CellsForThickness(Edge edge, int cellSize, int thickness, bool tabs,
                      const BarMetrics& m) {
  const int pitch = CellPitch(cellSize);
  if (pitch <= 0) return 1;
  const int fixed = BarThickness(edge, cellSize, 0, tabs, m);
  const int cells = (thickness - fixed + pitch / 2) / pitch;
  return cells < 1 ? 1 : cells;
}

int ShownCells(Edge edge, int cellSize, int stored, bool tabs,
               const BarMetrics& m) {
  const int half = (IsVertical(edge) ? m.screenWidth : m.screenHeight) / 2;
  const int pitch = CellPitch(cellSize);
  const int room = half - BarThickness(edge, cellSize, 0, tabs, m);
  const int most = pitch > 0 && room >= pitch ? room / pitch : 1;
  return stored < 1 ? 1 : stored > most ? most : stored;
}

int ShownMaxChars(int stored, int fixedWidth, int charWidth, int screenWidth) {
  if (stored <= 0) return 0;
  if (charWidth <= 0) return stored;
  const int most = (screenWidth - fixedWidth) / charWidth;
  return stored < most ? stored : (most > 0 ? most : 0);
}

int ButtonRoom(Edge edge, bool tabs, const BarMetrics& m) {
  if (!IsVertical(edge)) return m.screenWidth;
  return m.screenWidth / 2 - BarThickness(edge, 0, 1, tabs, m);
}

Rect WantedDockRect(Edge edge, const BarShape& s, const BarMetrics& m) {
  Rect rc = m.Screen();
  int thickness = 0;
  if (!s.paneExists && s.hiddenMode) {
    thickness = 3;
    rc.left -= 2;
    rc.top -= 2;
  } else {
    const bool vertical = IsVertical(edge);
    thickness = BarThickness(edge, vertical ? s.cxButton : s.cyButton,
                             vertical ? s.columns : s.rows, s.showTabs, m);
  }

  // Placed as the window is laid out, against the screen's sides.
  return LaidOutRect(edge, rc, thickness, s.hiddenMode, rc, m);
}

Rect StretchAlongEdge(Edge edge, const Rect& wanted, const BarMetrics& m) {
  Rect rc = wanted;
  const Rect screen = m.Screen();
  if (IsVertical(edge)) {
    rc.top = screen.top;
    rc.bottom = screen.bottom;
  } else {
    rc.left = screen.left;
    rc.right = screen.right;
  }
  return rc;
}

Rect ReapplyThickness(Edge edge, const Rect& granted, int thickness) {
  Rect rc = granted;
  switch (edge) {
    case Edge::Left:
      rc.right = rc.left + thickness;
      break;
    case Edge::Top:
      rc.bottom = rc.top + thickness;
      break;
    case Edge::Right:
      rc.left = rc.right - thickness;
      break;
    default:
      rc.top = rc.bottom - thickness;
      break;
  }
  return rc;
}

Rect LaidOutRect(Edge edge, const Rect& current, int thickness, bool hidden,
                 const Rect& band, const BarMetrics& m) {
  Rect rc = current;
  const Rect screen = m.Screen();
  const int k = kVisibleWhenHidden;
  switch (edge) {
    case Edge::Left:
      rc.left = hidden ? screen.left + k - thickness : band.left;
      rc.right = rc.left + thickness;
      break;
    case Edge::Top:
      rc.top = hidden ? screen.top + k - thickness : band.top;
      rc.bottom = rc.top + thickness;
      break;
    case Edge::Right:
      rc.right = hidden ? screen.right - k + thickness : band.right;
      rc.left = rc.right - thickness;
      break;
    default:
      rc.bottom = hidden ? screen.bottom - k + thickness : band.bottom;
      rc.top = rc.bottom - thickness;
      break;
  }
  return rc;
}

bool SlideStep(Edge edge, int slide, const Rect& target, Rect& current) {
  const bool slidingIn = slide == 1;
  const bool towardsPositive = (edge == Edge::Left || edge == Edge::Top);
  const int step = (towardsPositive == slidingIn) ? kSlideStep : -kSlideStep;
  if (IsVertical(edge)) {
    current.left += step;
    current.right += step;
  } else {
    current.top += step;
    current.bottom += step;
  }
  switch (edge) {
    case Edge::Left:
      return slidingIn ? current.right < target.right
                       : current.left > target.left;
    case Edge::Top:
      return slidingIn ? current.bottom < target.bottom
                       : current.top > target.top;
    case Edge::Right:
      return slidingIn ? current.left > target.left
                       : current.right < target.right;
    default:
      return slidingIn ? current.top > target.top
                       : current.bottom < target.bottom;
  }
}

}  // namespace qv
