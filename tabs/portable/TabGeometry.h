// tabs/portable/TabGeometry.h: the tab strip's fixed sizes, hit codes and the
// shapes it draws (tabs, base line, arrow groove) as plain coordinates, so the
// drawing code only has to stroke what is computed here.
#pragma once

#include "settings/portable/Edge.h"

namespace qv {

// Orientations of the strip (m_nOrientation).
constexpr int kTabsHorizontal = 1;  // along the top, tabs hang down
constexpr int kTabsRightEdge = 2;   // on the right, run top to bottom
constexpr int kTabsLeftEdge = 3;    // on the left, run bottom to top

// The strip's orientation on a bar docked at `edge`.
constexpr int StripOrientation(Edge edge) {
  return edge == Edge::Left    ? kTabsLeftEdge
         : edge == Edge::Right ? kTabsRightEdge
                               : kTabsHorizontal;
}

constexpr int kTabSlant = 16;               // each slanted end of a tab
constexpr int kTabOverlap = kTabSlant / 2;  // neighbours share this much
constexpr int kStripThickness = 16;         // one arrow frame across
constexpr int kArrowLength = 32;            // one arrow frame along
constexpr int kArrowGroove = 4;             // between the run and arrows
constexpr int kArrowReserve = kArrowLength + kArrowGroove;

// Hit codes: 0 and up are tab indices.
constexpr int kHitNothing = -1;
constexpr int kHitUpArrow = -3;
constexpr int kHitDownArrow = -4;
constexpr int kHitLeftArrow = -5;
constexpr int kHitRightArrow = -6;
constexpr int kNoArrowHeld = -7;

inline bool IsArrowCode(int code) {
  return code >= kNoArrowHeld && code <= kHitUpArrow;
}

struct TabPoint {
  int x;
  int y;
};

// Laid out like a Win32 RECT: right and bottom are exclusive.
struct TabRect {
  int left;
  int top;
  int right;
  int bottom;
};

inline bool IsEmpty(const TabRect& r) {
  return r.right <= r.left || r.bottom <= r.top;
}
inline bool Contains(const TabRect& r, TabPoint p) {
  return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}
// The rectangle's length along a strip of this orientation.
inline int LengthAlong(int orientation, const TabRect& r) {
  return orientation == kTabsHorizontal ? r.right - r.left : r.bottom - r.top;
}

enum class TabPen { kText, kShadow, kHighlight };

// A line from `from` to `to`; `to` itself is not painted (MoveTo/LineTo).
struct TabStroke {
  TabPen pen;
  TabPoint from;
  TabPoint to;
};

// The outline of one tab and, for the selected tab, the polygon filled white.
struct TabShape {
  bool filled = false;
  TabPoint fill[4] = {};
  TabStroke strokes[5] = {};
  int strokeCount = 0;
};

// A tab is clipped when the arrows cut off more than its slanted far end.
bool IsTabClipped(int orientation, const TabRect& rect, int fullLength);

// `first` draws the near edge in full (tab 0 and the selected tab); so does a
// tab whose near edge lies at `start`, where the run begins.
TabShape MakeTabShape(int orientation, const TabRect& rect, int fullLength,
                      bool selected, bool first, int start);

// Where text of extent (cx, cy) starts so that it is centred on the whole
// tab, even when the tab is clipped; vertical text runs from this point.
TabPoint TabTextOrigin(int orientation, const TabRect& rect, int fullLength,
                       int cx, int cy);

// The line along the side that faces the pane, for a strip of window size
// (w, h) whose last tab is `lastTab`.
TabStroke BaseLine(int orientation, int w, int h, bool arrowsNeeded,
                   const TabRect& lastTab);

// The 4-pixel groove between the run and the arrow pair.
struct ArrowGroove {
  TabStroke strokes[5] = {};
  int strokeCount = 0;
  bool hasGreyFill = false;
  TabRect greyFill = {};
};
ArrowGroove MakeArrowGroove(int orientation, const TabRect& arrows);

// The arrow pair's place: the client area's bottom-right corner.
TabRect ArrowsRect(int orientation, int cx, int cy);

// The arrow code for a point inside the arrow pair.
int ArrowHit(int orientation, const TabRect& arrows, TabPoint pt);

// +1 when the arrow code scrolls forward (away from tab 0), -1 when it
// scrolls back, 0 when it is no arrow.
int ScrollDirection(int orientation, int code);

// Which of the five arrow bitmap frames to show: 1 or 3 for a held arrow
// with the pointer on it, else 2 (back disabled), 4 (forward disabled) or 0.
int ArrowFrame(int orientation, bool firstFullyShown, bool lastFullyShown,
               int pressed, bool pressedOff);

}  // namespace qv
