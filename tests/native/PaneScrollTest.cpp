// tests/native/PaneScrollTest.cpp: the pane's scroll range, the saved
// position it restores and its steps of one line.
#include "toolbar/portable/PaneScroll.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

// Lines of 38-pixel cells with 3-pixel gaps; a pane 83 pixels high shows 2.
constexpr int kCell = 38;
constexpr int kPad = 3;
constexpr int kClient = 83;

TEST(PaneScroll, RowsThatFitNeedNoScrollBarAndKeepTheSavedPosition) {
  auto plan = qv::PlanPaneScroll(kClient, kCell, kPad, 2, 9);
  EXPECT_FALSE(plan.overflow);
  EXPECT_EQ(0, plan.rangeMax);
  EXPECT_EQ(9, plan.position);
  EXPECT_FALSE(qv::PlanPaneScroll(kClient, kCell, kPad, 0, 0).overflow);
}

TEST(PaneScroll, SavedPositionPastTheLastLineIsPulledBack) {
  auto past = qv::PlanPaneScroll(kClient, kCell, kPad, 5, 7);
  EXPECT_TRUE(past.overflow);
  EXPECT_EQ(3, past.rangeMax);
  EXPECT_EQ(3, past.position);  // the last two lines fill the pane
  // Up to the last line itself a position is kept, past the range's end.
  EXPECT_EQ(4, qv::PlanPaneScroll(kClient, kCell, kPad, 5, 4).position);
  EXPECT_EQ(2, qv::PlanPaneScroll(kClient, kCell, kPad, 5, 2).position);
  // A damaged negative value starts at the top.
  EXPECT_EQ(0, qv::PlanPaneScroll(kClient, kCell, kPad, 5, -4).position);
}

qv::PaneScrollStep Step(int code, int position, int thumb = 0) {
  return qv::StepPaneScroll(code, thumb, position, 5, 3 - position * 41, kCell,
                            kPad, kClient, 5 * 41);
}

TEST(PaneScroll, LineAndPageStepsMoveOneLineAndStopAtTheEnds) {
  auto down = Step(qv::kScrollPageDown, 1);
  EXPECT_TRUE(down.moved);
  EXPECT_EQ(2, down.position);
  EXPECT_EQ(3 - 2 * 41, down.firstTop);
  EXPECT_EQ(2, Step(qv::kScrollLineDown, 1).position);
  EXPECT_EQ(4, Step(qv::kScrollLineDown, 3).position);  // past the range
  EXPECT_FALSE(Step(qv::kScrollLineDown, 4).moved);     // the last line
  EXPECT_FALSE(Step(qv::kScrollPageDown, 4).moved);
  EXPECT_FALSE(Step(qv::kScrollLineDown, 9).moved);  // a stale position
  // A damaged stored position, kept while the rows fit (found by the
  // settings fuzz target: counting it up overflowed).
  for (int code : {qv::kScrollLineDown, qv::kScrollPageDown})
    EXPECT_FALSE(
        qv::StepPaneScroll(code, 0, INT_MAX, 5, 3, kCell, kPad, kClient, 5 * 41)
            .moved);
  EXPECT_FALSE(qv::StepPaneScroll(qv::kScrollLineUp, 0, INT_MIN, 5, 3, kCell,
                                  kPad, kClient, 5 * 41)
                   .moved);

  auto up = Step(qv::kScrollLineUp, 2);
  EXPECT_EQ(1, up.position);
  EXPECT_EQ(3 - 41, up.firstTop);
  EXPECT_EQ(1, Step(qv::kScrollPageUp, 2).position);
  EXPECT_FALSE(Step(qv::kScrollLineUp, 0).moved);
}

TEST(PaneScroll, ThumbTopAndBottomJumpAndTrackingWaits) {
  auto thumb = Step(qv::kScrollThumbPosition, 0, 3);
  EXPECT_EQ(3, thumb.position);
  EXPECT_EQ(3 - 3 * 41, thumb.firstTop);
  auto top = Step(qv::kScrollTop, 3);
  EXPECT_EQ(0, top.position);
  EXPECT_EQ(3, top.firstTop);
  auto bottom = Step(qv::kScrollBottom, 0);
  EXPECT_EQ(4, bottom.position);
  EXPECT_EQ(kClient - 5 * 41 + 3, bottom.firstTop);
  EXPECT_FALSE(Step(qv::kScrollThumbTrack, 1, 3).moved);
  EXPECT_FALSE(Step(qv::kScrollEnd, 1).moved);
}

}  // namespace
