// tabs/portable/ArrowRecolour.cpp
#include "tabs/portable/ArrowRecolour.h"

#include "tabs/portable/TabGeometry.h"

namespace qv {
namespace {

// Each arrow is a square cell as wide as the strip.
constexpr int kCell = kStripThickness;
constexpr int kEdgeRings = 2;

bool OnEdge(int position) {
  const int inCell = position % kCell;
  return inCell < kEdgeRings || inCell >= kCell - kEdgeRings;
}

}  // namespace

Rgb RecolourArrowPixel(int x, int y, Rgb classic, const Palette& palette) {
  if (OnEdge(x) || OnEdge(y)) {
    switch (classic) {
      case kClassicWhite:
        return palette.edgeLight;
      case kClassicFace:
        return palette.edgeFace;
      case kClassicShadow:
        return palette.edgeShadow;
      case kClassicBlack:
        return palette.edgeFrame;
      default:
        return classic;
    }
  }
  switch (classic) {
    case kClassicBlack:
      return palette.text;
    case kClassicShadow:
      return palette.disabledText;
    // The emboss under a greyed arrow would read as a second arrow in a
    // dark or high-contrast look: it goes into the face.
    case kClassicWhite:
    case kClassicFace:
      return palette.background;
    default:
      return classic;
  }
}

}  // namespace qv
