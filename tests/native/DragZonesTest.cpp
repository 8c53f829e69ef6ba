// tests/native/DragZonesTest.cpp: the hit-test rules of the bar, the edge a
// drag drops it on, the inverted frame's strips and the one-cell resize
// steps.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "bar/portable/DragZones.h"

using qv::DragScreen;
using qv::Rect;

namespace {

// 1024 x 768 with one row or column of 24 x 22 cells: a left or right bar
// is 32 pixels thick, a top or bottom bar 30.
DragScreen Screen() {
  DragScreen s;
  s.screenWidth = 1024;
  s.screenHeight = 768;
  s.barWidth = (24 + 3) * 1 + 5;
  s.barHeight = (22 + 3) * 1 + 5;
  return s;
}

constexpr int kSides[] = {qv::kHitLeft, qv::kHitTop, qv::kHitRight,
                          qv::kHitBottom};

}  // namespace

TEST(BarHitTest, CornersCountAsTheSideAcrossTheBarAndTheAreaAsCaption) {
  for (qv::Edge edge : {qv::Edge::Left, qv::Edge::Right}) {
    EXPECT_EQ(qv::BarHitTest(edge, qv::kHitTopLeft), qv::kHitLeft);
    EXPECT_EQ(qv::BarHitTest(edge, qv::kHitBottomLeft), qv::kHitLeft);
    EXPECT_EQ(qv::BarHitTest(edge, qv::kHitTopRight), qv::kHitRight);
    EXPECT_EQ(qv::BarHitTest(edge, qv::kHitBottomRight), qv::kHitRight);
  }
  for (qv::Edge edge : {qv::Edge::Top, qv::Edge::Bottom}) {
    EXPECT_EQ(qv::BarHitTest(edge, qv::kHitTopLeft), qv::kHitTop);
    EXPECT_EQ(qv::BarHitTest(edge, qv::kHitTopRight), qv::kHitTop);
    EXPECT_EQ(qv::BarHitTest(edge, qv::kHitBottomLeft), qv::kHitBottom);
    EXPECT_EQ(qv::BarHitTest(edge, qv::kHitBottomRight), qv::kHitBottom);
  }
  for (qv::Edge edge :
       {qv::Edge::Left, qv::Edge::Top, qv::Edge::Right, qv::Edge::Bottom}) {
    EXPECT_EQ(qv::BarHitTest(edge, qv::kHitClient), qv::kHitCaption);
    for (int other :
         {0, 18, qv::kHitLeft, qv::kHitTop, qv::kHitRight, qv::kHitBottom, -1})
      EXPECT_EQ(qv::BarHitTest(edge, other), other)
          << qv::EdgeNumber(edge) << " " << other;
  }
}

TEST(BarHitTest, OnlyTheInnerBorderSizesTheBar) {
  const int inner[] = {qv::kHitRight, qv::kHitBottom, qv::kHitLeft,
                       qv::kHitTop};  // by edge: left, top, right, bottom
  for (std::uint32_t n = 0; n < 4; ++n) {
    const qv::Edge edge = qv::EdgeFromNumber(n);
    for (int side : kSides)
      EXPECT_EQ(qv::IsOuterBorderHit(edge, side), side != inner[n])
          << "edge " << n << " side " << side;
    EXPECT_FALSE(qv::IsOuterBorderHit(edge, qv::kHitCaption));
  }
}

TEST(EdgeUnderPoint, StripsAlongTheSidesWithTopAndBottomOverTheCorners) {
  const DragScreen s = Screen();
  // The top strip takes every x, the corners included.
  for (int x : {0, 5, 40, 512, 1000, 1023}) {
    EXPECT_EQ(qv::EdgeUnderPoint(x, 0, s), qv::Edge::Top) << x;
    EXPECT_EQ(qv::EdgeUnderPoint(x, 29, s), qv::Edge::Top) << x;
    EXPECT_EQ(qv::EdgeUnderPoint(x, 767, s), qv::Edge::Bottom) << x;
    EXPECT_EQ(qv::EdgeUnderPoint(x, 738, s), qv::Edge::Bottom) << x;
  }
  EXPECT_EQ(qv::EdgeUnderPoint(5, 30, s), qv::Edge::Left);
  EXPECT_EQ(qv::EdgeUnderPoint(63, 400, s), qv::Edge::Left);
  EXPECT_EQ(qv::EdgeUnderPoint(5, 737, s), qv::Edge::Left);
  EXPECT_EQ(qv::EdgeUnderPoint(960, 30, s), qv::Edge::Right);
  EXPECT_EQ(qv::EdgeUnderPoint(1023, 400, s), qv::Edge::Right);
  // The wide areas between the strips and the centre.
  EXPECT_EQ(qv::EdgeUnderPoint(64, 100, s), qv::Edge::Top);
  EXPECT_EQ(qv::EdgeUnderPoint(959, 351, s), qv::Edge::Top);
  EXPECT_EQ(qv::EdgeUnderPoint(64, 416, s), qv::Edge::Bottom);
  EXPECT_EQ(qv::EdgeUnderPoint(959, 737, s), qv::Edge::Bottom);
  // Off the screen nothing matches: left.
  EXPECT_EQ(qv::EdgeUnderPoint(-10, -10, s), qv::Edge::Left);
  EXPECT_EQ(qv::EdgeUnderPoint(2000, 400, s), qv::Edge::Left);
}

