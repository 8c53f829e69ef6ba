// tests/native/TabStripModelTest.cpp: the tab run's layout in the three
// orientations, selection with the parent's say, removal, scrolling and the
// scroll position after a resize.
#include "tabs/portable/TabStripModel.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace qv {
// Found by argument-dependent lookup from the assertions.
bool operator==(const qv::TabRect& a, const qv::TabRect& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right &&
         a.bottom == b.bottom;
}
std::ostream& operator<<(std::ostream& os, const qv::TabRect& r) {
  return os << "(" << r.left << "," << r.top << "," << r.right << ","
            << r.bottom << ")";
}

}  // namespace qv

namespace {

using qv::TabRect;

// Each tab's text is its full length, so the layout is known exactly.
class FakeStrip : public qv::TabStripModel {
 public:
  qv::TabSize size{300, 16};
  std::vector<int> notified;
  std::intptr_t changingReply = 0;
  std::function<void(int)> onNotify;
  int measured = 0;
  int invalidated = 0;

  void AddTabs(std::initializer_list<int> lengths) {
    for (int len : lengths) AddTab(std::to_string(len).c_str());
  }
  void Resize(int cx, int cy) {
    size = {cx, cy};
    m_rectArrows = qv::ArrowsRect(m_nOrientation, cx, cy);
    ResetScroll();
  }
  TabRect Rect(int i) const { return GetTab(i)->m_rect; }

