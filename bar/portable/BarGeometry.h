// bar/portable/BarGeometry.h: where the bar goes on the screen: the band it
// reserves at an edge, its rectangle shown or hidden, and the slide between
// them. Plain arithmetic, free of Win32, so it is tested natively.
#pragma once

#include "settings/portable/Edge.h"

namespace qv {

struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool operator==(const Rect& o) const {
    return left == o.left && top == o.top && right == o.right &&
           bottom == o.bottom;
  }
  bool operator!=(const Rect& o) const { return !(*this == o); }
};

// The system metrics the bar's sizes depend on, for the monitor it docks on.
struct BarMetrics {
  int screenLeft = 0, screenTop = 0;  // the monitor's origin on the desktop
  int screenWidth = 0, screenHeight = 0;
  int edgeX = 2, edgeY = 2;  // SM_CXEDGE, SM_CYEDGE
  int vScrollWidth = 17;     // SM_CXVSCROLL
  int hScrollHeight = 17;    // SM_CYHSCROLL
  Rect Screen() const {
    return {screenLeft, screenTop, screenLeft + screenWidth,
            screenTop + screenHeight};
  }
};

// What the bar's thickness depends on.
struct BarShape {
  int cxButton = 0, cyButton = 0;  // one button cell
  int rows = 1, columns = 1;
  bool showTabs = true;
  bool paneExists = true;
  bool hiddenMode = false;  // the edge's auto-hide bar
};

// The band the bar asks the shell for at `edge`: the whole side of the screen
// with the bar's thickness, or, in auto-hide mode, only 2 pixels on screen.
Rect WantedDockRect(Edge edge, const BarShape& shape, const BarMetrics& m);

// The band stretched along the whole side, as proposed to the shell.
Rect StretchAlongEdge(Edge edge, const Rect& wanted, const BarMetrics& m);

// After the shell moved a proposed band off other bars: the side it kept
// stays and the thickness is put back on the other.
Rect ReapplyThickness(Edge edge, const Rect& granted, int thickness);

// The bar's window rectangle for a given thickness, starting from its
// current rectangle (the two sides along the edge stay): shown against the
// outer side of the band the shell granted (the screen edge unless another
// bar holds it), or hidden with 2 pixels left on screen.
Rect LaidOutRect(Edge edge, const Rect& current, int thickness, bool hidden,
                 const Rect& band, const BarMetrics& m);

// The icons shown at `dpi`: the system's small (16-pixel) or large
// (32-pixel) icon scaled for it.
int IconSizeForDpi(bool small, int dpi);

struct CellSize {
  int cx = 0, cy = 0;
  bool operator==(const CellSize& o) const { return cx == o.cx && cy == o.cy; }
};

// One button cell at `dpi`: an `icon`-pixel icon with its margins, and
// `nameWidth` pixels of name beside it.
CellSize ButtonCell(int icon, int nameWidth, int dpi);

// How far apart neighbouring cells are: a bar one cell thicker is this much
// thicker, and a resize frame moves this much per step.
int CellPitch(int cellSize);

// The pane's thickness across the bar, its client edge included: `cells`
// rows (a top or bottom bar) or columns (left or right) of cells
// `cellSize` pixels across the bar (the cell's height, or its width).
int PaneThickness(Edge edge, int cellSize, int cells, const BarMetrics& m);

// The bar's thickness: the pane, its margins and the window's frame, and
// the tab strip's room when tabs are shown. The band, the layout, the drag
// frame and a resize all take it from here.
int BarThickness(Edge edge, int cellSize, int cells, bool tabs,
                 const BarMetrics& m);

// The rows or columns whose bar is nearest `thickness` pixels; at least 1.
int CellsForThickness(Edge edge, int cellSize, int thickness, bool tabs,
                      const BarMetrics& m);

// The stored rows or columns as the bar shows them: at least 1, and no more
// than fit in a bar half the screen thick, as a resize allows.
int ShownCells(Edge edge, int cellSize, int stored, bool tabs,
               const BarMetrics& m);

// The stored name length in characters as the buttons show it: 0 (icons
// only) up to a button as wide as `screenWidth` (ButtonRoom below).
// `fixedWidth` is the button's width without its name.
int ShownMaxChars(int stored, int fixedWidth, int charWidth, int screenWidth);

// The widest button the bar at `edge` has room for: the screen's width at
// the top or bottom; at the left or right, as wide as leaves a bar of one
// column within half the screen, as ShownCells allows.
int ButtonRoom(Edge edge, bool tabs, const BarMetrics& m);

// One 5-pixel step of a slide towards `target`, moving `current`; true while
// more steps are needed. slide: 1 slides the bar in (shows it), 2 out.
bool SlideStep(Edge edge, int slide, const Rect& target, Rect& current);

}  // namespace qv
