// tests/native/BarGeometryTest.cpp: the band the bar reserves, its shown and
// hidden rectangles, and the slide between them.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "bar/portable/BarGeometry.h"
#include "framework/portable/DpiScale.h"

using qv::BarMetrics;
using qv::BarShape;
using qv::Rect;

namespace {

BarMetrics Screen() {
  BarMetrics m;
  m.screenWidth = 1024;
  m.screenHeight = 768;
  m.edgeX = m.edgeY = 2;
  m.vScrollWidth = m.hScrollHeight = 17;
  return m;
}

BarShape LargeIconCell(bool tabs) {
  BarShape s;
  s.cxButton = 40;  // 32-pixel icon + 8, no names
  s.cyButton = 38;  // 32 + 6
  s.showTabs = tabs;
  return s;
}

}  // namespace

TEST(DockRect, ReservedThicknessForEveryEdgeWithAndWithoutTabs) {
  const BarMetrics m = Screen();
  // (40 + 3) x 1 + 2 x SM_CXEDGE + 6 + 10 + SM_CXVSCROLL
  EXPECT_EQ(qv::WantedDockRect(qv::Edge::Left, LargeIconCell(true), m),
            (Rect{0, 0, 80, 768}));
  EXPECT_EQ(qv::WantedDockRect(qv::Edge::Left, LargeIconCell(false), m),
            (Rect{0, 0, 63, 768}));
  EXPECT_EQ(qv::WantedDockRect(qv::Edge::Right, LargeIconCell(true), m),
            (Rect{1024 - 80, 0, 1024, 768}));
  // (38 + 3) x 1 + 2 x SM_CYEDGE + 6 + 9 + SM_CYHSCROLL
  EXPECT_EQ(qv::WantedDockRect(qv::Edge::Top, LargeIconCell(true), m),
            (Rect{0, 0, 1024, 77}));
  EXPECT_EQ(qv::WantedDockRect(qv::Edge::Bottom, LargeIconCell(false), m),
            (Rect{0, 768 - 60, 1024, 768}));

  BarShape twoRows = LargeIconCell(true);
  twoRows.rows = 2;
  EXPECT_EQ(qv::WantedDockRect(qv::Edge::Top, twoRows, m).Height(), 77 + 41);
}

TEST(DockRect, AutoHideKeepsTwoPixelsOnScreen) {
  const BarMetrics m = Screen();
  BarShape s = LargeIconCell(true);
  s.hiddenMode = true;
  EXPECT_EQ(qv::WantedDockRect(qv::Edge::Left, s, m),
            (Rect{2 - 80, 0, 2, 768}));
  EXPECT_EQ(qv::WantedDockRect(qv::Edge::Bottom, s, m),
            (Rect{0, 766, 1024, 766 + 77}));
  // Before the pane exists an auto-hide band is 3 pixels from -2.
  s.paneExists = false;
  EXPECT_EQ(qv::WantedDockRect(qv::Edge::Top, s, m), (Rect{-2, -1, 1024, 2}));
}

TEST(DockRect, BandMovedByAnotherBarKeepsItsThickness) {
  // Another bar already holds 50 pixels of the left edge: the shell moves
  // the proposed band's left side and the bar puts its width back.
  Rect granted{50, 0, 80, 768};
  EXPECT_EQ(qv::ReapplyThickness(qv::Edge::Left, granted, 80),
            (Rect{50, 0, 130, 768}));
  Rect bottom{0, 600, 1024, 700};
  EXPECT_EQ(qv::ReapplyThickness(qv::Edge::Bottom, bottom, 77),
            (Rect{0, 623, 1024, 700}));
  EXPECT_EQ(
      qv::StretchAlongEdge(qv::Edge::Right, Rect{944, 10, 1024, 20}, Screen()),
      (Rect{944, 0, 1024, 768}));
}

TEST(DockRect, OnAnotherMonitorTheBandAndTheHiddenStripAreOnItsSides) {
  BarMetrics m = Screen();
  m.screenLeft = 1024;
  m.screenTop = -100;
  BarShape s = LargeIconCell(true);
  EXPECT_EQ(qv::WantedDockRect(qv::Edge::Right, s, m),
            (Rect{2048 - 80, -100, 2048, 668}));
  EXPECT_EQ(qv::StretchAlongEdge(qv::Edge::Top, Rect{1100, -100, 1200, -23}, m),
            (Rect{1024, -100, 2048, -23}));
  s.hiddenMode = true;
  EXPECT_EQ(qv::WantedDockRect(qv::Edge::Left, s, m),
            (Rect{1024 + 2 - 80, -100, 1024 + 2, 668}));
  EXPECT_EQ(qv::WantedDockRect(qv::Edge::Bottom, s, m),
            (Rect{1024, 666, 2048, 666 + 77}));
}

