// tests/e2e/StartupTest.cpp: the program's start on a fresh account, its
// top-level window, and a second start while the bar runs.
#include <gtest/gtest.h>

#include "tests/e2e/harness/BarProcess.h"
#include "tests/e2e/harness/SettingsKey.h"

using e2e::BarProcess;
using e2e::SettingsKey;

TEST(Startup, FreshAccountGetsTheKeyAndAToolWindowTitledQuorvane) {
  SettingsKey::Delete();
  ASSERT_FALSE(SettingsKey::Exists());

  BarProcess bar;
  ASSERT_TRUE(bar.Start());
  // The key was made asking for the default toolbars, and the first start
  // has built them: at least the three special folders.
  EXPECT_EQ(SettingsKey::GetDword("First Time").value_or(99), 0u);
  EXPECT_GE(SettingsKey::GetDword("No. of Folders").value_or(0), 3u);

  HWND wnd = bar.Window();
  EXPECT_EQ(::GetParent(wnd), nullptr);
  LONG_PTR ex = ::GetWindowLongPtrA(wnd, GWL_EXSTYLE);
  EXPECT_TRUE(ex & WS_EX_TOOLWINDOW);
  LONG_PTR style = ::GetWindowLongPtrA(wnd, GWL_STYLE);
  EXPECT_TRUE(style & WS_POPUP);
  EXPECT_TRUE(style & WS_THICKFRAME);
  EXPECT_FALSE(style & WS_CAPTION);
  bar.Stop();
  SettingsKey::Delete();
}

namespace {

int BarWindows() {
  int count = 0;
  for (HWND wnd = nullptr;
       (wnd = ::FindWindowExA(nullptr, wnd, "Quorvane.Bar", nullptr));)
    ++count;
  return count;
}

}  // namespace

TEST(Startup, ASecondStartBringsTheRunningBarForwardAndEnds) {
  SettingsKey::Delete();
  SettingsKey::CreateQuiet();
  BarProcess bar;
  ASSERT_TRUE(bar.Start());
  // The user was working in another window.
  HWND other =
      ::CreateWindowExA(0, "STATIC", "other", WS_POPUP | WS_VISIBLE, 300, 300,
                        100, 100, nullptr, nullptr, nullptr, nullptr);
  ::SetForegroundWindow(other);
  ASSERT_EQ(other, ::GetForegroundWindow());

  BarProcess second;
  EXPECT_FALSE(second.Start());
  DWORD code = 99;
  EXPECT_TRUE(second.WaitForExit(10000, &code));
  EXPECT_EQ(0u, code);
  bar.Settle();
  EXPECT_EQ(1, BarWindows());
  EXPECT_EQ(bar.Window(), ::GetForegroundWindow());

  ::DestroyWindow(other);
  bar.Stop();
  SettingsKey::Delete();
}

// The single-instance mutex is the user's: a mutex of the old shared name,
// or of another user's name, held by someone else does not stop the bar.
TEST(Startup, AnotherUsersMutexDoesNotStopTheBar) {
  SettingsKey::Delete();
  SettingsKey::CreateQuiet();
  const HANDLE shared =
      ::CreateMutexA(nullptr, FALSE, "Local\\Quorvane.SingleInstance");
  const HANDLE other = ::CreateMutexA(
      nullptr, FALSE,
      "Local\\Quorvane.SingleInstance.S-1-5-21-1004336348-1177238915-"
      "682003330-1001");
  BarProcess bar;
  EXPECT_TRUE(bar.Start());
  bar.Stop();
  ::CloseHandle(other);
  ::CloseHandle(shared);
  SettingsKey::Delete();
}
