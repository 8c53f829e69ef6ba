// tests/unit/MfcAppBarAutoHideTest.cpp: an auto-hide bar at the top edge
// slid out by the cursor touching its strip or by the hot key, and in again
// by its timer, across rebuilds and the shell's position changes.
#include <gtest/gtest.h>

#include "bar/BringForward.h"
#include "bar/MfcAppBar.h"
#include "res/resource.h"
#include "shell/ShellHelpers.h"
#include "tests/unit/support/FakeAppBarService.h"
#include "tests/unit/support/ScratchRegistry.h"
#include "toolbar/AppbarCtrl.h"

namespace {

class MfcAppBarAutoHideTest : public testing::Test {
 protected:
  void SetUp() override {
    registry.WriteBaseline();
    registry.SetDword("Auto Hide", 1);
    ASSERT_TRUE(bar.CreateBar());
    ASSERT_TRUE(SlidIn());
  }

  bool SlidIn() const { return bar.GetWindowRect().bottom == 2; }
  bool SlidOut() const { return bar.GetWindowRect().top == 0; }
  // The cursor touches the strip's inner border.
  void Touch() {
    bar.SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(bar.m_hWnd),
                    MAKELPARAM(HTBOTTOM, WM_MOUSEMOVE));
  }
  // The watch timer fires with the cursor far from the bar.
  void CursorGone() {
    ::SetCursorPos(::GetSystemMetrics(SM_CXSCREEN) / 2,
                   ::GetSystemMetrics(SM_CYSCREEN) / 2);
    bar.SendMessage(WM_TIMER, AUTOHIDE_TIMER);
  }

  ScratchCurrentUser registry;
  FakeAppBarService shell;
  CMfcAppBar bar{shell};
};

}  // namespace

TEST_F(MfcAppBarAutoHideTest, RebuildKeepsTheBarInOrOutAsItWas) {
  bar.SendMessage(WM_COMMAND, ID_REFRESH_ICONS);
  EXPECT_TRUE(SlidIn());
  bar.PostRebuild(RebuildRequest::All(true));  // as a drop does
  MSG msg;
  while (::PeekMessageA(&msg, bar.m_hWnd, 0, 0, PM_REMOVE))
    ::DispatchMessageA(&msg);
  EXPECT_TRUE(SlidIn());

  Touch();
  ASSERT_TRUE(SlidOut());
  bar.SendMessage(WM_COMMAND, ID_REFRESH_ICONS);
  EXPECT_TRUE(SlidOut());
  CursorGone();
  EXPECT_TRUE(SlidIn());
}

TEST_F(MfcAppBarAutoHideTest,
       HotKeyShowsTheBarWithTheKeyboardOnItsFirstButton) {
  // The default key is the bar's: no one else gets it.
  EXPECT_FALSE(::RegisterHotKey(nullptr, 1, MOD_CONTROL | MOD_ALT, VK_HOME));
  CBarSettings settings;
  settings.Load();
  for (int i = 0; i < 2; ++i)
    settings.AppendToolbar(
        qv::UniqueIdList(qv::PathToIdList("C:\\windows", nullptr)),
        qv::kSortByName, ToolbarInfo{qv::kKindNormal, {}});
  settings.Save();
  bar.SendMessage(WM_COMMAND, ID_REFRESH_ICONS);
  ASSERT_TRUE(SlidIn());

  bar.SendMessage(WM_HOTKEY, BAR_HOTKEY,
                  MAKELPARAM(MOD_CONTROL | MOD_ALT, VK_HOME));
  EXPECT_TRUE(SlidOut());
  EXPECT_EQ(bar.m_pane.m_hWnd, ::GetFocus());
  ASSERT_EQ(1, bar.m_pane.GetRowCount());
  EXPECT_EQ(0, bar.m_pane.GetRow(0)->GetFocusMark());
  CursorGone();
  EXPECT_TRUE(SlidOut());  // the keyboard keeps it out

  // Ctrl+Tab chooses the next tab; the keyboard stays on the new row.
  BYTE keys[256] = {};
  keys[VK_CONTROL] = 0x80;
  ::SetKeyboardState(keys);
  bar.m_pane.SendMessage(WM_KEYDOWN, VK_TAB);
  keys[VK_CONTROL] = 0;
  ::SetKeyboardState(keys);
  EXPECT_EQ(1, bar.m_settings.m_nCurrentTab);
  EXPECT_EQ(1, bar.m_tabber.m_nCurSel);
  EXPECT_EQ(bar.m_pane.m_hWnd, ::GetFocus());
  ASSERT_EQ(1, bar.m_pane.GetRowCount());
  EXPECT_EQ(0, bar.m_pane.GetRow(0)->GetFocusMark());
  EXPECT_TRUE(SlidOut());

  bar.m_pane.SendMessage(WM_KEYDOWN, VK_ESCAPE);
  CursorGone();
  EXPECT_TRUE(SlidIn());
}

TEST_F(MfcAppBarAutoHideTest, PositionChangeHidesAShownBarAndTheStripShowsIt) {
  Touch();
  ASSERT_TRUE(SlidOut());
  shell.Notify(ABN_POSCHANGED, 0);
  EXPECT_TRUE(SlidIn());
  Touch();
  EXPECT_TRUE(SlidOut());
}

TEST_F(MfcAppBarAutoHideTest, AnotherStartOfTheProgramSlidesTheBarOut) {
  bar.SendMessage(BringForwardMessage());
  EXPECT_TRUE(SlidOut());
}