TEST(Dpi, IconsAndCellsScaleFromNinetySixRoundingHalvesUp) {
  struct Case {
    int dpi, small, large;
    qv::CellSize smallCell, largeCell;
  };
  const Case cases[] = {{96, 16, 32, {24, 22}, {40, 38}},
                        {120, 20, 40, {30, 28}, {50, 48}},
                        {144, 24, 48, {36, 33}, {60, 57}},
                        {192, 32, 64, {48, 44}, {80, 76}}};
  for (const Case& c : cases) {
    EXPECT_EQ(qv::IconSizeForDpi(true, c.dpi), c.small) << c.dpi;
    EXPECT_EQ(qv::IconSizeForDpi(false, c.dpi), c.large) << c.dpi;
    EXPECT_EQ(qv::ButtonCell(c.small, 0, c.dpi), c.smallCell) << c.dpi;
    EXPECT_EQ(qv::ButtonCell(c.large, 0, c.dpi), c.largeCell) << c.dpi;
  }
  // A name beside the icon widens the cell by its own (already scaled) width.
  EXPECT_EQ(qv::ButtonCell(24, 60, 144), (qv::CellSize{96, 33}));
  // Sizes between DPIs round as MulDiv does, also below zero.
  EXPECT_EQ(qv::ScaleBetween(17, 96, 144), 26);
  EXPECT_EQ(qv::ScaleBetween(-3, 96, 144), -5);
  EXPECT_EQ(qv::ScaleBetween(26, 144, 96), 17);
  EXPECT_EQ(qv::ScaleForDpi(16, 0), 16);
}

TEST(LaidOutRect, ShownAndHiddenPerEdge) {
  const BarMetrics m = Screen();
  const Rect screen{0, 0, 1024, 768};
  const Rect current{5, 0, 70, 768};
  EXPECT_EQ(qv::LaidOutRect(qv::Edge::Left, current, 63, false, screen, m),
            (Rect{0, 0, 63, 768}));
  EXPECT_EQ(qv::LaidOutRect(qv::Edge::Left, current, 63, true, screen, m),
            (Rect{-61, 0, 2, 768}));
  const Rect across{0, 700, 1024, 768};
  EXPECT_EQ(qv::LaidOutRect(qv::Edge::Bottom, across, 60, false, screen, m),
            (Rect{0, 708, 1024, 768}));
  EXPECT_EQ(qv::LaidOutRect(qv::Edge::Bottom, across, 60, true, screen, m),
            (Rect{0, 766, 1024, 826}));
  EXPECT_EQ(qv::LaidOutRect(qv::Edge::Right, current, 63, true, screen, m),
            (Rect{1022, 0, 1085, 768}));
}

TEST(LaidOutRect, ShownBarStaysInTheBandItWasGranted) {
  // Another bar holds the first 50 pixels of the left edge.
  const Rect band{50, 0, 130, 768};
  EXPECT_EQ(qv::LaidOutRect(qv::Edge::Left, band, 80, false, band, Screen()),
            (Rect{50, 0, 130, 768}));
  const Rect bottomBand{0, 600, 1024, 700};
  EXPECT_EQ(qv::LaidOutRect(qv::Edge::Bottom, bottomBand, 60, false, bottomBand,
                            Screen()),
            (Rect{0, 640, 1024, 700}));
}

TEST(Slide, LeftBarSlidesInFiveAtATimeThenLandsExactly) {
  const Rect target{0, 0, 63, 768};
  Rect current{-61, 0, 2, 768};
  std::vector<int> rights;
  while (qv::SlideStep(qv::Edge::Left, 1, target, current))
    rights.push_back(current.right);
  ASSERT_FALSE(rights.empty());
  EXPECT_EQ(rights.front(), 7);
  EXPECT_EQ(rights.back(), 62);
  EXPECT_EQ(rights.size(), 12u);
}

