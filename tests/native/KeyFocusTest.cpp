// tests/native/KeyFocusTest.cpp: arrow keys over buttons laid out in lines:
// within a line, across lines to the nearest button, stopping at the ends.
#include "toolbar/portable/KeyFocus.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using qv::FocusMove;

// Cells 10 x 10: three on the first line, a gap, then two on the second,
// the second line starting one cell further in.
const std::vector<qv::CellBox> kCells = {
    {0, 0, 10, 10},   {10, 0, 20, 10},  {30, 0, 40, 10},
    {12, 12, 22, 22}, {22, 12, 32, 22},
};

int Move(int from, FocusMove move) {
  return qv::MoveFocus(kCells.data(), kCells.size(), from, move);
}

TEST(KeyFocus, LeftAndRightStayOnTheLineAndStopAtItsEnds) {
  EXPECT_EQ(1, Move(0, FocusMove::kRight));
  EXPECT_EQ(2, Move(1, FocusMove::kRight));  // over the gap
  EXPECT_EQ(2, Move(2, FocusMove::kRight));  // no wrap to the next line
  EXPECT_EQ(0, Move(0, FocusMove::kLeft));
  EXPECT_EQ(3, Move(4, FocusMove::kLeft));
  EXPECT_EQ(3, Move(3, FocusMove::kLeft));
}

TEST(KeyFocus, UpAndDownGoToTheNearestButtonOfTheNextLine) {
  EXPECT_EQ(3, Move(1, FocusMove::kDown));
  EXPECT_EQ(3, Move(0, FocusMove::kDown));
  EXPECT_EQ(4, Move(2, FocusMove::kDown));
  EXPECT_EQ(1, Move(3, FocusMove::kUp));
  EXPECT_EQ(2, Move(2, FocusMove::kUp));    // the first line
  EXPECT_EQ(4, Move(4, FocusMove::kDown));  // the last line
}

TEST(KeyFocus, NoFocusYetTakesTheFirstButton) {
  EXPECT_EQ(0, Move(-1, FocusMove::kRight));
  EXPECT_EQ(0, Move(9, FocusMove::kDown));
  EXPECT_EQ(-1, qv::MoveFocus(nullptr, 0, -1, FocusMove::kLeft));
}

}  // namespace
