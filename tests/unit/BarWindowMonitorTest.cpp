// tests/unit/BarWindowMonitorTest.cpp: the bar on many monitors and at
// another DPI. The virtual display has one monitor at 96 DPI, so the
// monitors here are fakes: a second one to the right of the primary, which
// a test takes away and brings back.
#include <gtest/gtest.h>

#include <windows.h>

#include "bar/BarWindow.h"
#include "bar/portable/BarGeometry.h"
#include "tests/unit/support/FakeAppBarService.h"
#include "tests/unit/support/FakeMonitors.h"
#include "tests/unit/support/ScratchRegistry.h"

namespace {

constexpr char kPrimary[] = "\\\\.\\DISPLAY1";
constexpr char kSecond[] = "\\\\.\\DISPLAY2";

class BarWindowMonitorTest : public testing::Test {
 protected:
  void SetUp() override {
    registry.WriteBaseline();
    monitors.Add(kPrimary, screen, true);
    monitors.Add(kSecond, second, false, 144);
  }
  void TearDown() override {
    MSG msg;
    while (::PeekMessageA(&msg, bar.m_hWnd, WM_MOUSEFIRST, WM_MOUSELAST,
                          PM_REMOVE)) {
    }
  }

  static void StoreMonitor(const char* device) {
    CBarSettings settings;
    settings.Load();
    settings.m_strMonitor = device;
    settings.Save();
  }
  static std::string StoredMonitor() {
    CBarSettings settings;
    settings.Load();
    return settings.m_strMonitor;
  }
  // The top band the bar reserves on a monitor, one row of its cells thick.
  RECT TopBand(const RECT& monitor) const {
    const int t = qv::BarThickness(qv::Edge::Top, bar.ButtonSize().cy, 1, true,
                                   bar.Metrics());
    return {monitor.left, monitor.top, monitor.right, monitor.top + t};
  }
  bool DockedIn(const RECT& expected) const {
    const RECT band = shell.BandOf(bar.m_hWnd);
    const RECT window = bar.GetWindowRect();
    return ::EqualRect(&band, &expected) && ::EqualRect(&window, &expected);
  }

  const int sx = ::GetSystemMetrics(SM_CXSCREEN);
  const int sy = ::GetSystemMetrics(SM_CYSCREEN);
  const RECT screen{0, 0, sx, sy};
  const RECT second{sx, 0, sx + 800, 600};
  ScratchCurrentUser registry;
  FakeAppBarService shell;
  FakeMonitors monitors;
  CBarWindow bar{shell, nullptr, ShellToolbarShell(), nullptr, monitors};
};

}  // namespace

TEST_F(BarWindowMonitorTest, StoredMonitorGoneDocksOnThePrimaryUntilItIsBack) {
  StoreMonitor(kSecond);
  ASSERT_TRUE(bar.CreateBar());
  EXPECT_EQ(bar.Monitor().device, kSecond);
  EXPECT_EQ(bar.Dpi(), 144);
  EXPECT_TRUE(DockedIn(TopBand(second)));

  monitors.Remove(kSecond);
  bar.SendMessage(WM_DISPLAYCHANGE, 32, MAKELPARAM(sx, sy));
  EXPECT_EQ(bar.Monitor().device, kPrimary);
  EXPECT_EQ(bar.Dpi(), 96);
  EXPECT_EQ(bar.ButtonSize().cy, qv::ButtonCell(16, 0, 96).cy);
  EXPECT_TRUE(DockedIn(TopBand(screen)));
  // The choice stays stored for when the monitor comes back.
  EXPECT_EQ(StoredMonitor(), kSecond);

  monitors.Add(kSecond, second, false, 144);
  bar.SendMessage(WM_DISPLAYCHANGE, 32, MAKELPARAM(sx, sy));
  EXPECT_EQ(bar.Monitor().device, kSecond);
  EXPECT_TRUE(DockedIn(TopBand(second)));
}

TEST_F(BarWindowMonitorTest, DraggingOntoAnotherMonitorDocksAtItsEdge) {
  ASSERT_TRUE(bar.CreateBar());
  EXPECT_EQ(bar.Monitor().device, kPrimary);
  // Released near the right side of the second monitor.
  POINT pt{second.right - 5, 300};
  ::ScreenToClient(bar.m_hWnd, &pt);
  bar.PostMessage(WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y));
  bar.PostMessage(WM_LBUTTONUP, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
  bar.SendMessage(WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(5, 5));

  EXPECT_EQ(StoredMonitor(), kSecond);
  EXPECT_EQ(bar.Monitor().device, kSecond);
  const RECT band = shell.BandOf(bar.m_hWnd);
  EXPECT_EQ(band.right, second.right);
  EXPECT_EQ(band.top, second.top);
  EXPECT_EQ(band.bottom, second.bottom);
  EXPECT_GT(band.left, second.left);
}

TEST_F(BarWindowMonitorTest, DpiChangeSizesCellsAsTheLayoutDoesAndDocksAgain) {
  ASSERT_TRUE(bar.CreateBar());
  RECT suggested = bar.GetWindowRect();
  bar.SendMessage(WM_DPICHANGED, MAKEWPARAM(144, 144),
                  reinterpret_cast<LPARAM>(&suggested));
  EXPECT_EQ(bar.Dpi(), 144);
  const qv::CellSize cell =
      qv::ButtonCell(qv::IconSizeForDpi(true, 144), 0, 144);
  EXPECT_EQ(bar.ButtonSize().cx, cell.cx);
  EXPECT_EQ(bar.ButtonSize().cy, cell.cy);
  EXPECT_TRUE(DockedIn(TopBand(screen)));
  // The tab strip is drawn half as large again.
  const RECT strip = bar.TabStrip().GetWindowRect();
  EXPECT_EQ(strip.bottom - strip.top, 24);
}