TEST(EdgeUnderPoint, NearTheCentreTheSmallRectanglesDecide) {
  const DragScreen s = Screen();
  // Centre (512, 384); the central column is 30 wide: x 497..526; the
  // central band runs from 384 - 32 to 384 + 32.
  EXPECT_EQ(qv::EdgeUnderPoint(512, 352, s), qv::Edge::Top);
  EXPECT_EQ(qv::EdgeUnderPoint(497, 383, s), qv::Edge::Top);
  EXPECT_EQ(qv::EdgeUnderPoint(526, 384, s), qv::Edge::Bottom);
  EXPECT_EQ(qv::EdgeUnderPoint(512, 415, s), qv::Edge::Bottom);
  EXPECT_EQ(qv::EdgeUnderPoint(496, 383, s), qv::Edge::Left);
  EXPECT_EQ(qv::EdgeUnderPoint(496, 384, s), qv::Edge::Left);
  EXPECT_EQ(qv::EdgeUnderPoint(64, 352, s), qv::Edge::Left);
  EXPECT_EQ(qv::EdgeUnderPoint(527, 383, s), qv::Edge::Right);
  EXPECT_EQ(qv::EdgeUnderPoint(959, 415, s), qv::Edge::Right);
  // Below the band the left and right rectangles reach further down, but
  // the bottom area, tested after them, wins there.
  EXPECT_EQ(qv::EdgeUnderPoint(300, 416, s), qv::Edge::Bottom);
  EXPECT_EQ(qv::EdgeUnderPoint(700, 416, s), qv::Edge::Bottom);
}

TEST(EdgeFrame, SpansTheSideWithTheBarsThickness) {
  const DragScreen s = Screen();
  EXPECT_EQ(qv::EdgeFrame(qv::Edge::Left, s), (Rect{0, 0, 32, 768}));
  EXPECT_EQ(qv::EdgeFrame(qv::Edge::Top, s), (Rect{0, 0, 1024, 30}));
  EXPECT_EQ(qv::EdgeFrame(qv::Edge::Right, s), (Rect{992, 0, 1024, 768}));
  EXPECT_EQ(qv::EdgeFrame(qv::Edge::Bottom, s), (Rect{0, 738, 1024, 768}));
}

TEST(EdgeFrame, OnAMonitorRightOfThePrimaryZonesAndFramesAreItsOwn) {
  DragScreen second = Screen();
  second.screenLeft = 1024;
  second.screenTop = -100;
  EXPECT_EQ(qv::EdgeUnderPoint(1024 + 512, -100 + 5, second), qv::Edge::Top);
  EXPECT_EQ(qv::EdgeUnderPoint(1024 + 1020, -100 + 400, second),
            qv::Edge::Right);
  EXPECT_EQ(qv::EdgeUnderPoint(1024 + 5, -100 + 400, second), qv::Edge::Left);
  EXPECT_EQ(qv::EdgeFrame(qv::Edge::Right, second),
            (Rect{2048 - 32, -100, 2048, 668}));
  EXPECT_EQ(qv::EdgeFrame(qv::Edge::Bottom, second),
            (Rect{1024, 668 - 30, 2048, 668}));
}

TEST(DragFrameStrips, CoverTheBorderOnceAndLeaveTheInsideAlone) {
  const Rect frame{10, 20, 110, 70};
  const int cx = 4, cy = 3;
  std::vector<int> hits(200 * 100, 0);
  for (const qv::FrameStrip& s : qv::DragFrameStrips(frame, cx, cy)) {
    ASSERT_GE(s.width, 0);
    ASSERT_GE(s.height, 0);
    for (int y = s.y; y < s.y + s.height; ++y)
      for (int x = s.x; x < s.x + s.width; ++x) ++hits[y * 200 + x];
  }
  for (int y = 0; y < 100; ++y) {
    for (int x = 0; x < 200; ++x) {
      const bool inFrame = x >= frame.left && x < frame.right &&
                           y >= frame.top && y < frame.bottom;
      const bool border =
          inFrame && (x < frame.left + cx || x >= frame.right - cx ||
                      y < frame.top + cy || y >= frame.bottom - cy);
      ASSERT_EQ(hits[y * 200 + x], border ? 1 : 0) << x << "," << y;
    }
  }
}

