// tests/native/CascadePlacementTest.cpp: a folder's menu drops off the bar's
// inner side, beside its button.
#include "toolbar/portable/CascadePlacement.h"

#include <gtest/gtest.h>

namespace {

bool Same(const qv::ScreenBox& a, const qv::ScreenBox& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right &&
         a.bottom == b.bottom;
}

TEST(CascadePlacement, MenuStartsAtTheBarsInnerSideAndClearsItsStrip) {
  const qv::ScreenBox button{100, 10, 140, 48};
  const qv::ScreenBox topBar{0, 0, 1024, 60};
  qv::CascadePlacement p = qv::PlaceCascadeMenu(qv::Edge::Top, button, topBar);
  EXPECT_EQ(100, p.x);
  EXPECT_EQ(60, p.y);
  EXPECT_TRUE(p.vertical);
  EXPECT_FALSE(p.alignRight || p.alignBottom);
  EXPECT_TRUE(Same(qv::ScreenBox{100, 0, 140, 60}, p.exclude));

  const qv::ScreenBox bottomBar{0, 708, 1024, 768};
  p = qv::PlaceCascadeMenu(qv::Edge::Bottom, {100, 716, 140, 754}, bottomBar);
  EXPECT_EQ(708, p.y);
  EXPECT_TRUE(p.vertical && p.alignBottom);

  const qv::ScreenBox leftBar{0, 0, 60, 768};
  p = qv::PlaceCascadeMenu(qv::Edge::Left, {8, 200, 48, 238}, leftBar);
  EXPECT_EQ(60, p.x);
  EXPECT_EQ(200, p.y);
  EXPECT_FALSE(p.vertical || p.alignRight);
  EXPECT_TRUE(Same(qv::ScreenBox{0, 200, 60, 238}, p.exclude));

  p = qv::PlaceCascadeMenu(qv::Edge::Right, {972, 200, 1012, 238},
                           {964, 0, 1024, 768});
  EXPECT_EQ(964, p.x);
  EXPECT_TRUE(p.alignRight && !p.vertical);
}

}  // namespace
