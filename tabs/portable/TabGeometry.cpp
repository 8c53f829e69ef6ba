// tabs/portable/TabGeometry.cpp: tab, base line and groove shapes per
// orientation.
#include "tabs/portable/TabGeometry.h"

namespace qv {
namespace {

constexpr int S = kTabSlant;
constexpr int H = kTabOverlap;

struct ShapeBuilder {
  TabShape shape;
  void Fill(TabPoint a, TabPoint b, TabPoint c, TabPoint d) {
    shape.filled = true;
    shape.fill[0] = a;
    shape.fill[1] = b;
    shape.fill[2] = c;
    shape.fill[3] = d;
  }
  void Line(TabPen pen, TabPoint from, TabPoint to) {
    shape.strokes[shape.strokeCount++] = {pen, from, to};
  }
};

// Hangs below the base line, wide at the top; the next tab's left edge starts
// halfway down, below this tab's right end.
TabShape HorizontalShape(const TabRect& r, bool clipped, bool selected,
                         bool first, int start) {
  const int L = r.left, T = r.top, R = r.right, B = r.bottom;
  const int bottomEnd = clipped ? R + 1 : R - (H - 1);
  ShapeBuilder b;
  if (selected) b.Fill({L, T}, {R + 1, T}, {bottomEnd, B - 1}, {L + H, B - 1});
  const TabPoint leftFrom = (first || L == start)
                                ? TabPoint{L, T + 1}
                                : TabPoint{L + 5, T + (B - T) / 2 + 2};
  b.Line(TabPen::kText, leftFrom, {L + H, B});
  if (!clipped) b.Line(TabPen::kText, {R - H, B}, {R, T});
  b.Line(TabPen::kText, {L + H, B - 1}, {bottomEnd, B - 1});
  if (!selected && !clipped) b.Line(TabPen::kText, {R - H, B - 2}, {R - 1, T});
  return b.shape;
}

// Left of the base line on the right edge, wide on the right.
TabShape RightEdgeShape(const TabRect& r, bool clipped, bool selected,
                        bool first) {
  const int L = r.left, T = r.top, R = r.right, B = r.bottom;
  ShapeBuilder b;
  if (selected)
    b.Fill({L + 1, clipped ? T : T + H}, {R, T}, {R, B}, {L + 1, B - H});
  if (first || T == 0)
    b.Line(TabPen::kText, {R - 1, T}, {L, T + H});
  else
    b.Line(TabPen::kText, {L + 7, T + 5}, {L - 1, T + 9});
  if (!clipped) b.Line(TabPen::kText, {L, B - H}, {R - 1, B});
  b.Line(TabPen::kText, {L, T + H}, {L, clipped ? B : B - 7});
  if (!selected && !clipped)
    b.Line(TabPen::kShadow, {L + 1, B - H}, {R - 1, B - 1});
  return b.shape;
}

// Right of the base line on the left edge, wide on the left; the run starts
// at the bottom.
TabShape LeftEdgeShape(const TabRect& r, bool clipped, bool selected,
                       bool first, int start) {
  const int L = r.left, T = r.top, R = r.right, B = r.bottom;
  ShapeBuilder b;
  if (selected)
    b.Fill({L, T}, {R - 1, clipped ? T : T + H}, {R - 1, B - H}, {L, B});
  const TabPoint lowerFrom = (first || B == start)
                                 ? TabPoint{L + 1, B}
                                 : TabPoint{L + (R - L) / 2 + 1, B - 5};
  b.Line(TabPen::kText, lowerFrom, {R, B - H});
  if (clipped)
    b.Line(TabPen::kText, {R, T}, {L - 1, T});
  else
    b.Line(TabPen::kText, {R, T + H}, {L, T});
  b.Line(TabPen::kText, {R - 1, B - H}, {R - 1, clipped ? T - 1 : T + 7});
  if (!selected && !clipped)
    b.Line(TabPen::kShadow, {R - 2, T + H}, {L, T + 1});
  return b.shape;
}

}  // namespace

bool IsTabClipped(int orientation, const TabRect& rect, int fullLength) {
  return LengthAlong(orientation, rect) < fullLength - S;
}

TabShape MakeTabShape(int orientation, const TabRect& rect, int fullLength,
                      bool selected, bool first, int start) {
  const bool clipped = IsTabClipped(orientation, rect, fullLength);
  switch (orientation) {
    case kTabsHorizontal:
      return HorizontalShape(rect, clipped, selected, first, start);
    case kTabsRightEdge:
      return RightEdgeShape(rect, clipped, selected, first);
    case kTabsLeftEdge:
      return LeftEdgeShape(rect, clipped, selected, first, start);
    default:
      return {};
  }
}

TabPoint TabTextOrigin(int orientation, const TabRect& r, int fullLength,
                       int cx, int cy) {
  const int len = IsTabClipped(orientation, r, fullLength)
                      ? fullLength
                      : LengthAlong(orientation, r);
  switch (orientation) {
    case kTabsRightEdge:
      return {r.right + (r.left - r.right) / 2 + cy / 2,
              r.top + len / 2 - cx / 2};
    case kTabsLeftEdge:
      return {r.left + (r.right - r.left) / 2 - cy / 2,
              r.bottom - len / 2 + cx / 2};
    default:
      return {r.left + len / 2 - cx / 2,
              r.top + (r.bottom - r.top) / 2 - cy / 2};
  }
}

TabStroke BaseLine(int orientation, int w, int h, bool arrowsNeeded,
                   const TabRect& lastTab) {
  switch (orientation) {
    case kTabsRightEdge:
      return {TabPen::kShadow,
              {w - 1, 0},
              {w - 1, arrowsNeeded ? h - kArrowReserve : lastTab.bottom}};
    case kTabsLeftEdge:
      return arrowsNeeded
                 ? TabStroke{TabPen::kShadow, {1, h - kArrowReserve}, {1, 0}}
                 : TabStroke{TabPen::kShadow, {1, h}, {1, lastTab.top}};
    default:
      return {TabPen::kShadow,
              {0, 0},
              {arrowsNeeded ? w - kArrowReserve : lastTab.right, 0}};
  }
}

ArrowGroove MakeArrowGroove(int orientation, const TabRect& a) {
  ArrowGroove g;
  auto line = [&g](TabPen pen, TabPoint from, TabPoint to) {
    g.strokes[g.strokeCount++] = {pen, from, to};
  };
  const int AL = a.left, AT = a.top, AR = a.right, AB = a.bottom;
  switch (orientation) {
    case kTabsHorizontal:
      line(TabPen::kText, {AL - 4, 0}, {AL, 0});
      line(TabPen::kText, {AL - 4, AT + 1}, {AL - 4, AB});
      line(TabPen::kHighlight, {AL - 3, AT + 1}, {AL - 3, AB});
      g.hasGreyFill = true;
      g.greyFill = {AL - 2, AT + 1, AL - 1, AB + 1};
      line(TabPen::kShadow, {AL - 1, AT + 1}, {AL - 1, AB});
      break;
    case kTabsRightEdge:
      line(TabPen::kText, {AR - 1, AT - 4}, {AR - 1, AT});
      line(TabPen::kText, {0, AT - 4}, {AR - 1, AT - 4});
      line(TabPen::kHighlight, {0, AT - 3}, {AR - 1, AT - 3});
      line(TabPen::kShadow, {0, AT - 1}, {AR - 1, AT - 1});
      break;
    case kTabsLeftEdge:
      line(TabPen::kText, {0, AT - 4}, {0, AT});
      line(TabPen::kText, {1, AT - 4}, {AR, AT - 4});
      line(TabPen::kHighlight, {1, AT - 3}, {AR, AT - 3});
      line(TabPen::kShadow, {1, AT - 1}, {AR, AT - 1});
      break;
    default:
      break;
  }
  return g;
}

TabRect ArrowsRect(int orientation, int cx, int cy) {
  if (orientation == kTabsHorizontal)
    return {cx - kArrowLength, cy - kStripThickness, cx, cy};
  return {cx - kStripThickness, cy - kArrowLength, cx, cy};
}

int ArrowHit(int orientation, const TabRect& a, TabPoint pt) {
  if (orientation == kTabsHorizontal)
    return pt.x < a.left + (a.right - a.left) / 2 ? kHitLeftArrow
                                                  : kHitRightArrow;
  return pt.y < a.bottom + (a.top - a.bottom) / 2 ? kHitUpArrow : kHitDownArrow;
}

int ScrollDirection(int orientation, int code) {
  int forward = kHitRightArrow, back = kHitLeftArrow;
  if (orientation == kTabsRightEdge) {
    forward = kHitDownArrow;
    back = kHitUpArrow;
  } else if (orientation == kTabsLeftEdge) {
    forward = kHitUpArrow;
    back = kHitDownArrow;
  }
  return code == forward ? 1 : code == back ? -1 : 0;
}

int ArrowFrame(int orientation, bool firstFullyShown, bool lastFullyShown,
               int pressed, bool pressedOff) {
  if (!pressedOff) {
    const bool horizontal = orientation == kTabsHorizontal;
    if (pressed == (horizontal ? kHitLeftArrow : kHitUpArrow)) return 1;
    if (pressed == (horizontal ? kHitRightArrow : kHitDownArrow)) return 3;
  }
  if (firstFullyShown) return 2;
  if (lastFullyShown) return 4;
  return 0;
}

}  // namespace qv
