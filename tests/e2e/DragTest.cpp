// tests/e2e/DragTest.cpp: the user drags the bar by the pane's empty space
// from the top of the screen to its left side, and it docks there.
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <optional>

#include "tests/e2e/harness/BarProcess.h"
#include "tests/e2e/harness/Screen.h"
#include "tests/e2e/harness/SettingsKey.h"

using e2e::BarProcess;
using e2e::SettingsKey;

namespace {

// The toolbar pane: the bar's child with the sunken client edge.
HWND FindPane(HWND bar) {
  for (HWND w = ::GetWindow(bar, GW_CHILD); w; w = ::GetWindow(w, GW_HWNDNEXT))
    if (::GetWindowLongPtrA(w, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) return w;
  return nullptr;
}

class DragTest : public testing::Test {
 protected:
  void SetUp() override {
    SettingsKey::Delete();
    SettingsKey::CreateQuiet();
    SettingsKey::SetDword("Alignment", ABE_TOP);
  }
  void TearDown() override { SettingsKey::Delete(); }
};

}  // namespace

TEST_F(DragTest, PaneDraggedFromTheTopToTheLeftSideDocksTheBarThere) {
  const int sx = ::GetSystemMetrics(SM_CXSCREEN);
  const int sy = ::GetSystemMetrics(SM_CYSCREEN);
  BarProcess bar;
  ASSERT_TRUE(bar.Start());
  const RECT before = bar.WindowRect();
  ASSERT_EQ(before.top, 0);
  HWND pane = FindPane(bar.Window());
  ASSERT_NE(pane, nullptr);
  RECT rc;
  ::GetWindowRect(pane, &rc);
  const POINT start{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};

  e2e::MoveMouse(start.x, start.y);
  e2e::MouseDown(start.x, start.y);
  e2e::Pause(300);
  e2e::MoveMouse(sx / 2, sy / 4);
  e2e::Pause(200);
  e2e::MoveMouse(10, sy / 2);
  e2e::Pause(300);
  // Nothing moves until the button is released.
  const RECT dragging = bar.WindowRect();
  EXPECT_TRUE(::EqualRect(&dragging, &before));
  e2e::MouseUp(10, sy / 2);

  std::optional<DWORD> alignment;
  for (int i = 0; i < 50; ++i) {
    e2e::Pause(100);
    alignment = SettingsKey::GetDword("Alignment");
    if (alignment == DWORD{ABE_LEFT}) break;
  }
  EXPECT_EQ(alignment, DWORD{ABE_LEFT});
  bar.Settle();
  const RECT after = bar.WindowRect();
  EXPECT_EQ(after.left, 0);
  EXPECT_EQ(after.top, 0);
  EXPECT_EQ(after.bottom, sy);
  EXPECT_LT(after.right, sx / 4);
  bar.Stop();
}

TEST_F(DragTest, InnerEdgeDraggedDownAddsARow) {
  const int sx = ::GetSystemMetrics(SM_CXSCREEN);
  BarProcess bar;
  ASSERT_TRUE(bar.Start());
  const RECT before = bar.WindowRect();
  const int edge = before.bottom - 1;

  e2e::MoveMouse(sx / 2, edge);
  e2e::MouseDown(sx / 2, edge);
  e2e::Pause(300);
  // A row of small icons is 22 pixels high: the cursor passes one cell.
  for (int y = edge + 5; y <= edge + 30; y += 5) {
    e2e::MoveMouse(sx / 2, y);
    e2e::Pause(100);
  }
  e2e::MouseUp(sx / 2, edge + 30);

  std::optional<DWORD> rows;
  for (int i = 0; i < 50; ++i) {
    e2e::Pause(100);
    rows = SettingsKey::GetDword("Rows");
    if (rows == DWORD{2}) break;
  }
  EXPECT_EQ(rows, DWORD{2});
  bar.Settle();
  const RECT after = bar.WindowRect();
  EXPECT_EQ(after.top, 0);
  EXPECT_EQ(after.bottom - before.bottom, 22 + 3);
  EXPECT_EQ(SettingsKey::GetDword("Alignment"), DWORD{ABE_TOP});
  bar.Stop();
}