 protected:
  bool HasWindow() const override { return true; }
  qv::TabSize ClientSize() const override { return size; }
  int MeasureText(const std::string& text) override {
    ++measured;
    return std::stoi(text) - 2 * qv::kTabSlant;
  }
  void Invalidate(const TabRect*, bool) override { ++invalidated; }
  std::intptr_t Notify(int code) override {
    notified.push_back(code);
    if (onNotify) onNotify(code);
    return code == qv::kTabSelChanging ? changingReply : 0;
  }
};

TEST(TabLayout, HorizontalRunOverlapsAndIsCutBeforeTheArrows) {
  FakeStrip strip;
  strip.Resize(300, 16);
  strip.AddTabs({60, 70, 80, 90, 100});
  EXPECT_EQ(TabRect({0, 0, 60, 16}), strip.Rect(0));
  EXPECT_EQ(TabRect({52, 0, 122, 16}), strip.Rect(1));
  EXPECT_EQ(TabRect({114, 0, 194, 16}), strip.Rect(2));
  // 268 + 16 passes the limit 264: tab 4 is hidden and tab 3 cut there.
  EXPECT_EQ(TabRect({186, 0, 264, 16}), strip.Rect(3));
  EXPECT_EQ(TabRect({0, 0, 0, 0}), strip.Rect(4));
  EXPECT_TRUE(strip.ArrowsNeeded());
  EXPECT_TRUE(strip.IsTabVisible(3, 0));
  EXPECT_FALSE(strip.IsTabVisible(3, 1));
  EXPECT_FALSE(strip.IsTabVisible(4, 0));
  EXPECT_FALSE(strip.IsTabVisible(5, 0));
  // Each tab is measured once, however often it is laid out.
  EXPECT_EQ(5, strip.measured);
  strip.Resize(400, 16);
  EXPECT_EQ(5, strip.measured);
  EXPECT_EQ(TabRect({268, 0, 368, 16}), strip.Rect(4));
  EXPECT_FALSE(strip.ArrowsNeeded());
}

TEST(TabLayout, RightEdgeRunsDownAndLeftEdgeRunsUpAboveTheArrows) {
  FakeStrip right;
  right.m_nOrientation = qv::kTabsRightEdge;
  right.Resize(16, 300);
  right.AddTabs({60, 70, 80, 90, 100});
  EXPECT_EQ(TabRect({0, 52, 16, 122}), right.Rect(1));
  EXPECT_EQ(TabRect({0, 186, 16, 264}), right.Rect(3));
  EXPECT_EQ(TabRect({0, 0, 0, 0}), right.Rect(4));
  EXPECT_TRUE(right.ArrowsNeeded());

  FakeStrip left;
  left.m_nOrientation = qv::kTabsLeftEdge;
  left.Resize(16, 300);
  left.AddTabs({60, 70});
  EXPECT_EQ(TabRect({0, 240, 16, 300}), left.Rect(0));  // fits: from the bottom
  EXPECT_FALSE(left.ArrowsNeeded());
  EXPECT_EQ(300, left.RunStart());
  left.AddTabs({80, 90, 100});
  // Overflowing: the run starts 36 pixels up, clear of the arrows.
  EXPECT_EQ(TabRect({0, 204, 16, 264}), left.Rect(0));
  EXPECT_EQ(TabRect({0, 142, 16, 212}), left.Rect(1));
  EXPECT_EQ(264, left.RunStart());
  // The last tab that reaches the top is cut at 0; the rest are hidden.
  EXPECT_EQ(0, left.Rect(3).top);
  EXPECT_EQ(TabRect({0, 0, 0, 0}), left.Rect(4));
  EXPECT_TRUE(left.ArrowsNeeded());
}

TEST(TabLayout, NoTabsNeedNoArrowsAndIgnoreEveryIndex) {
  FakeStrip strip;
  strip.Resize(300, 16);
  EXPECT_FALSE(strip.ArrowsNeeded());
  EXPECT_EQ(qv::kHitNothing, strip.HitTest({290, 8}));
  EXPECT_EQ(0, strip.SelectTab(0));
  EXPECT_EQ(0, strip.SetCurSel(-1));
  EXPECT_EQ(nullptr, strip.GetTab(0));
  strip.RemoveTab(0);
  strip.EnsureVisible(0);
  EXPECT_EQ(0, strip.Scroll(qv::kHitRightArrow));
  EXPECT_EQ(0, strip.Scroll(qv::kHitLeftArrow));
  EXPECT_EQ(0, strip.m_nFirstTab);
  EXPECT_TRUE(strip.notified.empty());
}

TEST(TabSelection, ParentCanRefuseAndIsToldOnlyOfRealChanges) {
  FakeStrip strip;
  strip.Resize(300, 16);
  strip.AddTabs({60, 70, 80});
  int selDuringChanged = -1;
  strip.onNotify = [&](int code) {
    if (code == qv::kTabSelChanged) selDuringChanged = strip.m_nCurSel;
  };

  strip.changingReply = 1;
  EXPECT_EQ(0, strip.SelectTab(2));
  EXPECT_EQ(0, strip.m_nCurSel);
  EXPECT_EQ(std::vector<int>{qv::kTabSelChanging}, strip.notified);

  strip.changingReply = 0;
  strip.notified.clear();
  EXPECT_EQ(1, strip.SelectTab(2));
  EXPECT_EQ((std::vector<int>{qv::kTabSelChanging, qv::kTabSelChanged}),
            strip.notified);
  EXPECT_EQ(2, selDuringChanged);  // the parent reads the new selection

  strip.notified.clear();
  EXPECT_EQ(1, strip.SelectTab(2));  // already selected
  EXPECT_EQ(1, strip.SetCurSel(1));
  EXPECT_EQ(0, strip.SelectTab(3));
  EXPECT_TRUE(strip.notified.empty());
  EXPECT_EQ(1, strip.m_nCurSel);
}

TEST(TabSelection, ParentRebuildingTheTabsWhileNotifiedIsSafe) {
  FakeStrip strip;
  strip.Resize(300, 16);
  strip.AddTabs({60, 70, 80, 90, 100});
  // As the main window does on a change: every tab removed, fewer re-added.
  strip.onNotify = [&](int) {
    while (strip.GetTabCount() > 0) strip.RemoveTab(strip.GetTabCount() - 1);
    strip.AddTabs({60, 70});
  };
  EXPECT_EQ(0, strip.SelectTab(4));
  EXPECT_EQ(0, strip.m_nCurSel);
  strip.AddTabs({80, 90, 100});
  strip.onNotify = [&](int code) {
    if (code != qv::kTabSelChanged) return;
    while (strip.GetTabCount() > 0) strip.RemoveTab(strip.GetTabCount() - 1);
    strip.AddTabs({60});
  };
  EXPECT_EQ(1, strip.SelectTab(4));
  EXPECT_EQ(1, strip.GetTabCount());
}

TEST(TabSelection, RemovingTabsKeepsTheSelectedTab) {
  FakeStrip strip;
  strip.Resize(300, 16);
  strip.AddTabs({60, 70, 80, 90});
  strip.SetCurSel(2);
  strip.RemoveTab(0);
  EXPECT_EQ(1, strip.m_nCurSel);
  EXPECT_EQ("80", strip.GetTab(strip.m_nCurSel)->m_strText);
  strip.RemoveTab(2);  // above the selection
  EXPECT_EQ(1, strip.m_nCurSel);
  strip.RemoveTab(7);  // not a tab: nothing happens
  EXPECT_EQ(2, strip.GetTabCount());
  strip.RemoveTab(1);  // the selected last tab
  EXPECT_EQ(0, strip.m_nCurSel);
  strip.RemoveTab(0);
  EXPECT_EQ(0, strip.m_nCurSel);
  EXPECT_EQ(0, strip.GetTabCount());
}

TEST(TabScrolling, ResizeScrollsBackThenJustFarEnoughForTheSelection) {
  FakeStrip strip;
  strip.Resize(300, 16);
  strip.AddTabs({60, 70, 80, 90, 100});
  strip.SetCurSel(4);
  EXPECT_EQ(2, strip.m_nFirstTab);
  EXPECT_TRUE(strip.IsTabVisible(4, 1));
  EXPECT_FALSE(strip.IsTabVisible(1, 0));

  strip.Resize(200, 16);
  EXPECT_EQ(4, strip.m_nFirstTab);
  strip.Resize(300, 16);
  EXPECT_EQ(2, strip.m_nFirstTab);
  strip.Resize(400, 16);
  EXPECT_EQ(0, strip.m_nFirstTab);
  EXPECT_FALSE(strip.ArrowsNeeded());
}

TEST(TabScrolling, ArrowsMoveTheRunOneTabWithinItsEnds) {
  FakeStrip strip;
  strip.Resize(300, 16);
  strip.AddTabs({60, 70, 80, 90, 100});
  EXPECT_EQ(qv::kHitLeftArrow, strip.HitTest({270, 8}));
  EXPECT_EQ(qv::kHitRightArrow, strip.HitTest({284, 8}));
  EXPECT_EQ(0, strip.HitTest({55, 8}));  // where two tabs overlap
  EXPECT_EQ(qv::kHitNothing, strip.HitTest({266, 8}));  // the groove

  EXPECT_FALSE(strip.CanScroll(qv::kHitLeftArrow));
  EXPECT_EQ(1, strip.Scroll(qv::kHitRightArrow));
  EXPECT_EQ(1, strip.Scroll(qv::kHitRightArrow));
  EXPECT_EQ(2, strip.m_nFirstTab);
  EXPECT_TRUE(strip.IsTabVisible(4, 1));
  EXPECT_EQ(0, strip.Scroll(qv::kHitRightArrow));
  EXPECT_EQ(0, strip.Scroll(qv::kHitUpArrow));  // not an arrow here
  EXPECT_EQ(1, strip.Scroll(qv::kHitLeftArrow));
  EXPECT_EQ(1, strip.m_nFirstTab);

  // On the left edge the up arrow goes forward, on the right edge back.
  FakeStrip left;
  left.m_nOrientation = qv::kTabsLeftEdge;
  left.Resize(16, 300);
  left.AddTabs({60, 70, 80, 90, 100});
  EXPECT_EQ(qv::kHitUpArrow, left.HitTest({8, 270}));
  EXPECT_EQ(qv::kHitDownArrow, left.HitTest({8, 290}));
  EXPECT_EQ(0, left.Scroll(qv::kHitDownArrow));
  EXPECT_EQ(1, left.Scroll(qv::kHitUpArrow));
  EXPECT_EQ(1, left.m_nFirstTab);
  EXPECT_EQ(qv::kTabsLeftEdge, left.m_nOrientation);
  EXPECT_EQ(1, qv::ScrollDirection(qv::kTabsRightEdge, qv::kHitDownArrow));
  EXPECT_EQ(-1, qv::ScrollDirection(qv::kTabsRightEdge, qv::kHitUpArrow));
}

TEST(TabScrolling, ATabLongerThanTheStripDoesNotRunThePositionPastTheEnd) {
  FakeStrip strip;
  strip.Resize(300, 16);
  strip.AddTabs({400});
  EXPECT_TRUE(strip.ArrowsNeeded());
  EXPECT_FALSE(strip.CanScroll(qv::kHitRightArrow));
  EXPECT_EQ(0, strip.Scroll(qv::kHitRightArrow));
  EXPECT_EQ(0, strip.m_nFirstTab);
  strip.AddTabs({60});  // still laid out from a real tab
  EXPECT_TRUE(strip.IsTabVisible(0, 0));
}

TEST(TabGeometry, ClippedTabsCentreTheirTextOnTheWholeTab) {
  const TabRect cut{186, 0, 264, 16};
  ASSERT_TRUE(qv::IsTabClipped(qv::kTabsHorizontal, cut, 100));
  EXPECT_EQ(186 + 50 - 20,
            qv::TabTextOrigin(qv::kTabsHorizontal, cut, 100, 40, 12).x);
  const TabRect whole{0, 100, 16, 190};
  EXPECT_FALSE(qv::IsTabClipped(qv::kTabsLeftEdge, whole, 90));
  const qv::TabPoint up =
      qv::TabTextOrigin(qv::kTabsLeftEdge, whole, 90, 40, 12);
  EXPECT_EQ(2, up.x);
  EXPECT_EQ(190 - 45 + 20, up.y);  // runs upwards from here
  const qv::TabPoint down =
      qv::TabTextOrigin(qv::kTabsRightEdge, whole, 90, 40, 12);
  EXPECT_EQ(14, down.x);
  EXPECT_EQ(100 + 45 - 20, down.y);
}

TEST(TabGeometry, HeldArrowShowsPressedOnlyWhileThePointerIsOnIt) {
  using qv::ArrowFrame;
  EXPECT_EQ(
      2, ArrowFrame(qv::kTabsHorizontal, true, false, qv::kNoArrowHeld, false));
  EXPECT_EQ(3, ArrowFrame(qv::kTabsHorizontal, true, false, qv::kHitRightArrow,
                          false));
  EXPECT_EQ(2, ArrowFrame(qv::kTabsHorizontal, true, false, qv::kHitRightArrow,
                          true));
  EXPECT_EQ(
      4, ArrowFrame(qv::kTabsLeftEdge, false, true, qv::kNoArrowHeld, false));
  EXPECT_EQ(1,
            ArrowFrame(qv::kTabsLeftEdge, false, true, qv::kHitUpArrow, false));
  EXPECT_EQ(0, ArrowFrame(qv::kTabsRightEdge, false, false, qv::kHitLeftArrow,
                          false));
}

}  // namespace
