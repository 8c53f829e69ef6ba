// tests/unit/MfcAppBarAutoHideTest.cpp: an auto-hide bar at the top edge
// slid out by the cursor touching its strip, and in again by its timer,
// across rebuilds and the shell's position changes.
#include <gtest/gtest.h>

#include "bar/BringForward.h"
#include "bar/MfcAppBar.h"
#include "res/resource.h"
#include "tests/unit/support/FakeAppBarService.h"
#include "tests/unit/support/ScratchRegistry.h"

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
