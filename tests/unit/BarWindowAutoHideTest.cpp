// tests/unit/BarWindowAutoHideTest.cpp: an auto-hide bar at the top edge
// slid out by the cursor touching its strip, by the hot key or by another
// start of the program, and in again by its timer, across rebuilds, menus,
// the shell's position changes and its refusal, with and without animation.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "bar/BringForward.h"
#include "bar/BarWindow.h"
#include "res/resource.h"
#include "shell/ShellHelpers.h"
#include "tests/unit/support/FakeAppBarService.h"
#include "tests/unit/support/ModalDriver.h"
#include "tests/unit/support/ScratchRegistry.h"
#include "tests/unit/support/StandInWindow.h"
#include "tests/unit/support/TempFolder.h"
#include "toolbar/ButtonRow.h"

namespace {

// Counts the moves of one window (size and z-order changes aside).
class WindowMoves {
 public:
  explicit WindowMoves(HWND wnd) {
    s_wnd = wnd;
    s_moves = 0;
    m_hook = ::SetWindowsHookExA(WH_CALLWNDPROC, &Hook, nullptr,
                                 ::GetCurrentThreadId());
  }
  WindowMoves(const WindowMoves&) = delete;
  WindowMoves& operator=(const WindowMoves&) = delete;
  ~WindowMoves() { ::UnhookWindowsHookEx(m_hook); }
  // The moves since the last call.
  int Take() { return std::exchange(s_moves, 0); }

 private:
  static LRESULT CALLBACK Hook(int code, WPARAM wp, LPARAM lp) {
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lp);
    if (code == HC_ACTION && call->hwnd == s_wnd &&
        call->message == WM_WINDOWPOSCHANGING &&
        !(reinterpret_cast<const WINDOWPOS*>(call->lParam)->flags & SWP_NOMOVE))
      ++s_moves;
    return ::CallNextHookEx(nullptr, code, wp, lp);
  }
  static inline HWND s_wnd = nullptr;
  static inline int s_moves = 0;
  HHOOK m_hook;
};

