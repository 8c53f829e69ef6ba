// toolbar/portable/CascadePlacement.cpp
#include "toolbar/portable/CascadePlacement.h"

namespace qv {

CascadePlacement PlaceCascadeMenu(Edge edge, const ScreenBox& button,
                                  const ScreenBox& bar) {
  CascadePlacement place;
  place.vertical = !IsVertical(edge);
  place.exclude =
      place.vertical
          ? ScreenBox{button.left, bar.top, button.right, bar.bottom}
          : ScreenBox{bar.left, button.top, bar.right, button.bottom};
  switch (edge) {
    case Edge::Top:
      place.x = button.left;
      place.y = bar.bottom;
      break;
    case Edge::Bottom:
      place.x = button.left;
      place.y = bar.top;
      place.alignBottom = true;
      break;
    case Edge::Left:
      place.x = bar.right;
      place.y = button.top;
      break;
    case Edge::Right:
      place.x = bar.left;
      place.y = button.top;
      place.alignRight = true;
      break;
  }
  return place;
}

}  // namespace qv
