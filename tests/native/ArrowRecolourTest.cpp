// tests/native/ArrowRecolourTest.cpp: the arrows' classic colours take the
// look's by where they lie in a cell.
#include "tabs/portable/ArrowRecolour.h"

#include <gtest/gtest.h>

TEST(ArrowRecolour, EdgesTakeTheEdgeColoursAndTheArrowTheText) {
  const qv::Palette dark = qv::DarkPalette();
  // The raised edge of the second cell along a horizontal strip.
  EXPECT_EQ(dark.edgeLight,
            qv::RecolourArrowPixel(16, 5, qv::kClassicWhite, dark));
  EXPECT_EQ(dark.edgeFrame,
            qv::RecolourArrowPixel(31, 5, qv::kClassicBlack, dark));
  EXPECT_EQ(dark.edgeShadow,
            qv::RecolourArrowPixel(5, 14, qv::kClassicShadow, dark));
  // Inside: the arrow, a greyed arrow and its emboss, the face.
  EXPECT_EQ(dark.text, qv::RecolourArrowPixel(8, 7, qv::kClassicBlack, dark));
  EXPECT_EQ(dark.disabledText,
            qv::RecolourArrowPixel(72, 7, qv::kClassicShadow, dark));
  EXPECT_EQ(dark.background,
            qv::RecolourArrowPixel(73, 8, qv::kClassicWhite, dark));
  EXPECT_EQ(dark.background,
            qv::RecolourArrowPixel(4, 4, qv::kClassicFace, dark));
  // A vertical strip's cells lie along y.
  EXPECT_EQ(dark.edgeFrame,
            qv::RecolourArrowPixel(7, 47, qv::kClassicBlack, dark));
  EXPECT_EQ(dark.text, qv::RecolourArrowPixel(7, 40, qv::kClassicBlack, dark));
}