TEST(ResizeFrame, LeftBarStaysBetweenOneCellAndHalfTheScreenInCellSteps) {
  const int cx = 24, cy = 22, sx = 1024, sy = 768;
  const int pitch = qv::CellPitch(cx);
  Rect frame{0, 0, 80, sy};
  Rect next = frame;
  int steps = 0;
  while (qv::GrowFrame(qv::kHitRight, frame, cx, cy, sx, sy, next)) {
    EXPECT_EQ(next.Width() - frame.Width(), pitch);
    EXPECT_EQ(next.left, 0);
    frame = next;
    ASSERT_LT(++steps, 100);
  }
  EXPECT_LE(frame.Width(), sx / 2);
  EXPECT_GT(frame.Width() + pitch, sx / 2);
  EXPECT_EQ(next, frame);  // a refused step leaves the result alone

  while (qv::ShrinkFrame(qv::kHitRight, frame, cx, cy, next)) {
    EXPECT_EQ(frame.Width() - next.Width(), pitch);
    frame = next;
  }
  EXPECT_GE(frame.Width(), cx);
  EXPECT_LT(frame.Width() - pitch, cx);
  EXPECT_EQ(frame.left, 0);
  EXPECT_EQ(frame.Height(), sy);
}

TEST(ResizeFrame, EachSideMovesAwayFromItsAnchor) {
  const int cx = 24, cy = 22, sx = 1024, sy = 768;
  Rect out;
  // A right bar sized by its left side keeps its right side on the screen
  // edge.
  ASSERT_TRUE(qv::GrowFrame(qv::kHitLeft, Rect{944, 0, 1024, 768}, cx, cy, sx,
                            sy, out));
  EXPECT_EQ(out, (Rect{917, 0, 1024, 768}));
  ASSERT_TRUE(
      qv::ShrinkFrame(qv::kHitLeft, Rect{944, 0, 1024, 768}, cx, cy, out));
  EXPECT_EQ(out, (Rect{971, 0, 1024, 768}));
  // Top and bottom bars move in rows and stop at half the screen's height.
  ASSERT_TRUE(
      qv::GrowFrame(qv::kHitBottom, Rect{0, 0, 1024, 60}, cx, cy, sx, sy, out));
  EXPECT_EQ(out, (Rect{0, 0, 1024, 85}));
  ASSERT_TRUE(
      qv::GrowFrame(qv::kHitTop, Rect{0, 708, 1024, 768}, cx, cy, sx, sy, out));
  EXPECT_EQ(out, (Rect{0, 683, 1024, 768}));
  EXPECT_FALSE(qv::GrowFrame(qv::kHitBottom, Rect{0, 0, 1024, 370}, cx, cy, sx,
                             sy, out));
  EXPECT_FALSE(
      qv::ShrinkFrame(qv::kHitTop, Rect{0, 740, 1024, 768}, cx, cy, out));
  // Only the four sides are dragged.
  EXPECT_FALSE(qv::GrowFrame(qv::kHitCaption, Rect{0, 0, 100, 100}, cx, cy, sx,
                             sy, out));
  EXPECT_FALSE(
      qv::ShrinkFrame(qv::kHitTopLeft, Rect{0, 0, 100, 100}, cx, cy, out));
}

TEST(ResizeFrame, EachStepMakesTheBarOneCellThickerOrThinner) {
  qv::BarMetrics m;
  m.screenWidth = 1024;
  m.screenHeight = 768;
  const int cx = 24, cy = 22;
  for (bool tabs : {true, false}) {
    // A top bar sized by its bottom side and a left bar by its right side,
    // each from one cell to half the screen and back.
    for (qv::Edge edge : {qv::Edge::Top, qv::Edge::Left}) {
      SCOPED_TRACE(testing::Message() << qv::EdgeNumber(edge) << " " << tabs);
      const bool vertical = qv::IsVertical(edge);
      const int cell = vertical ? cx : cy;
      const int hit = vertical ? qv::kHitRight : qv::kHitBottom;
      const int one = qv::BarThickness(edge, cell, 1, tabs, m);
      auto cells = [&](const Rect& r) {
        return qv::CellsForThickness(
            edge, cell, vertical ? r.Width() : r.Height(), tabs, m);
      };
      Rect frame = vertical ? Rect{0, 0, one, 768} : Rect{0, 0, 1024, one};
      Rect next;
      int steps = 0;
      while (qv::GrowFrame(hit, frame, cx, cy, 1024, 768, next)) {
        frame = next;
        EXPECT_EQ(cells(frame), 1 + ++steps);
      }
      ASSERT_GT(steps, 5);
      while (steps > 0 && qv::ShrinkFrame(hit, frame, cx, cy, next)) {
        frame = next;
        EXPECT_EQ(cells(frame), 1 + --steps);
      }
      EXPECT_EQ(steps, 0);
    }
  }
}
