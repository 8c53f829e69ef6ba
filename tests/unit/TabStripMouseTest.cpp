// tests/unit/TabStripMouseTest.cpp: clicks on tabs with the parent's say,
// holding the scroll arrows (capture, immediate scroll, 500 ms repeat) and
// right clicks on empty strip space.
#include "tests/unit/TabStripTestWindows.h"
#include "tests/unit/support/Accessible.h"

namespace tabtest {
namespace {

// Dispatches this thread's messages (timers included) for `ms` milliseconds.
void PumpFor(DWORD ms) {
  const DWORD start = ::GetTickCount();
  for (DWORD elapsed = 0; elapsed < ms; elapsed = ::GetTickCount() - start) {
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, ms - elapsed, QS_ALLINPUT);
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      ::TranslateMessage(&msg);
      ::DispatchMessageA(&msg);
    }
  }
}

// Six tabs in 300 pixels: the run can move forward four times.
class HeldArrowTest : public TabStripTest {
 protected:
  void SetUp() override {
    Build(qv::kTabsHorizontal, 300, {60, 70, 80, 90, 100, 110});
    // Keep the real pointer on the right arrow, so that whatever mouse
    // moves the system adds agree with the ones the test sends.
    POINT arrow{290, 8};
    ::ClientToScreen(strip.m_hWnd, &arrow);
    ::SetCursorPos(arrow.x, arrow.y);
  }
  void Press() { Send(WM_LBUTTONDOWN, 290, 8, MK_LBUTTON); }
  // Moves the real pointer too, so that the moves the system adds agree.
  void MoveTo(int x, int y) {
    POINT pt{x, y};
    ::ClientToScreen(strip.m_hWnd, &pt);
    ::SetCursorPos(pt.x, pt.y);
    Send(WM_MOUSEMOVE, x, y, MK_LBUTTON);
  }
};

TEST_F(TabStripTest, ScreenReaderGetsTheTabsAndTheSelectedOne) {
  ::OleInitialize(nullptr);
  Build(qv::kTabsHorizontal, 300, {60, 70, 80});
  Send(WM_LBUTTONDOWN, 150, 8);
  {
    qv::ComPtr<IAccessible> object = testsupport::AccessibleOf(strip.m_hWnd);
    ASSERT_TRUE(object);
    EXPECT_EQ(ROLE_SYSTEM_PAGETABLIST,
              testsupport::Property(object.Get(), CHILDID_SELF, false));
    EXPECT_EQ(ROLE_SYSTEM_PAGETAB,
              testsupport::Property(object.Get(), 1, false));
    EXPECT_EQ("Tab 2", testsupport::NameOf(object.Get(), 3));
    EXPECT_TRUE(testsupport::Property(object.Get(), 3, true) &
                STATE_SYSTEM_SELECTED);
    EXPECT_EQ(STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_FOCUSABLE,
              testsupport::Property(object.Get(), 1, true));
    VARIANT selection;
    ::VariantInit(&selection);
    EXPECT_EQ(S_OK, object->get_accSelection(&selection));
    EXPECT_EQ(3, selection.lVal);
  }
  ::OleUninitialize();
}

TEST_F(TabStripTest, ScreenReaderRectanglesPointAtTheTabsAsDrawnAt192Dpi) {
  ::OleInitialize(nullptr);
  Build(qv::kTabsHorizontal, 300, {60, 70, 80});
  strip.SetDpi(192);
  ::MoveWindow(strip.m_hWnd, 4, 4, 600, 50, TRUE);  // 300 at 96 DPI
  {
    qv::ComPtr<IAccessible> object = testsupport::AccessibleOf(strip.m_hWnd);
    ASSERT_TRUE(object);
    const qv::TabRect tab = strip.GetTab(1)->m_rect;
    POINT origin{0, 0};
    ::ClientToScreen(strip.m_hWnd, &origin);
    long x = 0, y = 0, cx = 0, cy = 0;
    ASSERT_EQ(S_OK,
              object->accLocation(&x, &y, &cx, &cy, testsupport::Child(2)));
    EXPECT_EQ(origin.x + 2 * tab.left, x);
    EXPECT_EQ(origin.y + 2 * tab.top, y);
    EXPECT_EQ(2 * (tab.right - tab.left), cx);
    EXPECT_EQ(2 * (tab.bottom - tab.top), cy);
  }
  ::OleUninitialize();
}

TEST_F(TabStripTest, ParentRefusingTheChangeKeepsTheSelection) {
  Build(qv::kTabsHorizontal, 300, {60, 70, 80});
  parent.changingReply = 1;
  Send(WM_LBUTTONDOWN, 150, 8);
  EXPECT_EQ(0, strip.m_nCurSel);
  EXPECT_EQ(std::vector<int>{qv::kTabSelChanging}, parent.Codes());

  parent.changingReply = 0;
  parent.received.clear();
  Send(WM_LBUTTONDOWN, 150, 8);
  EXPECT_EQ(2, strip.m_nCurSel);
  ASSERT_EQ((std::vector<int>{qv::kTabSelChanging, qv::kTabSelChanged}),
            parent.Codes());
  const NotifyParent::Received& changed = parent.received[1];
  EXPECT_EQ(2, changed.selection);  // already current when the parent hears
  EXPECT_EQ(kStripId, changed.wParam);
  EXPECT_EQ(kStripId, changed.idFrom);
  EXPECT_EQ(strip.m_hWnd, changed.from);
}

