// tests/unit/TabStripPaintTest.cpp: the strip as it appears on screen in its
// three orientations, checked at the pixels that the shapes fix.
#include <algorithm>

#include "tests/unit/TabStripTestWindows.h"

namespace tabtest {
namespace {

const COLORREF kShadow = ::GetSysColor(COLOR_BTNSHADOW);

// The bounding box of the dark pixels inside `r` shrunk by `margin`: the
// tab's text, away from its edges.
RECT InkBox(const TabStripTest& t, const std::vector<COLORREF>& shot,
            const qv::TabRect& r, int mx, int my) {
  RECT box{r.right, r.bottom, r.left, r.top};
  for (int y = r.top + my; y < r.bottom - my; ++y)
    for (int x = r.left + mx; x < r.right - mx; ++x) {
      const COLORREF c = t.At(shot, x, y);
      if (GetRValue(c) + GetGValue(c) + GetBValue(c) > 3 * 96) continue;
      box.left = std::min<LONG>(box.left, x);
      box.top = std::min<LONG>(box.top, y);
      box.right = std::max<LONG>(box.right, x + 1);
      box.bottom = std::max<LONG>(box.bottom, y + 1);
    }
  return box;
}

TEST_F(TabStripTest, HorizontalSelectedTabIsWhiteOverBothOverlaps) {
  Build(qv::kTabsHorizontal, 300, {60, 70, 80, 90, 100});
  strip.SetCurSel(1);
  const auto shot = Capture();
  EXPECT_EQ(kShadow, At(shot, 30, 0));  // base line under tab 0
  // Tab 1 spans 52..122: its fill hides the base line and tab 0's right
  // slant in the overlap with tab 0, and the base line in that with tab 2.
  EXPECT_EQ(kWhite, At(shot, 55, 0));
  EXPECT_EQ(kWhite, At(shot, 57, 2));
  EXPECT_EQ(kWhite, At(shot, 58, 2));
  EXPECT_EQ(kWhite, At(shot, 118, 0));
  EXPECT_EQ(kBlack, At(shot, 53, 3));  // its own left edge runs full height
  EXPECT_EQ(kBackground, At(shot, 130, 5));  // unselected tabs are not filled
  // The base line stops before the groove at 264; the arrows follow it.
  EXPECT_EQ(kShadow, At(shot, 263, 0));
  EXPECT_EQ(kBlack, At(shot, 264, 0));
  EXPECT_EQ(ArrowFrame(2), ArrowArea());  // nothing to scroll back to

  const RECT ink = InkBox(*this, shot, strip.GetTab(2)->m_rect, 10, 1);
  EXPECT_NEAR(154, (ink.left + ink.right) / 2, 3);  // centred on 114..194
  EXPECT_GT(ink.right - ink.left, ink.bottom - ink.top);
}

TEST_F(TabStripTest, RightEdgeSelectedTabIsWhiteOverBothOverlaps) {
  Build(qv::kTabsRightEdge, 300, {60, 70, 80, 90, 100});
  strip.SetCurSel(1);
  const auto shot = Capture();
  EXPECT_EQ(kShadow, At(shot, 15, 30));  // base line along the right side
  EXPECT_EQ(kWhite, At(shot, 15, 55));
  EXPECT_EQ(kWhite, At(shot, 12, 57));  // tab 0's lower slant, covered
  EXPECT_EQ(kWhite, At(shot, 12, 58));
  EXPECT_EQ(kWhite, At(shot, 15, 118));
  EXPECT_EQ(kShadow, At(shot, 15, 263));
  EXPECT_EQ(kBlack, At(shot, 15, 264));
  EXPECT_EQ(ArrowFrame(2), ArrowArea());

  // The text reads downwards, centred on the tab.
  const RECT ink = InkBox(*this, shot, strip.GetTab(2)->m_rect, 1, 10);
  EXPECT_NEAR(154, (ink.top + ink.bottom) / 2, 3);
  EXPECT_GT(ink.bottom - ink.top, ink.right - ink.left);
}

TEST_F(TabStripTest, LeftEdgeRunStartsAboveTheArrowsWithTheSelectedTabOnTop) {
  Build(qv::kTabsLeftEdge, 300, {60, 70, 80, 90, 100});
  strip.SetCurSel(1);
  const auto shot = Capture();
  // Tab 0 spans 204..264, tab 1 142..212.
  EXPECT_EQ(kShadow, At(shot, 1, 230));
  EXPECT_EQ(kWhite, At(shot, 1, 208));
  EXPECT_EQ(kWhite, At(shot, 4, 206));  // tab 0's upper slant, covered
  EXPECT_EQ(kWhite, At(shot, 1, 145));
  EXPECT_EQ(kShadow, At(shot, 1, 263));
  EXPECT_EQ(kBlack, At(shot, 1, 264));
  EXPECT_EQ(ArrowFrame(2), ArrowArea());

  const RECT ink = InkBox(*this, shot, strip.GetTab(2)->m_rect, 2, 10);
  EXPECT_NEAR(110, (ink.top + ink.bottom) / 2, 3);  // centred on 70..150
  EXPECT_GT(ink.bottom - ink.top, ink.right - ink.left);
}

TEST_F(TabStripTest, FittingTabsDrawNoArrowsAndTheBaseLineEndsAtTheLastTab) {
  Build(qv::kTabsHorizontal, 300, {60, 70});
  const auto shot = Capture();
  EXPECT_EQ(kShadow, At(shot, 121, 0));
  EXPECT_EQ(kBackground, At(shot, 122, 0));
  EXPECT_EQ(kBackground, At(shot, 290, 8));
}

TEST_F(TabStripTest, NoTabsDrawOnlyTheParentsBackground) {
  Build(qv::kTabsHorizontal, 300, {});
  for (COLORREF c : Capture()) ASSERT_EQ(kBackground, c);
}

TEST_F(TabStripTest, NewTabsAreMeasuredOnceInTheirOrientationsFont) {
  Build(qv::kTabsLeftEdge, 300, {});
  ASSERT_TRUE(strip.m_hFontUp && strip.m_hFontDown && strip.m_hFontHorz);
  strip.AddTab("Documents");
  const CTabItem& tab = *strip.GetTab(0);
  EXPECT_GT(tab.m_nHeight, 2 * qv::kTabSlant + 20);
  EXPECT_EQ(-1, tab.m_nWidth);  // only the vertical length is needed
}

TEST_F(TabStripTest, HeldArrowShowsPressedOnlyWhileThePointerIsOnIt) {
  Build(qv::kTabsHorizontal, 300, {60, 70, 80, 90, 100, 110});
  Send(WM_LBUTTONDOWN, 290, 8, MK_LBUTTON);
  EXPECT_EQ(ArrowFrame(3), ArrowArea());
  Send(WM_MOUSEMOVE, 100, 8, MK_LBUTTON);
  EXPECT_EQ(ArrowFrame(0), ArrowArea());
  Send(WM_MOUSEMOVE, 290, 8, MK_LBUTTON);
  EXPECT_EQ(ArrowFrame(3), ArrowArea());
  Send(WM_LBUTTONUP, 290, 8);
  EXPECT_EQ(ArrowFrame(0), ArrowArea());
  // The cut tab loses its right slant; its bottom edge runs to the cut.
  const auto shot = Capture();
  ASSERT_EQ(2, strip.m_nFirstTab);
  ASSERT_EQ(264, strip.GetTab(5)->m_rect.right);
  EXPECT_EQ(kBlack, At(shot, 263, 15));
  EXPECT_EQ(kBackground, At(shot, 262, 3));
  // Tab 2 now begins the run, so it gets a full left edge.
  EXPECT_EQ(kBlack, At(shot, 0, 1));
}

}  // namespace
}  // namespace tabtest
