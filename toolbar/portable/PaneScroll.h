// toolbar/portable/PaneScroll.h: the toolbar pane's scrolling in whole lines
// of buttons. Described for a top or bottom bar (rows stacked downwards);
// a left or right bar uses the same arithmetic with widths.
#pragma once

namespace qv {

// The scroll-bar codes, with the values Win32 gives them.
enum ScrollCode : int {
  kScrollLineUp = 0,
  kScrollLineDown = 1,
  kScrollPageUp = 2,
  kScrollPageDown = 3,
  kScrollThumbPosition = 4,
  kScrollThumbTrack = 5,
  kScrollTop = 6,
  kScrollBottom = 7,
  kScrollEnd = 8,
};

// Where the first row starts in the pane, before any scrolling.
constexpr int kFirstRowOffset = 3;

struct PaneScrollPlan {
  bool overflow = false;  // the lines do not all fit: show a scroll bar
  int rangeMax = 0;       // the range is 0 … rangeMax
  int position = 0;       // the saved position, pulled back when past the end
};

// `clientLen` is the pane's client height, `cellLen` a button cell's height,
// `pad` the gap between lines, `totalLines` the lines of all rows together
// and `savedPos` the stored scroll position.
PaneScrollPlan PlanPaneScroll(int clientLen, int cellLen, int pad,
                              int totalLines, int savedPos);

struct PaneScrollStep {
  bool moved = false;
  int position = 0;
  int firstTop = 0;  // the first row's new top in the pane
};

// One scroll step by `code` (`thumb` for kScrollThumbPosition) from
// `position`. `firstTop` is the first row's top now, `rowsLen` the rows'
// heights together; the others as for PlanPaneScroll.
PaneScrollStep StepPaneScroll(int code, int thumb, int position, int totalLines,
                              int firstTop, int cellLen, int pad, int clientLen,
                              int rowsLen);

}  // namespace qv
