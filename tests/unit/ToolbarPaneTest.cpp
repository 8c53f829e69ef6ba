// tests/unit/ToolbarPaneTest.cpp: the toolbar pane with real rows: which rows
// it makes, how it stacks and scrolls them and keeps the scroll position,
// the names it gives the tooltip, and what it passes on to the main window.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "bar/MfcAppBar.h"
#include "framework/ScrollBar.h"
#include "framework/WinApp.h"
#include "res/resource.h"
#include "support/ScratchRegistry.h"
#include "toolbar/AppbarCtrl.h"
#include "shell/ShellHelpers.h"
#include "toolbar/ToolbarItem.h"
#include "toolbar/ToolbarPane.h"

namespace {

// Stands in for the main window's window: records what the pane sends it.
class MainWindowRecorder : public qv::CWnd {
 public:
  std::vector<MSG> received;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_COMMAND || message == WM_NCLBUTTONDOWN) {
      MSG msg{};
      msg.message = message;
      msg.wParam = wParam;
      msg.lParam = lParam;
      received.push_back(msg);
      return 0;
    }
    return qv::CWnd::WindowProc(message, wParam, lParam);
  }
};

constexpr int kCell = 38;  // 32-pixel icons without names: 40 x 38 cells
constexpr int kLine = kCell + 3;

class ToolbarPaneTest : public ::testing::Test {
 protected:
  void SetUp() override { Create(0); }

  void Create(DWORD visible) {
    ASSERT_EQ(1, CBarSettings::CreateKeyIfMissing());
    const char* cls = qv::RegisterWindowClass(
        0, ::LoadCursor(nullptr, IDC_ARROW),
        reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), nullptr);
    qv::CreateArgs mainArgs;
    mainArgs.exStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
    mainArgs.className = cls;
    mainArgs.windowName = "";
    mainArgs.style = WS_POPUP | visible;
    mainArgs.SetRect({0, 0, 600, 500});
    ASSERT_TRUE(main.Create(mainArgs));
    // The bar object only lends the pane its settings and items: its handle
    // is the recorder's window, which it must never destroy.
    bar.m_hWnd = main.m_hWnd;
    pane.m_pMainBar = &bar;
    qv::CreateArgs paneArgs;
    paneArgs.exStyle = WS_EX_CLIENTEDGE;
    paneArgs.className = cls;
    paneArgs.windowName = "";
    paneArgs.style = WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL;
    paneArgs.SetRect({2, 2, 402, 92});
    paneArgs.parent = main;
    paneArgs.id = 1000;
    ASSERT_TRUE(pane.Create(paneArgs));
  }
  void TearDown() override {
    pane.DestroyWindow();
    bar.m_hWnd = nullptr;
  }

  // A toolbar of `buttons` named buttons (its folder is the Windows folder).
  void AddToolbar(int buttons) {
    qv::UniqueIdList folder(qv::PathToIdList("C:\\windows", nullptr));
    ASSERT_TRUE(folder);
    ASSERT_EQ(1, bar.m_settings.AppendToolbar(
                     std::move(folder), 1,
                     qv::ToolbarInfoPtr(CBarSettings::NewToolbarInfo(3))));
    ToolbarItemArray items = NewToolbarItemArray();
    for (int j = 0; j < buttons; ++j) {
      ToolbarItem& item = items[j];
      item.mask = kItemMaskIconText;
      item.pszText = new char[kItemTextMax + 1];
      wsprintfA(item.pszText, "Button %d of %d", j,
                static_cast<int>(bar.m_itemArrays.size()));
      item.cchTextMax = kItemTextMax;
    }
    bar.m_itemArrays.push_back(std::move(items));
    bar.m_itemCounts.push_back(buttons);
  }

  // What a rebuild does: rows, their cells and items, then the layout of a
  // pane of this size at the top of the screen (or at the left).
  void Build(int width, int height, UINT edge = ABE_TOP) {
    bar.m_settings.m_nAlignment = edge;
    ASSERT_EQ(1, pane.DestroyRows());
    ASSERT_EQ(1, pane.CreateRows());
    const int orientation = edge == ABE_LEFT || edge == ABE_RIGHT
                                ? qv::kColumnsDown
                                : qv::kLinesAcross;
    ASSERT_EQ(1, pane.SetRowImages(nullptr, 40, kCell, orientation));
    for (int r = 0; r < pane.GetRowCount(); ++r) {
      CAppbarCtrl* row = pane.GetRow(r);
      const int k = row->GetDlgCtrlID();
      for (UINT j = 0; j < bar.m_itemCounts[k]; ++j)
        ASSERT_EQ(static_cast<LRESULT>(j),
                  row->SendMessage(TCM_INSERTITEMA, j,
                                   AsTabItem(&bar.m_itemArrays[k][j])));
    }
    qv::ScrollBar(pane, SB_HORZ).SetRange(0, 0, false);
    qv::ScrollBar(pane, SB_VERT).SetRange(0, 0, false);
    ::MoveWindow(pane, 2, 2, width, height, TRUE);
    ASSERT_EQ(1, pane.RelayoutRows());
  }

  RECT RowRect(int index) {
    RECT rc = pane.GetRow(index)->GetWindowRect();
    ::MapWindowPoints(nullptr, pane, reinterpret_cast<POINT*>(&rc), 2);
    return rc;
  }
  int ScrollMax(int bar_) { return qv::ScrollBar(pane, bar_).Info().nMax; }
  // The settings as a restart would read them.
  template <typename Field>
  int Stored(Field field) {
    CBarSettings stored;
    stored.Load();
    return stored.*field;
  }

  ScratchCurrentUser registry;
  MainWindowRecorder main;
  CMfcAppBar bar;
  CToolbarPane pane;
};