// The dialog this thread shows (other processes may have dialogs of their
// own on the desktop).
HWND ThreadDialog() {
  HWND found = nullptr;
  ::EnumThreadWindows(
      ::GetCurrentThreadId(),
      [](HWND wnd, LPARAM out) -> BOOL {
        char name[16] = {};
        ::GetClassNameA(wnd, name, sizeof name);
        if (std::string(name) != "#32770" || !::IsWindowVisible(wnd))
          return TRUE;
        *reinterpret_cast<HWND*>(out) = wnd;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

// The text of a message box.
std::string StaticText(HWND box) {
  std::string text;
  ::EnumChildWindows(
      box,
      [](HWND child, LPARAM out) -> BOOL {
        char name[16] = {}, buffer[512] = {};
        ::GetClassNameA(child, name, sizeof name);
        ::GetWindowTextA(child, buffer, sizeof buffer);
        if (_stricmp(name, "Static") == 0 && *buffer)
          *reinterpret_cast<std::string*>(out) = buffer;
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&text));
  return text;
}

class BarWindowAutoHideTest : public testing::Test {
 protected:
  void SetUp() override {
    registry.WriteBaseline();
    registry.SetDword("Auto Hide", 1);
    ParkCursor();
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
    ParkCursor();
    bar.SendMessage(WM_TIMER, AUTOHIDE_TIMER);
  }
  // Two toolbars of the Windows folder, shown.
  void TwoToolbars() {
    CBarSettings settings;
    settings.Load();
    for (int i = 0; i < 2; ++i)
      settings.AppendToolbar(
          qv::UniqueIdList(qv::PathToIdList("C:\\windows", nullptr)),
          qv::kSortByName, ToolbarInfo{qv::kKindNormal, {}});
    settings.Save();
    bar.SendMessage(WM_COMMAND, ID_REFRESH_ICONS);
  }
  void HotKey() {
    bar.SendMessage(WM_HOTKEY, BAR_HOTKEY,
                    MAKELPARAM(MOD_CONTROL | MOD_ALT, VK_HOME));
  }
  bool KeysOnFirstButton() {
    const CButtonRow* row = bar.Pane().GetRow(0);
    return ::GetFocus() == bar.Pane().m_hWnd && row && row->GetFocusMark() == 0;
  }
  // A real move, taken from the queue: when windows change, the system
  // replays the last mouse position this thread saw, which an earlier test's
  // drag may have left on the strip, and the bar would slide out.
  static void ParkCursor() {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = 32768;
    input.mi.dy = 32768;
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    ::SendInput(1, &input, sizeof input);
    ::SetCursorPos(::GetSystemMetrics(SM_CXSCREEN) / 2,
                   ::GetSystemMetrics(SM_CYSCREEN) / 2);
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
      ::DispatchMessageA(&msg);
  }

  ScratchCurrentUser registry;
  FakeAppBarService shell;
  CBarWindow bar{shell};
};

}  // namespace

TEST_F(BarWindowAutoHideTest, RebuildKeepsTheBarInOrOutAsItWas) {
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

TEST_F(BarWindowAutoHideTest,
       HotKeyShowsTheBarWithTheKeyboardOnItsFirstButton) {
  // The default key is the bar's: no one else gets it.
  EXPECT_FALSE(::RegisterHotKey(nullptr, 1, MOD_CONTROL | MOD_ALT, VK_HOME));
  TwoToolbars();
  ASSERT_TRUE(SlidIn());

  HotKey();
  EXPECT_TRUE(SlidOut());
  ASSERT_EQ(1, bar.Pane().GetRowCount());
  EXPECT_TRUE(KeysOnFirstButton());
  CursorGone();
  EXPECT_TRUE(SlidOut());  // the keyboard keeps it out

  // Ctrl+Tab chooses the next tab; the keyboard stays on the new row.
  BYTE keys[256] = {};
  keys[VK_CONTROL] = 0x80;
  ::SetKeyboardState(keys);
  bar.Pane().SendMessage(WM_KEYDOWN, VK_TAB);
  keys[VK_CONTROL] = 0;
  ::SetKeyboardState(keys);
  EXPECT_EQ(1, bar.Settings().m_nCurrentTab);
  EXPECT_EQ(1, bar.TabStrip().m_nCurSel);
  EXPECT_EQ(bar.Pane().m_hWnd, ::GetFocus());
  ASSERT_EQ(1, bar.Pane().GetRowCount());
  EXPECT_EQ(0, bar.Pane().GetRow(0)->GetFocusMark());
  EXPECT_TRUE(SlidOut());

  bar.Pane().SendMessage(WM_KEYDOWN, VK_ESCAPE);
  CursorGone();
  EXPECT_TRUE(SlidIn());
}

TEST_F(BarWindowAutoHideTest, PositionChangeHidesAShownBarAndTheStripShowsIt) {
  Touch();
  ASSERT_TRUE(SlidOut());
  shell.Notify(ABN_POSCHANGED, 0);
  EXPECT_TRUE(SlidIn());
  Touch();
  EXPECT_TRUE(SlidOut());
}

TEST_F(BarWindowAutoHideTest, ClickOnATabLeavesTheKeysInThePane) {
  TwoToolbars();
  HotKey();
  CTabStrip& strip = bar.TabStrip();
  const RECT rc = strip.GetClientRect();
  const int y = (rc.top + rc.bottom) / 2;
  int x = rc.left;
  while (x < rc.right && strip.HitTest(POINT{x, y}) != strip.m_nCurSel) ++x;
  ASSERT_LT(x, rc.right);
  strip.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
  strip.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(x, y));
  EXPECT_TRUE(KeysOnFirstButton());
  ::SendMessageA(::GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0);
  CursorGone();
  EXPECT_TRUE(SlidIn());
}

// The keyboard went to another window and a click activated the bar again:
// the focus is in the pane, unseen until a key is pressed.
TEST_F(BarWindowAutoHideTest, AnUnseenFocusHoldsNothingAndEscGivesBackNoOlder) {
  TwoToolbars();
  qv::CWnd first, other;
  ASSERT_TRUE(testsupport::CreateStandIn(first, {0, 300, 99, 399}, WS_VISIBLE));
  ASSERT_TRUE(
      testsupport::CreateStandIn(other, {200, 300, 299, 399}, WS_VISIBLE));
  ::SetForegroundWindow(first);
  HotKey();
  ::SetForegroundWindow(other);
  ::SetForegroundWindow(bar);
  EXPECT_EQ(bar.Pane().m_hWnd, ::GetFocus());
  CursorGone();
  EXPECT_TRUE(SlidIn());
  bar.Pane().SendMessage(WM_KEYDOWN, VK_ESCAPE);
  EXPECT_NE(first.m_hWnd, ::GetForegroundWindow());
}

TEST_F(BarWindowAutoHideTest,
       AnotherStartBringsTheKeysInAndEscGivesThemBackToTheLastWindow) {
  TwoToolbars();
  qv::CWnd first, last;
  ASSERT_TRUE(testsupport::CreateStandIn(first, {0, 300, 99, 399}, WS_VISIBLE));
  ASSERT_TRUE(
      testsupport::CreateStandIn(last, {200, 300, 299, 399}, WS_VISIBLE));
  ::SetForegroundWindow(first);
  HotKey();
  ::SetForegroundWindow(last);
  bar.SendMessage(BringForwardMessage());
  EXPECT_TRUE(SlidOut());
  EXPECT_TRUE(KeysOnFirstButton());
  CursorGone();
  EXPECT_TRUE(SlidOut());
  bar.Pane().SendMessage(WM_KEYDOWN, VK_ESCAPE);
  EXPECT_EQ(last.m_hWnd, ::GetForegroundWindow());
  CursorGone();
  EXPECT_TRUE(SlidIn());
}
TEST_F(BarWindowAutoHideTest, MenuUpKeepsTheBarOutWhateverTheCursorDoes) {
  Touch();
  ASSERT_TRUE(SlidOut());
  bool menuSeen = false;
  ModalDriver driver([&] {
    if (!::FindWindowA("#32768", nullptr)) return false;
    menuSeen = true;
    CursorGone();
    EXPECT_TRUE(SlidOut());
    ::EndMenu();
    return true;
  });
  bar.SendMessage(WM_NCRBUTTONDOWN, HTCAPTION, MAKELPARAM(10, 10));
  EXPECT_TRUE(menuSeen);
  CursorGone();
  EXPECT_TRUE(SlidIn());
}

TEST_F(BarWindowAutoHideTest, WithoutAnimateTheBarJumpsInOneMove) {
  registry.SetDword("Animate", 0);
  bar.SendMessage(WM_COMMAND, ID_REFRESH_ICONS);  // reads the settings again
  WindowMoves moves(bar.m_hWnd);
  Touch();
  EXPECT_TRUE(SlidOut());
  EXPECT_EQ(moves.Take(), 1);
  CursorGone();
  EXPECT_TRUE(SlidIn());
  EXPECT_EQ(moves.Take(), 1);

  // Animated, the same way out takes the slide's steps.
  registry.SetDword("Animate", 1);
  bar.SendMessage(WM_COMMAND, ID_REFRESH_ICONS);
  moves.Take();
  Touch();
  EXPECT_GT(moves.Take(), 1);
}

TEST_F(BarWindowAutoHideTest, TabAndIconSizeChangesKeepAShownBarOut) {
  TempFolder folder("autohide");
  CBarSettings settings;
  settings.Load();
  for (int i = 0; i < 2; ++i)
    ASSERT_TRUE(settings.AppendToolbar(
        qv::UniqueIdList(qv::PathToIdList(folder.path(), nullptr)),
        qv::kSortByName, ToolbarInfo{qv::kKindNormal, {}}));
  settings.Save();
  bar.SendMessage(WM_COMMAND, ID_REFRESH_ICONS);
  ASSERT_EQ(bar.TabStrip().GetTabCount(), 2);

  Touch();
  ASSERT_TRUE(SlidOut());
  bar.TabStrip().m_nCurSel = 1;
  NMHDR hdr = {bar.TabStrip().m_hWnd, kTabStripId, TABN_SELCHANGED};
  bar.SendMessage(WM_NOTIFY, kTabStripId, reinterpret_cast<LPARAM>(&hdr));
  EXPECT_EQ(bar.Settings().m_nCurrentTab, 1);
  EXPECT_TRUE(SlidOut());
  bar.SendMessage(WM_COMMAND, ID_LARGE_ICONS);
  EXPECT_TRUE(SlidOut());
  bar.SendMessage(WM_COMMAND, ID_SMALL_ICONS);
  EXPECT_TRUE(SlidOut());
}

TEST_F(BarWindowAutoHideTest, TurningAutoHideOffStopsTheWatchAndDocksTheBar) {
  Touch();
  ASSERT_TRUE(SlidOut());
  bar.SendMessage(WM_COMMAND, ID_AUTO_HIDE);
  // The watch timer no longer exists to be stopped.
  EXPECT_FALSE(::KillTimer(bar.m_hWnd, AUTOHIDE_TIMER));
  EXPECT_EQ(shell.AutoHideBar(ABE_TOP), nullptr);
  const RECT window = bar.GetWindowRect();
  const RECT band = shell.BandOf(bar.m_hWnd);
  EXPECT_TRUE(::EqualRect(&window, &band));
  EXPECT_EQ(window.top, 0);
}

TEST_F(BarWindowAutoHideTest,
       SecondAutoHideBarOnTheEdgeIsToldAndDocksNormally) {
  std::string told;
  int boxes = 0;
  ModalDriver driver([&] {
    if (HWND box = ThreadDialog()) {
      told = StaticText(box);
      ++boxes;
      ::SendMessageA(box, WM_COMMAND, IDOK, 0);
    }
    return false;
  });
  CBarWindow second(shell);
  ASSERT_TRUE(second.CreateBar());
  // Once, not again at each rebuild while the other bar keeps the edge.
  second.SendMessage(WM_COMMAND, ID_REFRESH_ICONS);
  EXPECT_EQ(boxes, 1);
  EXPECT_EQ(told,
            "A toolbar is already hidden on this side of your screen.\nYou "
            "can have only one auto-hide toolbar per side.");
  EXPECT_EQ(shell.AutoHideBar(ABE_TOP), bar.m_hWnd);
  // Docked in the band it was granted, at its full thickness.
  const RECT window = second.GetWindowRect();
  const RECT band = shell.BandOf(second.m_hWnd);
  EXPECT_TRUE(::EqualRect(&window, &band));
  EXPECT_GT(window.bottom, 2 + 2);
  EXPECT_TRUE(second.Settings().m_bAutoHide);
}
