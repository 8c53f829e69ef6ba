// bar/portable/BarGeometry.cpp
#include "bar/portable/BarGeometry.h"

namespace qv {
namespace {
constexpr int kVisibleWhenHidden = 2;
constexpr int kSlideStep = 5;
}  // namespace

Rect WantedDockRect(Edge edge, const BarShape& s, const BarMetrics& m) {
  Rect rc{0, 0, m.screenWidth, m.screenHeight};
  int width = 0, height = 0;
  if (s.paneExists) {
    height = (s.cyButton + 3) * s.rows + 2 * m.edgeY + 6 + 9 +
             (s.showTabs ? m.hScrollHeight : 0);
    width = (s.cxButton + 3) * s.columns + 2 * m.edgeX + 6 + 10 +
            (s.showTabs ? m.vScrollWidth : 0);
  } else if (s.hiddenMode) {
    width = height = 3;
    rc.left = rc.top = -2;
  } else {
    width = (s.cxButton + 3) * s.columns + 5;
    height = (s.cyButton + 3) * s.rows + 5;
  }

  // Placed as the window is laid out, against the screen's sides.
  return LaidOutRect(edge, rc, IsVertical(edge) ? width : height, s.hiddenMode,
                     rc, m);
}

Rect StretchAlongEdge(Edge edge, const Rect& wanted, const BarMetrics& m) {
  Rect rc = wanted;
  if (IsVertical(edge)) {
    rc.top = 0;
    rc.bottom = m.screenHeight;
  } else {
    rc.left = 0;
    rc.right = m.screenWidth;
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
  const int k = kVisibleWhenHidden;
  switch (edge) {
    case Edge::Left:
      rc.left = hidden ? k - thickness : band.left;
      rc.right = rc.left + thickness;
      break;
    case Edge::Top:
      rc.top = hidden ? k - thickness : band.top;
      rc.bottom = rc.top + thickness;
      break;
    case Edge::Right:
      rc.right = hidden ? m.screenWidth - k + thickness : band.right;
      rc.left = rc.right - thickness;
      break;
    default:
      rc.bottom = hidden ? m.screenHeight - k + thickness : band.bottom;
      rc.top = rc.bottom - thickness;
      break;
  }
  return rc;
}

int CellsForThickness(int thickness, int fixed, int pitch) {
  if (pitch <= 0) return 1;
  const int cells = (thickness - fixed + pitch / 2) / pitch;
  return cells < 1 ? 1 : cells;
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
