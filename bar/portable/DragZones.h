// bar/portable/DragZones.h: the arithmetic of dragging the bar: which hit-test
// codes move or size it, which screen edge a point drops it on, the strips of
// the inverted frame that shows the target, and the one-cell steps of a
// resize. Hit-test codes are Win32's HT* values, kept here so the rules build
// and are tested natively.
#pragma once

#include <array>

#include "bar/portable/BarGeometry.h"

namespace qv {

constexpr int kHitClient = 1;        // HTCLIENT
constexpr int kHitCaption = 2;       // HTCAPTION
constexpr int kHitLeft = 10;         // HTLEFT
constexpr int kHitRight = 11;        // HTRIGHT
constexpr int kHitTop = 12;          // HTTOP
constexpr int kHitTopLeft = 13;      // HTTOPLEFT
constexpr int kHitTopRight = 14;     // HTTOPRIGHT
constexpr int kHitBottom = 15;       // HTBOTTOM
constexpr int kHitBottomLeft = 16;   // HTBOTTOMLEFT
constexpr int kHitBottomRight = 17;  // HTBOTTOMRIGHT

inline bool IsCornerHit(int hit) {
  return hit == kHitTopLeft || hit == kHitTopRight || hit == kHitBottomLeft ||
         hit == kHitBottomRight;
}

// The bar's answer to a hit test, from the system's: the corners count as the
// side across the bar, and the bar's own area as a caption to drag it by.
int BarHitTest(Edge edge, int systemHit);

// The borders of a bar docked at `edge` that lie on the screen edge or run
// along it. Only the inner border, facing the middle of the screen, sizes the
// bar.
bool IsOuterBorderHit(Edge edge, int hit);

// What a move drag needs to know of the monitor under the cursor and the bar.
struct DragScreen {
  int screenLeft = 0, screenTop = 0;  // the monitor's origin on the desktop
  int screenWidth = 0, screenHeight = 0;
  int barWidth = 0;   // thickness of a left or right bar
  int barHeight = 0;  // thickness of a top or bottom bar
};

// The edge a bar dragged to desktop point (x, y) docks at.
Edge EdgeUnderPoint(int x, int y, const DragScreen& s);

// The frame shown for a bar about to dock at `edge`.
Rect EdgeFrame(Edge edge, const DragScreen& s);

// A strip of the drag frame: origin and size, as PatBlt takes them.
struct FrameStrip {
  int x = 0, y = 0, width = 0, height = 0;
};

// The frame's four sides, `cx` wide and `cy` high, covering each pixel once,
// so that inverting them twice restores the screen.
std::array<FrameStrip, 4> DragFrameStrips(const Rect& frame, int cx, int cy);

// A resize moves the side named by `hit` (kHitLeft, kHitRight, kHitTop or
// kHitBottom) in or out by one cell pitch (CellPitch). Each answers false,
// leaving `out` alone, when the frame would be smaller than one cell; a grown
// frame may also be no wider (left or right side) or higher (top or bottom
// side) than half the screen.
bool ShrinkFrame(int hit, const Rect& current, int cxButton, int cyButton,
                 Rect& out);
bool GrowFrame(int hit, const Rect& current, int cxButton, int cyButton,
               int screenWidth, int screenHeight, Rect& out);

}  // namespace qv