TEST_F(ToolbarPaneTest, NoToolbarsMakeNoRowsAndNoScrollBars) {
  Build(400, 90);
  EXPECT_EQ(0, pane.GetRowCount());
  EXPECT_EQ(0, ScrollMax(SB_VERT));
  EXPECT_EQ(0, ScrollMax(SB_HORZ));
  EXPECT_EQ(-1, pane.FindRowById(0));
}

TEST_F(ToolbarPaneTest, WithTabsOnlyTheCurrentToolbarGetsARowAndItIsClamped) {
  for (int i = 0; i < 3; ++i) AddToolbar(1);
  bar.m_settings.m_bShowTabs = 1;
  bar.m_settings.m_nCurrentTab = 7;
  Build(400, 90);
  ASSERT_EQ(1, pane.GetRowCount());
  EXPECT_EQ(2, pane.GetRow(0)->GetDlgCtrlID());
  EXPECT_EQ(0, pane.FindRowById(2));
  EXPECT_EQ(2, bar.m_settings.m_nCurrentTab);
  EXPECT_EQ(2, Stored(&CBarSettings::m_nCurrentTab));

  bar.m_settings.m_nCurrentTab = -3;
  Build(400, 90);
  EXPECT_EQ(0, pane.GetRow(0)->GetDlgCtrlID());

  bar.m_settings.m_bShowTabs = 0;
  Build(400, 90);
  ASSERT_EQ(3, pane.GetRowCount());
  for (int i = 0; i < 3; ++i) EXPECT_EQ(i, pane.GetRow(i)->GetDlgCtrlID());
  EXPECT_EQ(-1, pane.FindRowById(3));
}

// A pane 400 x 90 (396 x 86 inside its edge) at the top: rows 361 wide hold
// 8 cells a line, and 2 lines are in view.
TEST_F(ToolbarPaneTest, RowsThatFitAreStackedWithoutAScrollBar) {
  bar.m_settings.m_bShowTabs = 0;
  bar.m_settings.m_nVertScrollPos = 5;
  AddToolbar(3);
  Build(400, 90);
  const RECT row = RowRect(0);
  EXPECT_EQ(18, row.left);
  EXPECT_EQ(3, row.top);
  EXPECT_EQ(361, row.right - row.left);
  EXPECT_EQ(kCell, row.bottom - row.top);
  EXPECT_EQ(0, ScrollMax(SB_VERT));
  EXPECT_EQ(361 + 12, pane.GetWindowRect().right - pane.GetWindowRect().left);
  EXPECT_EQ(5, bar.m_settings.m_nVertScrollPos);  // nothing is reset
}