TEST(Slide, EveryEdgeSlidesOutTowardsItsSide) {
  struct Case {
    qv::Edge edge;
    Rect shown, hidden;
  } cases[] = {
      {qv::Edge::Top, {0, 0, 1024, 60}, {0, -58, 1024, 2}},
      {qv::Edge::Right, {961, 0, 1024, 768}, {1022, 0, 1085, 768}},
      {qv::Edge::Bottom, {0, 708, 1024, 768}, {0, 766, 1024, 826}},
  };
  for (const Case& c : cases) {
    Rect current = c.shown;
    int steps = 0;
    while (qv::SlideStep(c.edge, 2, c.hidden, current) && steps < 100) ++steps;
    EXPECT_LT(steps, 100) << "edge " << qv::EdgeNumber(c.edge);
    // The last step reaches or passes the target; the slide ends there.
    EXPECT_LE(std::abs(current.left - c.hidden.left) +
                  std::abs(current.top - c.hidden.top),
              5)
        << "edge " << qv::EdgeNumber(c.edge);
  }
}

TEST(Thickness, CellsRoundTripAndAThicknessRoundsToTheNearestCell) {
  const BarMetrics m = Screen();
  for (qv::Edge edge : {qv::Edge::Left, qv::Edge::Bottom}) {
    for (bool tabs : {true, false}) {
      for (int cells = 1; cells <= 6; ++cells) {
        SCOPED_TRACE(testing::Message()
                     << qv::EdgeNumber(edge) << " " << tabs << " " << cells);
        // 22-pixel cells, 25 pixels apart.
        const int t = qv::BarThickness(edge, 22, cells, tabs, m);
        EXPECT_EQ(qv::CellsForThickness(edge, 22, t, tabs, m), cells);
        EXPECT_EQ(qv::CellsForThickness(edge, 22, t + 12, tabs, m), cells);
        EXPECT_EQ(qv::CellsForThickness(edge, 22, t - 12, tabs, m), cells);
        // A frame grown or shrunk by one cell lands on the next count.
        EXPECT_EQ(qv::CellsForThickness(edge, 22, t + 22, tabs, m), cells + 1);
        EXPECT_EQ(qv::CellsForThickness(edge, 22, t - 22, tabs, m),
                  cells > 1 ? cells - 1 : 1);
      }
    }
  }
  EXPECT_EQ(qv::CellsForThickness(qv::Edge::Top, 22, 0, true, m), 1);
  EXPECT_EQ(qv::CellsForThickness(qv::Edge::Top, -3, 100, true, m), 1);
}

TEST(Shown, StoredCellsAndNameLengthsAreClampedToWhatTheBarCanShow) {
  const BarMetrics m = Screen();
  for (qv::Edge edge : {qv::Edge::Top, qv::Edge::Left}) {
    SCOPED_TRACE(qv::EdgeNumber(edge));
    const int half = (qv::IsVertical(edge) ? 1024 : 768) / 2;
    const int most = qv::ShownCells(edge, 22, 100000, true, m);
    EXPECT_LE(qv::BarThickness(edge, 22, most, true, m), half);
    EXPECT_GT(qv::BarThickness(edge, 22, most + 1, true, m), half);
    EXPECT_EQ(qv::ShownCells(edge, 22, INT32_MAX, true, m), most);
    EXPECT_EQ(qv::ShownCells(edge, 22, 3, true, m), 3);
    for (int stored : {0, -5, INT32_MIN})
      EXPECT_EQ(qv::ShownCells(edge, 22, stored, true, m), 1);
  }
  // One cell too thick for half the screen is still one.
  EXPECT_EQ(qv::ShownCells(qv::Edge::Top, 500, 5, true, m), 1);

  EXPECT_EQ(qv::ShownMaxChars(10, 24, 7, 1024), 10);
  EXPECT_EQ(qv::ShownMaxChars(INT32_MAX, 24, 7, 1024), (1024 - 24) / 7);
  EXPECT_EQ(qv::ShownMaxChars(-3, 24, 7, 1024), 0);
  EXPECT_EQ(qv::ShownMaxChars(5, 2000, 7, 1024), 0);

  // A top bar's button may be as wide as the screen; a left or right bar's
  // leaves a bar of one column within half the screen (the settings fuzz
  // target found a left bar of long names as wide as the whole screen).
  for (bool tabs : {true, false}) {
    EXPECT_EQ(qv::ButtonRoom(qv::Edge::Top, tabs, m), 1024);
    EXPECT_EQ(qv::ButtonRoom(qv::Edge::Bottom, tabs, m), 1024);
    for (qv::Edge edge : {qv::Edge::Left, qv::Edge::Right}) {
      const int room = qv::ButtonRoom(edge, tabs, m);
      EXPECT_EQ(qv::BarThickness(edge, room, 1, tabs, m), 1024 / 2);
      const int chars = qv::ShownMaxChars(INT32_MAX, 24, 7, room);
      EXPECT_LE(qv::BarThickness(edge, 24 + chars * 7, 1, tabs, m), 1024 / 2);
    }
  }
}
