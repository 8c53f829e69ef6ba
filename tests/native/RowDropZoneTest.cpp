// tests/native/RowDropZoneTest.cpp: where a drag over a row goes: the gap
// nearest the point in its line, or onto a button's middle; and the
// insertion mark for a gap, either orientation.
#include "toolbar/portable/RowDropZone.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using qv::CellBox;
using qv::CellKind;

constexpr CellKind B = CellKind::kButton;
constexpr CellKind S = CellKind::kSpace;
constexpr CellKind L = CellKind::kLineBreak;

struct Row {
  int orientation;
  std::vector<CellKind> kinds;
  std::vector<CellBox> boxes;

  Row(int o, std::vector<CellKind> k, int available)
      : orientation(o), kinds(k) {
    qv::RowGeometry g;
    g.orientation = o;
    g.cxItem = 40;
    g.cyItem = 38;
    boxes.resize(kinds.size());
    qv::LayOutCells(g, available, kinds.data(), boxes.data(), 0, kinds.size());
  }
  qv::RowDropZone At(int x, int y) const {
    return qv::FindRowDropZone(orientation, kinds.data(), boxes.data(),
                               kinds.size(), x, y);
  }
  CellBox Mark(int before) const {
    return qv::InsertionMarkBox(orientation, kinds.data(), boxes.data(),
                                kinds.size(), before, 2);
  }
};

void ExpectZone(const qv::RowDropZone& zone, int before, int onButton) {
  EXPECT_EQ(before, zone.before);
  EXPECT_EQ(onButton, zone.onButton);
}

// Lines across, 130 pixels wide: three buttons on the first line (x 0, 43,
// 86); after the break a gap (x 0) and a button (x 11) on the second (y 41).
TEST(RowDropZone, LinesAcrossFindTheNearestGapOrTheButtonsMiddle) {
  const Row row(qv::kLinesAcross, {B, B, B, L, S, B}, 130);
  ExpectZone(row.At(2, 5), 0, -1);    // the first button's leading quarter
  ExpectZone(row.At(20, 5), 1, 0);    // its middle: on it, else after it
  ExpectZone(row.At(82, 5), 2, -1);   // the gap between the 2nd and 3rd
  ExpectZone(row.At(125, 5), 3, -1);  // past the line's last button
  ExpectZone(row.At(1, 39), 0, -1);   // the padding below still the first line
  ExpectZone(row.At(5, 45), 5, -1);   // past the gap's centre
  ExpectZone(row.At(35, 45), 6, 5);   // the button after the gap
  ExpectZone(row.At(35, 300), 6, 5);  // past the last line: the last
  ExpectZone(qv::FindRowDropZone(qv::kLinesAcross, nullptr, nullptr, 0, 5, 5),
             0, -1);
}

TEST(RowDropZone, ColumnsDownAndAnEmptyLineBetweenTwoBreaks) {
  const Row row(qv::kColumnsDown, {B, L, L, B}, 200);
  ExpectZone(row.At(5, 2), 0, -1);
  ExpectZone(row.At(5, 20), 1, 0);
  ExpectZone(row.At(50, 20), 2, -1);  // the empty column: between the breaks
  ExpectZone(row.At(90, 2), 3, -1);
  ExpectZone(row.At(90, 20), 4, 3);
}

TEST(RowDropZone, TheMarkSitsInTheGapOnTheLineOfTheCellItLeads) {
  const Row across(qv::kLinesAcross, {B, B, B, B}, 130);
  // Before the second button: just left of it, in the padding.
  const CellBox mid = across.Mark(1);
  EXPECT_EQ(41, mid.left);
  EXPECT_EQ(43, mid.right);
  EXPECT_EQ(0, mid.top);
  EXPECT_EQ(38, mid.bottom);
  // The fourth button wrapped: the mark leads it on the second line.
  EXPECT_EQ(41, across.Mark(3).top);
  EXPECT_EQ(0, across.Mark(3).left);
  // After the last: at its end.
  EXPECT_EQ(40, across.Mark(4).left);
  EXPECT_EQ(41, across.Mark(4).top);
  const Row down(qv::kColumnsDown, {B, B, L}, 200);
  const CellBox end = down.Mark(2);  // before the break: after the 2nd button
  EXPECT_EQ(79, end.top);
  EXPECT_EQ(81, end.bottom);
  EXPECT_EQ(0, end.left);
  EXPECT_EQ(40, end.right);
  EXPECT_EQ(0, across.Mark(5).right - across.Mark(5).left);  // past the end
}

}  // namespace