TEST_F(ToolbarPaneTest, SavedPositionPastTheEndIsPulledBackAndApplied) {
  bar.m_settings.m_bShowTabs = 0;
  bar.m_settings.m_nVertScrollPos = 99;
  AddToolbar(10);  // two lines
  AddToolbar(3);   // one line
  Build(400, 90);
  EXPECT_EQ(1, ScrollMax(SB_VERT));  // 3 lines, 2 in view
  EXPECT_EQ(1, bar.m_settings.m_nVertScrollPos);
  EXPECT_EQ(1, qv::ScrollBar(pane, SB_VERT).Info().nPos);
  EXPECT_EQ(1, Stored(&CBarSettings::m_nVertScrollPos));
  EXPECT_EQ(3 - kLine, RowRect(0).top);
  EXPECT_EQ(3 - kLine + 2 * kLine - 3 + 3, RowRect(1).top);
}

TEST_F(ToolbarPaneTest, ScrollingMovesOneLineAndStopsAtTheLastLine) {
  bar.m_settings.m_bShowTabs = 0;
  AddToolbar(10);
  AddToolbar(3);
  Build(400, 90);
  ASSERT_EQ(0, bar.m_settings.m_nVertScrollPos);
  ASSERT_EQ(3, RowRect(0).top);

  pane.SendMessage(WM_VSCROLL, SB_PAGEDOWN);
  EXPECT_EQ(1, bar.m_settings.m_nVertScrollPos);
  EXPECT_EQ(3 - kLine, RowRect(0).top);
  pane.SendMessage(WM_VSCROLL, SB_LINEDOWN);  // past the range, to the last
  EXPECT_EQ(2, bar.m_settings.m_nVertScrollPos);
  EXPECT_EQ(3 - 2 * kLine, RowRect(0).top);
  pane.SendMessage(WM_VSCROLL, SB_LINEDOWN);  // the last line: no further
  EXPECT_EQ(2, bar.m_settings.m_nVertScrollPos);
  EXPECT_EQ(3 - 2 * kLine, RowRect(0).top);
  EXPECT_EQ(2, Stored(&CBarSettings::m_nVertScrollPos));

  pane.SendMessage(WM_VSCROLL, SB_LINEUP);
  EXPECT_EQ(1, bar.m_settings.m_nVertScrollPos);
  pane.SendMessage(WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 0));
  EXPECT_EQ(1, bar.m_settings.m_nVertScrollPos);
  pane.SendMessage(WM_VSCROLL, SB_TOP);
  EXPECT_EQ(0, bar.m_settings.m_nVertScrollPos);
  EXPECT_EQ(3, RowRect(0).top);
  // The rows keep their places relative to each other.
  EXPECT_EQ(3 + 2 * kLine, RowRect(1).top);
  // A top bar does not scroll sideways.
  pane.SendMessage(WM_HSCROLL, SB_LINEDOWN);
  EXPECT_EQ(0, bar.m_settings.m_nHorzScrollPos);
}

// A pane 100 x 400 at the left: columns 361 high hold 8 cells, and 2
// columns are in view.
TEST_F(ToolbarPaneTest, LeftBarStacksColumnsAndScrollsSideways) {
  bar.m_settings.m_bShowTabs = 0;
  AddToolbar(10);
  AddToolbar(3);
  Build(100, 400, ABE_LEFT);
  RECT first = RowRect(0);
  EXPECT_EQ(3, first.left);
  EXPECT_EQ(18, first.top);
  EXPECT_EQ(43 + 40, first.right - first.left);
  EXPECT_EQ(361, first.bottom - first.top);
  EXPECT_EQ(3 + 83 + 3, RowRect(1).left);
  EXPECT_EQ(1, ScrollMax(SB_HORZ));
  EXPECT_EQ(0, ScrollMax(SB_VERT));

  pane.SendMessage(WM_HSCROLL, SB_LINEDOWN);
  EXPECT_EQ(1, bar.m_settings.m_nHorzScrollPos);
  EXPECT_EQ(3 - 43, RowRect(0).left);
  pane.SendMessage(WM_VSCROLL, SB_LINEDOWN);
  EXPECT_EQ(0, bar.m_settings.m_nVertScrollPos);
}

