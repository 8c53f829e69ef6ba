// tests/unit/BarLookTest.cpp: the bar paints in the look the user chose for
// the system, read through a fake (Wine has no app mode), and follows a
// change of it at once.
#include <gtest/gtest.h>

#include "bar/BarWindow.h"
#include "framework/SystemLook.h"
#include "shell/ShellHelpers.h"
#include "tests/unit/support/FakeAppBarService.h"
#include "tests/unit/support/ScratchRegistry.h"
#include "tests/unit/support/TempFolder.h"
#include "tests/unit/support/WaitForReads.h"
#include "tabs/TabPainter.h"
#include "toolbar/ButtonRow.h"

namespace {

class FakeSystemLook : public qv::ISystemLook {
 public:
  bool AppsUseDarkMode() const override { return dark; }
  bool HighContrast() const override { return highContrast; }
  qv::SystemColors Colors() const override { return colors; }

  bool dark = false;
  bool highContrast = false;
  qv::SystemColors colors = qv::SystemLook().Colors();
};

class BarLookTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ::OleInitialize(nullptr); }

  void SetUp() override {
    ASSERT_TRUE(m_folder.AddFile("a.txt"));
    m_user.SetDword("First Time", 0);
    CBarSettings settings;
    settings.m_nAlignment = qv::Edge::Top;
    settings.m_nRows = 2;
    settings.m_bShowTitle = 0;
    settings.m_bAnimate = 0;
    ASSERT_EQ(1, settings.AppendToolbar(qv::UniqueIdList(qv::PathToIdList(
                                            m_folder.path(), nullptr)),
                                        qv::kSortByName, ToolbarInfo{}));
    ASSERT_EQ(1, settings.Save());
    m_look.dark = true;
    m_bar.SetSystemLook(m_look);
    ASSERT_TRUE(CreateAndRead(m_bar));
  }
  void TearDown() override { m_bar.DestroyWindow(); }

  // A pixel of the pane's empty corner, away from its one button.
  COLORREF PanePixel() {
    ::UpdateWindow(m_bar.m_hWnd);
    ::UpdateWindow(m_bar.Pane().GetRow(0)->m_hWnd);
    RECT rc{};
    ::GetClientRect(m_bar.Pane(), &rc);
    qv::WindowDC dc(m_bar.Pane());
    return ::GetPixel(dc.get(), rc.right - 3, rc.bottom - 3) & 0xFFFFFF;
  }
  // The top left of the pane's sunken edge, outside its client area.
  COLORREF PaneEdgePixel() {
    ::RedrawWindow(m_bar.Pane(), nullptr, nullptr,
                   RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    const qv::WindowDC dc = qv::WindowDC::WithFrame(m_bar.Pane());
    return ::GetPixel(dc.get(), 0, 0) & 0xFFFFFF;
  }
  // How many pixels of the selected tab are painted `colour`.
  int SelectedTabPixels(COLORREF colour) {
    ::UpdateWindow(m_bar.TabStrip());
    const CTabStrip& strip = m_bar.TabStrip();
    const qv::TabRect& r = strip.m_tabs[strip.m_nCurSel]->m_rect;
    qv::WindowDC dc(strip.m_hWnd);
    int count = 0;
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x)
        count += (::GetPixel(dc.get(), x, y) & 0xFFFFFF) == colour;
    return count;
  }
  void Notify(UINT message, WPARAM wParam, const char* area) {
    ::SendMessageA(m_bar.m_hWnd, message, wParam,
                   reinterpret_cast<LPARAM>(area));
  }

  ScratchCurrentUser m_user;
  FakeAppBarService m_shell;
  TempFolder m_folder{"look"};
  FakeSystemLook m_look;
  CBarWindow m_bar{m_shell};
};

TEST_F(BarLookTest, TheDarkModeShowsAndALightModeNoticeRepaintsAtOnce) {
  EXPECT_EQ(qv::DarkPalette().background, PanePixel());
  EXPECT_EQ(qv::DarkPalette().edgeShadow, PaneEdgePixel());
  EXPECT_GT(SelectedTabPixels(qv::DarkPalette().selectedTab), 0);

  // Another notice is no change of look.
  m_look.dark = false;
  Notify(WM_SETTINGCHANGE, SPI_SETWORKAREA, nullptr);
  EXPECT_EQ(qv::DarkPalette().background, PanePixel());

  Notify(WM_SETTINGCHANGE, 0, "ImmersiveColorSet");
  EXPECT_EQ(m_look.colors.buttonFace, PanePixel());
  EXPECT_NE(qv::DarkPalette().edgeShadow, PaneEdgePixel());
  EXPECT_EQ(0, SelectedTabPixels(qv::DarkPalette().selectedTab));
}

TEST_F(BarLookTest, HighContrastPaintsInTheSystemsWindowAndHighlightColours) {
  m_look.highContrast = true;
  m_look.colors.window = RGB(0, 0, 96);
  m_look.colors.highlight = RGB(224, 160, 0);
  Notify(WM_SYSCOLORCHANGE, 0, nullptr);
  EXPECT_EQ(RGB(0, 0, 96), PanePixel());
  EXPECT_GT(SelectedTabPixels(RGB(224, 160, 0)), 20);
  EXPECT_FALSE(m_bar.Palette().dark);
}

// The arrows' bitmap is repainted for the dark look: the left arrow's tip
// is drawn in the text colour, its raised edge in the edge's.
TEST(TabArrowsTest, TheDarkLookRepaintsTheArrowBitmap) {
  const TabColors colors(qv::DarkPalette());
  const HBITMAP arrows = colors.Arrows(qv::kTabsHorizontal);
  ASSERT_NE(TabArrowBitmap(qv::kTabsHorizontal), arrows);
  const qv::UniqueHdc dc(::CreateCompatibleDC(nullptr));
  qv::SelectScope select(dc.get(), arrows);
  EXPECT_EQ(qv::DarkPalette().text, ::GetPixel(dc.get(), 5, 7) & 0xFFFFFF);
  EXPECT_EQ(qv::DarkPalette().edgeLight, ::GetPixel(dc.get(), 0, 0) & 0xFFFFFF);
}

}  // namespace