TEST_F(TabStripTest, ClickingTheSelectedTabSendsNothingAndLeavesTheFocus) {
  Build(qv::kTabsHorizontal, 300, {60, 70, 80});
  ::SetFocus(parent.m_hWnd);
  Send(WM_LBUTTONDOWN, 20, 8);
  Send(WM_LBUTTONUP, 20, 8);
  EXPECT_TRUE(parent.received.empty());
  EXPECT_EQ(0, strip.m_nCurSel);
  EXPECT_EQ(parent.m_hWnd, ::GetFocus());
}

TEST_F(TabStripTest, ClickingAHalfHiddenTabSelectsItAndScrollsItIntoView) {
  Build(qv::kTabsHorizontal, 300, {60, 70, 80, 90, 100});
  Send(WM_LBUTTONDOWN, 240, 8);  // tab 3, cut at 264
  EXPECT_EQ(3, strip.m_nCurSel);
  EXPECT_EQ(1, strip.m_nFirstTab);
  EXPECT_TRUE(strip.IsTabVisible(3, TRUE));
}

TEST_F(TabStripTest, RightClickOnEmptyStripSpaceOnlyAsksForTheMenu) {
  Build(qv::kTabsHorizontal, 300, {60, 70});
  Send(WM_RBUTTONUP, 200, 8);
  ASSERT_EQ(std::vector<int>{qv::kTabRightClick}, parent.Codes());
  EXPECT_EQ(strip.m_hWnd, parent.received[0].from);
  Send(WM_RBUTTONUP, 20, 8);  // on a tab
  EXPECT_EQ(1u, parent.received.size());

  strip.AddTab("long");
  strip.GetTab(2)->m_nWidth = 400;
  strip.SetFirstTab(0);
  ASSERT_TRUE(strip.ArrowsNeeded());
  Send(WM_RBUTTONUP, 290, 8);  // on an arrow
  EXPECT_EQ(1u, parent.received.size());
}

TEST_F(HeldArrowTest, ForwardArrowScrollsAtOnceThenOnEveryTickToTheEnd) {
  Press();
  EXPECT_EQ(1, strip.m_nFirstTab);
  EXPECT_EQ(strip.m_hWnd, ::GetCapture());
  EXPECT_EQ(qv::kHitRightArrow, strip.m_nPressed);
  strip.SendMessage(WM_TIMER, 16);  // not ours
  EXPECT_EQ(1, strip.m_nFirstTab);
  for (int expected = 2; expected <= 4; ++expected) {
    strip.SendMessage(WM_TIMER, CTabStrip::kRepeatTimer);
    EXPECT_EQ(expected, strip.m_nFirstTab);
  }
  EXPECT_TRUE(strip.IsTabVisible(5, TRUE));
  strip.SendMessage(WM_TIMER, CTabStrip::kRepeatTimer);
  EXPECT_EQ(4, strip.m_nFirstTab);  // the end: the hold goes on, idle
  EXPECT_EQ(qv::kHitRightArrow, strip.m_nPressed);

  Send(WM_LBUTTONUP, -40, 200);  // anywhere: the strip holds the mouse
  EXPECT_EQ(nullptr, ::GetCapture());
  EXPECT_EQ(qv::kNoArrowHeld, strip.m_nPressed);
}

// Driven by sending the timer's ticks, so that no wall clock is involved.
TEST_F(HeldArrowTest, RepeatComesFromTheWindowTimerWhileTheArrowIsHeld) {
  Press();
  EXPECT_EQ(1, strip.m_nFirstTab);
  strip.SendMessage(WM_TIMER, CTabStrip::kRepeatTimer);
  EXPECT_EQ(2, strip.m_nFirstTab);
  Send(WM_LBUTTONUP, 290, 8);
  // Letting go ends the timer: a tick still in the queue scrolls nothing.
  EXPECT_FALSE(::KillTimer(strip.m_hWnd, CTabStrip::kRepeatTimer));
  strip.SendMessage(WM_TIMER, CTabStrip::kRepeatTimer);
  EXPECT_EQ(2, strip.m_nFirstTab);
}

TEST_F(HeldArrowTest, MovingOffStopsTheRepeatAndMovingBackScrollsAtOnce) {
  Press();
  MoveTo(100, 8);
  EXPECT_EQ(1, strip.m_bPressedOff);
  PumpFor(700);
  EXPECT_EQ(1, strip.m_nFirstTab);
  MoveTo(120, 8);  // still off: nothing changes
  EXPECT_EQ(1, strip.m_nFirstTab);
  MoveTo(290, 8);
  EXPECT_EQ(0, strip.m_bPressedOff);
  EXPECT_EQ(2, strip.m_nFirstTab);
  MoveTo(291, 9);  // still on: no extra scroll
  EXPECT_EQ(2, strip.m_nFirstTab);
  Send(WM_LBUTTONUP, 290, 8);
}

TEST_F(HeldArrowTest, ADisabledArrowIsNotHeld) {
  Send(WM_LBUTTONDOWN, 270, 8, MK_LBUTTON);  // back, at tab 0 already
  EXPECT_EQ(nullptr, ::GetCapture());
  EXPECT_EQ(qv::kNoArrowHeld, strip.m_nPressed);
  EXPECT_EQ(0, strip.m_nFirstTab);
}

TEST_F(HeldArrowTest, LosingTheMouseToAnotherWindowEndsTheHold) {
  Press();
  ::SetCapture(parent.m_hWnd);
  EXPECT_EQ(qv::kNoArrowHeld, strip.m_nPressed);
  PumpFor(700);
  EXPECT_EQ(1, strip.m_nFirstTab);
  ::ReleaseCapture();
}

}  // namespace
}  // namespace tabtest