TEST_F(ToolbarPaneTest, TooltipGetsTheFullNameOfTheButtonUnderTheCursor) {
  bar.m_settings.m_bShowTabs = 0;
  AddToolbar(2);
  AddToolbar(3);
  Build(400, 200);
  auto ask = [&](int x, int y) {
    POINT pt{x, y};
    ::ClientToScreen(pane, &pt);
    ::SetCursorPos(pt.x, pt.y);
    static char sentinel[] = "unchanged";
    NMTTDISPINFOA info{};
    info.hdr.code = TTN_NEEDTEXTA;
    info.lpszText = sentinel;
    pane.SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
    return std::string(info.lpszText ? info.lpszText : "<null>");
  };
  const RECT second = RowRect(1);
  EXPECT_EQ("Button 1 of 1", ask(second.left + 50, second.top + 5));
  EXPECT_EQ("Button 0 of 0", ask(18 + 5, 3 + 5));
  EXPECT_EQ("<null>", ask(18 + 41, 3 + 5));  // the padding of a row
  EXPECT_EQ("unchanged", ask(5, 5));         // the pane itself
}

TEST_F(ToolbarPaneTest, BarCommandsAndPressesOnEmptySpaceGoToTheMainWindow) {
  pane.SendMessage(WM_COMMAND, ID_LEFT_ALIGN);
  pane.SendMessage(WM_COMMAND, ID_EXIT);
  pane.SendMessage(WM_COMMAND, ID_HELP_TOPICS);
  pane.SendMessage(WM_COMMAND, ID_SORT_BY_NAME);  // the pane's own
  ASSERT_EQ(3u, main.received.size());
  EXPECT_EQ(static_cast<WPARAM>(ID_LEFT_ALIGN), main.received[0].wParam);
  EXPECT_EQ(static_cast<WPARAM>(ID_EXIT), main.received[1].wParam);

  main.received.clear();
  pane.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(30, 40));
  ASSERT_EQ(1u, main.received.size());
  EXPECT_EQ(static_cast<UINT>(WM_NCLBUTTONDOWN), main.received[0].message);
  EXPECT_EQ(static_cast<WPARAM>(HTCAPTION), main.received[0].wParam);

  // Clicks from rows the pane does not know, or off the toolbar's items,
  // do nothing.
  NMHDR hdr{nullptr, 42, static_cast<UINT>(NM_CLICK)};
  pane.SendMessage(WM_NOTIFY, 42, reinterpret_cast<LPARAM>(&hdr));

  EXPECT_EQ(5, CToolbarPane().GetAverageCharWidth());
  EXPECT_GT(pane.GetAverageCharWidth(), 0);
}

// With real mouse input: a press on a row's gap falls through to the pane,
// which starts moving the bar.
class ToolbarPaneInputTest : public ToolbarPaneTest {
 protected:
  void SetUp() override { Create(WS_VISIBLE); }
};

TEST_F(ToolbarPaneInputTest, PressOnAGapMovesTheBarAndOnAButtonDoesNot) {
  bar.m_settings.m_bShowTabs = 0;
  AddToolbar(2);
  bar.m_itemArrays[0][1].mask = ITEM_SPACE;
  Build(400, 90);
  auto press = [&](int x, int y) {
    POINT pt{x, y};
    ::ClientToScreen(pane, &pt);
    ::SetCursorPos(pt.x, pt.y);
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_MOUSE;
    input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    ::SendInput(2, input, sizeof(INPUT));
    const DWORD until = ::GetTickCount() + 1000;
    MSG msg;
    while (::GetTickCount() < until) {
      while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        ::DispatchMessageA(&msg);
      ::Sleep(10);
    }
  };
  press(18 + 45, 3 + 5);  // the gap
  ASSERT_EQ(1u, main.received.size());
  EXPECT_EQ(static_cast<WPARAM>(HTCAPTION), main.received[0].wParam);
  press(18 + 5, 3 + 5);  // the button
  EXPECT_EQ(1u, main.received.size());
}

}  // namespace
