// tests/e2e/DockingTest.cpp: the bar docks at the stored edge, spans that
// whole side with the thickness the system metrics give, reserves its band
// with the shell, and gives it back when it closes.
#include <gtest/gtest.h>

#include <windows.h>
#include <shellapi.h>
#include <commctrl.h>

#include "tests/e2e/harness/BarProcess.h"
#include "tests/e2e/harness/SettingsKey.h"

using e2e::BarProcess;
using e2e::SettingsKey;

namespace {

// The thickness the bar reserves for one row or column of small icons
// without names, with tabs shown: arithmetic of the test's own, to check
// the program's.
int ExpectedThickness(DWORD edge) {
  SHFILEINFOA info{};
  auto images = reinterpret_cast<HIMAGELIST>(::SHGetFileInfoA(
      "C:\\", 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
  int cx = 16, cy = 16;
  if (images) ::ImageList_GetIconSize(images, &cx, &cy);
  if (edge == ABE_LEFT || edge == ABE_RIGHT)
    return (cx + 8 + 3) + 2 * ::GetSystemMetrics(SM_CXEDGE) + 6 + 10 +
           ::GetSystemMetrics(SM_CXVSCROLL);
  return (cy + 6 + 3) + 2 * ::GetSystemMetrics(SM_CYEDGE) + 6 + 9 +
         ::GetSystemMetrics(SM_CYHSCROLL);
}

// A window of the test's own that asks the shell where a band on an edge
// could go; the shell moves it off the bars registered before it.
class ProbeBar {
 public:
  ProbeBar() {
    m_wnd = ::CreateWindowExA(WS_EX_TOOLWINDOW, "STATIC", "probe", WS_POPUP, 0,
                              0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    APPBARDATA abd = Record();
    abd.uCallbackMessage = WM_USER + 1;
    m_registered = ::SHAppBarMessage(ABM_NEW, &abd) != 0;
  }
  ~ProbeBar() {
    APPBARDATA abd = Record();
    if (m_registered) ::SHAppBarMessage(ABM_REMOVE, &abd);
    ::DestroyWindow(m_wnd);
  }
  bool Registered() const { return m_registered; }
  RECT Query(UINT edge) const {
    APPBARDATA abd = Record();
    abd.uEdge = edge;
    const int sx = ::GetSystemMetrics(SM_CXSCREEN);
    const int sy = ::GetSystemMetrics(SM_CYSCREEN);
    abd.rc = edge == ABE_LEFT    ? RECT{0, 0, 10, sy}
             : edge == ABE_TOP   ? RECT{0, 0, sx, 10}
             : edge == ABE_RIGHT ? RECT{sx - 10, 0, sx, sy}
                                 : RECT{0, sy - 10, sx, sy};
    ::SHAppBarMessage(ABM_QUERYPOS, &abd);
    return abd.rc;
  }

 private:
  APPBARDATA Record() const {
    APPBARDATA abd{};
    abd.cbSize = sizeof abd;
    abd.hWnd = m_wnd;
    return abd;
  }
  HWND m_wnd = nullptr;
  bool m_registered = false;
};

class DockingTest : public testing::TestWithParam<DWORD> {
 protected:
  void SetUp() override {
    SettingsKey::Delete();
    SettingsKey::CreateQuiet();
    SettingsKey::SetDword("Alignment", GetParam());
  }
  void TearDown() override { SettingsKey::Delete(); }
};

}  // namespace

TEST_P(DockingTest, DocksAtTheStoredEdgeAcrossTheWholeSide) {
  const DWORD edge = GetParam();
  const int sx = ::GetSystemMetrics(SM_CXSCREEN);
  const int sy = ::GetSystemMetrics(SM_CYSCREEN);
  const int t = ExpectedThickness(edge);
  RECT expected = edge == ABE_LEFT    ? RECT{0, 0, t, sy}
                  : edge == ABE_TOP   ? RECT{0, 0, sx, t}
                  : edge == ABE_RIGHT ? RECT{sx - t, 0, sx, sy}
                                      : RECT{0, sy - t, sx, sy};

  BarProcess bar;
  ASSERT_TRUE(bar.Start());
  RECT rc = bar.WindowRect();
  EXPECT_EQ(rc.left, expected.left);
  EXPECT_EQ(rc.top, expected.top);
  EXPECT_EQ(rc.right, expected.right);
  EXPECT_EQ(rc.bottom, expected.bottom);

  {
    // The band is reserved: a bar registered after it is kept clear of it.
    ProbeBar probe;
    ASSERT_TRUE(probe.Registered());
    RECT band = probe.Query(edge);
    const LONG kept[] = {band.left, band.top, band.right, band.bottom};
    const LONG expectedSide[] = {t, t, sx - t, sy - t};
    EXPECT_EQ(kept[edge], expectedSide[edge]);
  }

  bar.Stop();
  ProbeBar after;
  ASSERT_TRUE(after.Registered());
  RECT band = after.Query(edge);
  const LONG side[] = {band.left, band.top, band.right, band.bottom};
  const LONG screenSide[] = {0, 0, sx, sy};
  EXPECT_EQ(side[edge], screenSide[edge]);
}

INSTANTIATE_TEST_SUITE_P(EveryEdge, DockingTest,
                         testing::Values(ABE_LEFT, ABE_TOP, ABE_RIGHT,
                                         ABE_BOTTOM));

TEST(DockingFollowsTheKey, AHandEditOfTheEdgeMovesTheRunningBarWithinASecond) {
  SettingsKey::Delete();
  SettingsKey::CreateQuiet();
  SettingsKey::SetDword("Alignment", ABE_TOP);
  BarProcess bar;
  ASSERT_TRUE(bar.Start());
  const int sy = ::GetSystemMetrics(SM_CYSCREEN);
  ASSERT_EQ(0, bar.WindowRect().top);

  // As another program (or regedit) would: no message to the bar.
  SettingsKey::SetDword("Alignment", ABE_LEFT);
  const DWORD start = ::GetTickCount();
  RECT rc = bar.WindowRect();
  while (rc.bottom - rc.top != sy && ::GetTickCount() - start < 1000) {
    ::Sleep(20);
    rc = bar.WindowRect();
  }
  EXPECT_EQ(0, rc.left);
  EXPECT_EQ(sy, rc.bottom - rc.top);
  EXPECT_LT(rc.right, ::GetSystemMetrics(SM_CXSCREEN) / 2);
  bar.Stop();
  SettingsKey::Delete();
}
