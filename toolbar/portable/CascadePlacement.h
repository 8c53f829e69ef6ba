// toolbar/portable/CascadePlacement.h: where a folder's cascading menu drops
// from its button: off the bar's inner side, so that it never covers the
// bar, and beside the button along it.
#pragma once

#include "settings/portable/Edge.h"

namespace qv {

struct ScreenBox {
  int left, top, right, bottom;
};

struct CascadePlacement {
  int x = 0, y = 0;  // the menu's anchor corner
  // The menu moves up or down (else sideways) when it must clear `exclude`.
  bool vertical = false;
  bool alignRight = false;   // x is the menu's right edge
  bool alignBottom = false;  // y is the menu's bottom edge
  ScreenBox exclude{};       // the button's strip across the whole bar
};

// The menu of `button` on a bar docked at `edge` whose window is `bar`.
CascadePlacement PlaceCascadeMenu(Edge edge, const ScreenBox& button,
                                  const ScreenBox& bar);

}  // namespace qv
