// tests/native/FreeEdgeTest.cpp: a new bar goes opposite the bar it was asked
// on, then across, then to the next monitor, and nowhere when all are taken.
#include "app/portable/FreeEdge.h"

#include <gtest/gtest.h>

namespace {

using qv::Edge;
using qv::EdgePlace;

TEST(FreeEdge, OppositeThenAcrossThenTheNextMonitor) {
  const EdgePlace top{0, Edge::Top};
  EXPECT_EQ(qv::FreeEdge(1, top, {top}), (EdgePlace{0, Edge::Bottom}));
  EXPECT_EQ(qv::FreeEdge(1, top, {top, {0, Edge::Bottom}}),
            (EdgePlace{0, Edge::Left}));
  const std::vector<EdgePlace> full = {
      {0, Edge::Left}, {0, Edge::Top}, {0, Edge::Right}, {0, Edge::Bottom}};
  // Round the list from the asking bar's monitor.
  EXPECT_EQ(qv::FreeEdge(2, {0, Edge::Left}, full),
            (EdgePlace{1, Edge::Right}));
  EXPECT_FALSE(qv::FreeEdge(1, top, full));
  EXPECT_FALSE(qv::FreeEdge(0, top, {}));
}

}  // namespace
