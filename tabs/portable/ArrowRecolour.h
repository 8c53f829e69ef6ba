// tabs/portable/ArrowRecolour.h: the tab strip's arrow bitmaps repainted in
// a look's colours.
//
// The bitmaps are drawn in the four classic colours (face, shadow, black and
// white), each frame a 16-pixel cell. A classic colour means one thing on a
// cell's two outer rings (the button's raised or pressed edge) and another
// inside (the arrow, or a greyed arrow with its white emboss), so a pixel is
// repainted by where it lies as well as by its colour.
#pragma once

#include "framework/portable/Palette.h"

namespace qv {

constexpr Rgb kClassicFace = MakeRgb(192, 192, 192);
constexpr Rgb kClassicShadow = MakeRgb(128, 128, 128);
constexpr Rgb kClassicBlack = MakeRgb(0, 0, 0);
constexpr Rgb kClassicWhite = MakeRgb(255, 255, 255);

// The colour in `palette` of the bitmap pixel at (x, y), of colour `classic`.
// Colours other than the four are kept.
Rgb RecolourArrowPixel(int x, int y, Rgb classic, const Palette& palette);

}  // namespace qv
