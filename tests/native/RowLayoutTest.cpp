// tests/native/RowLayoutTest.cpp: cells of a button row wrapped into lines or
// columns, gaps and line breaks, the size a row needs and hit testing.
#include "toolbar/portable/RowLayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

namespace {

using qv::CellBox;
using qv::CellKind;

constexpr CellKind B = CellKind::kButton;
constexpr CellKind S = CellKind::kSpace;
constexpr CellKind L = CellKind::kLineBreak;

// 32-pixel icons without names: 40 x 38 cells, 3-pixel gaps.
qv::RowGeometry Geometry(int orientation = qv::kLinesAcross) {
  qv::RowGeometry g;
  g.orientation = orientation;
  g.cxItem = 40;
  g.cyItem = 38;
  return g;
}

std::vector<CellBox> LayOut(const qv::RowGeometry& g, int available,
                            const std::vector<CellKind>& kinds) {
  std::vector<CellBox> boxes(kinds.size());
  qv::LayOutCells(g, available, kinds.data(), boxes.data(), 0, kinds.size());
  return boxes;
}

void ExpectBox(const CellBox& box, int left, int top, int right, int bottom) {
  EXPECT_EQ(left, box.left);
  EXPECT_EQ(top, box.top);
  EXPECT_EQ(right, box.right);
  EXPECT_EQ(bottom, box.bottom);
}

TEST(RowLayout, GapIsEightPixelsAlongTheLineInBothOrientations) {
  auto across = LayOut(Geometry(), 200, {B, S, B});
  ExpectBox(across[0], 0, 0, 40, 38);
  ExpectBox(across[1], 43, 0, 51, 38);
  ExpectBox(across[2], 54, 0, 94, 38);

  auto down = LayOut(Geometry(qv::kColumnsDown), 200, {B, S, B});
  ExpectBox(down[0], 0, 0, 40, 38);
  ExpectBox(down[1], 0, 41, 40, 49);
  ExpectBox(down[2], 0, 52, 40, 90);
}

TEST(RowLayout, LineBreakTakesNoRoomAndTwoInARowLeaveAnEmptyLine) {
  const std::vector<CellKind> kinds = {B, L, B, L, L, B};
  auto boxes = LayOut(Geometry(), 500, kinds);
  ExpectBox(boxes[1], 0, 41, 0, 79);  // no width: never hit
  ExpectBox(boxes[2], 0, 41, 40, 79);
  ExpectBox(boxes[5], 0, 123, 40, 161);  // the line at 82 stays empty
  EXPECT_EQ(4, qv::CountCellLines(Geometry(), 500, kinds.data(), 6));

  auto columns = LayOut(Geometry(qv::kColumnsDown), 500, kinds);
  ExpectBox(columns[2], 43, 0, 83, 38);
  ExpectBox(columns[5], 129, 0, 169, 38);
}

TEST(RowLayout, CellsWrapWhenTheyPassTheEdgeAndAnExactFitStays) {
  auto exact = LayOut(Geometry(), 83, {B, B, B});
  ExpectBox(exact[1], 43, 0, 83, 38);
  ExpectBox(exact[2], 0, 41, 40, 79);

  auto tight = LayOut(Geometry(), 82, {B, B});
  ExpectBox(tight[1], 0, 41, 40, 79);

  // Narrower than one cell: even the first cell wraps, the first line stays
  // empty, and every cell gets a line of its own.
  const std::vector<CellKind> narrow = {B, B};
  auto boxes = LayOut(Geometry(), 30, narrow);
  ExpectBox(boxes[0], 0, 41, 40, 79);
  ExpectBox(boxes[1], 0, 82, 40, 120);
  EXPECT_EQ(3, qv::CountCellLines(Geometry(), 30, narrow.data(), 2));
}

TEST(RowLayout, NeededSizeCoversALineThatAGapWrapped) {
  // The gap wraps onto a second line, which is as thick as a button line.
  const std::vector<CellKind> kinds = {B, B, S};
  auto size = qv::NeededRowSize(Geometry(), 85, 999, kinds.data(), 3);
  EXPECT_EQ(85, size.cx);
  EXPECT_EQ(79, size.cy);
  auto columns =
      qv::NeededRowSize(Geometry(qv::kColumnsDown), 999, 85, kinds.data(), 3);
  EXPECT_EQ(83, columns.cx);
  EXPECT_EQ(85, columns.cy);

  auto empty = qv::NeededRowSize(Geometry(), 120, 999, nullptr, 0);
  EXPECT_EQ(120, empty.cx);
  EXPECT_EQ(38, empty.cy);
  EXPECT_EQ(1, qv::CountCellLines(Geometry(), 120, nullptr, 0));
}

// For any mix of cells: appending lays out exactly what a full layout does,
// the needed size reaches the last line and no further, and the line count
// matches the lines the layout used.
TEST(RowLayout, AppendingCountingAndSizingAgreeWithTheFullLayout) {
  std::mt19937 random(7);
  for (int orientation : {qv::kLinesAcross, qv::kColumnsDown}) {
    const qv::RowGeometry g = Geometry(orientation);
    for (int round = 0; round < 200; ++round) {
      const int available = 20 + static_cast<int>(random() % 300);
      std::vector<CellKind> kinds(random() % 40);
      for (auto& kind : kinds) {
        const unsigned r = random() % 10;
        kind = r < 6 ? B : (r < 8 ? S : L);
      }
      const auto full = LayOut(g, available, kinds);

      std::vector<CellBox> grown(kinds.size());
      for (size_t n = 1; n <= kinds.size(); ++n)
        qv::LayOutCells(g, available, kinds.data(), grown.data(), n - 1, n);
      for (size_t i = 0; i < kinds.size(); ++i) {
        SCOPED_TRACE(i);
        ExpectBox(grown[i], full[i].left, full[i].top, full[i].right,
                  full[i].bottom);
      }

      const bool columns = orientation == qv::kColumnsDown;
      int reach = columns ? g.cxItem : g.cyItem;
      std::vector<int> lineStarts = {0};
      for (const auto& box : full) {
        reach = std::max(reach, columns ? box.right : box.bottom);
        lineStarts.push_back(columns ? box.left : box.top);
      }
      auto size = qv::NeededRowSize(g, available, available, kinds.data(),
                                    kinds.size());
      EXPECT_EQ(reach, columns ? size.cx : size.cy);
      const int lines =
          qv::CountCellLines(g, available, kinds.data(), kinds.size());
      const int step = (columns ? g.cxItem + g.cxPad : g.cyItem + g.cyPad);
      EXPECT_EQ(*std::max_element(lineStarts.begin(), lineStarts.end()),
                (lines - 1) * step);
    }
  }
}

TEST(RowLayout, HitTestFindsTheFirstCellExcludingItsRightAndBottomEdges) {
  const std::vector<CellKind> kinds = {B, S, L, B};
  auto boxes = LayOut(Geometry(), 500, kinds);
  EXPECT_EQ(0, qv::HitTestCells(boxes.data(), 4, 0, 0));
  EXPECT_EQ(0, qv::HitTestCells(boxes.data(), 4, 39, 37));
  EXPECT_EQ(-1, qv::HitTestCells(boxes.data(), 4, 40, 10));  // the padding
  EXPECT_EQ(-1, qv::HitTestCells(boxes.data(), 4, 10, 38));
  EXPECT_EQ(1, qv::HitTestCells(boxes.data(), 4, 45, 10));  // the gap
  EXPECT_EQ(3, qv::HitTestCells(boxes.data(), 4, 0, 41));   // not the break
  EXPECT_EQ(-1, qv::HitTestCells(boxes.data(), 4, -1, 0));
  EXPECT_EQ(-1, qv::HitTestCells(boxes.data(), 0, 0, 0));
}

}  // namespace
