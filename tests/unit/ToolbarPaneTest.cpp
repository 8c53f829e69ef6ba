// tests/unit/ToolbarPaneTest.cpp: the toolbar pane against a fake host in a
// plain parent window: which rows it makes and fills, how it stacks and
// scrolls them, what clicks, keys, commands, menus and the tooltip ask of
// the host, and what a screen reader reads.
#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>

#include <string>
#include <utility>
#include <vector>

#include "res/resource.h"
#include "shell/ShellHelpers.h"
#include "tests/unit/support/Accessible.h"
#include "tests/unit/support/FakePaneHost.h"
#include "tests/unit/support/MissingDrive.h"
#include "tests/unit/support/StandInWindow.h"
#include "tests/unit/support/TempFolder.h"
#include "toolbar/ButtonRow.h"
#include "toolbar/ToolbarPane.h"

namespace {

using testsupport::FakePaneHost;

// What the pane asked the opener for: a left (0) or right (1) click, and
// where.
struct Opened {
  int rightClick;
  POINT screen;
};
std::vector<Opened> g_opened;

int RecordOpen(HWND, LPCITEMIDLIST, LPCITEMIDLIST, POINT screen,
               int rightClick) {
  g_opened.push_back({rightClick, screen});
  return 1;
}

constexpr int kCell = 38;  // 32-pixel icons without names: 40 x 38 cells
constexpr int kLine = kCell + 3;

class ToolbarPaneTest : public ::testing::Test {
 protected:
  explicit ToolbarPaneTest(DWORD visible = 0) : m_visible(visible) {}
  static void SetUpTestSuite() { ::OleInitialize(nullptr); }
  static void TearDownTestSuite() { ::OleUninitialize(); }
  void SetUp() override {
    g_opened.clear();
    ASSERT_TRUE(
        testsupport::CreateStandIn(parent, {0, 0, 600, 500}, m_visible));
    qv::CreateArgs paneArgs;
    paneArgs.exStyle = WS_EX_CLIENTEDGE;
    paneArgs.className = testsupport::PlainWindowClass();
    paneArgs.windowName = "";
    paneArgs.style = WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL;
    paneArgs.SetRect({2, 2, 402, 92});
    paneArgs.parent = parent;
    paneArgs.id = 1000;
    ASSERT_TRUE(pane.Create(paneArgs));
  }
  void TearDown() override {
    pane.DestroyWindow();
    parent.DestroyWindow();
  }

  // A toolbar on `folder` whose buttons are its items `names` ("" a gap).
  void AddToolbar(const std::string& folder, std::vector<std::string> names,
                  int kind = qv::kKindNormal) {
    ASSERT_EQ(1, host.settings.AppendToolbar(
                     qv::UniqueIdList(qv::PathToIdList(folder, nullptr)),
                     qv::kSortByName, ToolbarInfo{kind, {}}));
    ToolbarButtons buttons;
    for (const std::string& name : names) {
      ToolbarButton button;
      if (name.empty()) {
        button.kind = ToolbarButton::Kind::kSpace;
      } else {
        button.name = name;
        qv::UniqueIdList full(qv::PathToIdList(folder + "\\" + name, nullptr));
        button.item.reset(qv::CopyLastItemId(full.get()));
        ASSERT_TRUE(button.item) << name;
      }
      buttons.push_back(std::move(button));
    }
    host.buttons.push_back(std::move(buttons));
  }
  // A toolbar of the Windows folder with `count` buttons named by place.
  void AddToolbar(int count, int kind = qv::kKindNormal) {
    AddToolbar("C:\\windows", std::vector<std::string>(count, "notepad.exe"),
               kind);
    const int k = static_cast<int>(host.buttons.size()) - 1;
    for (int j = 0; j < count; ++j)
      host.buttons[k][j].name =
          "Button " + std::to_string(j) + " of " + std::to_string(k);
  }

  // What a rebuild does: rows, their cells and buttons, then the layout of
  // a pane of this size at the top of the screen (or at the left).
  void Build(int width, int height, qv::Edge edge = qv::Edge::Top) {
    host.edge = edge;
    ASSERT_EQ(1, pane.CreateRows());
    pane.SetRowCells(40, kCell, qv::RowOrientation(edge), 0);
    pane.FillRows(nullptr);
    ASSERT_EQ(1, pane.Place({2, 2, 2 + width, 2 + height}));
  }
  // Two rows, one per toolbar: 10 buttons (two lines of a 400-pixel top
  // pane) and 3.
  void BuildTwoRows(int width, int height, qv::Edge edge = qv::Edge::Top) {
    host.settings.m_bShowTabs = 0;
    AddToolbar(10);
    AddToolbar(3);
    Build(width, height, edge);
  }

  RECT RowRect(int index) {
    RECT rc = pane.GetRow(index)->GetWindowRect();
    ::MapWindowPoints(nullptr, pane, reinterpret_cast<POINT*>(&rc), 2);
    return rc;
  }
  int ScrollMax(int which) {
    int low = -1, high = -1;
    ::GetScrollRange(pane, which, &low, &high);
    return high;
  }
  // A point inside cell `cell` of row `rowIndex`.
  POINT InCell(int rowIndex, int cell) {
    const RECT rc = pane.GetRow(rowIndex)->GetCellRect(cell);
    return POINT{rc.left + 5, rc.top + 5};
  }
  // A left click at `pt` in row `rowIndex`, the cursor on it.
  void Click(int rowIndex, POINT pt) {
    CButtonRow& row = *pane.GetRow(rowIndex);
    POINT screen = pt;
    ::ClientToScreen(row, &screen);
    ::SetCursorPos(screen.x, screen.y);
    row.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    row.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
  }

  const DWORD m_visible;
  FakePaneHost host;
  qv::CWnd parent;
  CToolbarPane pane{host, RecordOpen};
};

using Positions = std::vector<std::pair<bool, int>>;

TEST_F(ToolbarPaneTest, RowsAreTheCurrentToolbarsWithTabsElseOnePerToolbar) {
  Build(400, 90);
  EXPECT_EQ(0, pane.GetRowCount());
  EXPECT_EQ(0, ScrollMax(SB_VERT));
  EXPECT_EQ(0, ScrollMax(SB_HORZ));

  AddToolbar(1);
  AddToolbar(2);
  AddToolbar(0);
  host.buttons.pop_back();  // the third toolbar has none read yet
  host.settings.m_bShowTabs = 1;
  host.settings.m_nCurrentTab = 1;
  Build(400, 90);
  ASSERT_EQ(1, pane.GetRowCount());
  EXPECT_EQ(1, pane.GetRow(0)->GetDlgCtrlID());
  EXPECT_EQ(0, pane.FindRowById(1));
  EXPECT_EQ(-1, pane.FindRowById(0));
  EXPECT_EQ(2, pane.GetRow(0)->GetItemCount());

  host.settings.m_bShowTabs = 0;
  Build(400, 90);
  ASSERT_EQ(3, pane.GetRowCount());
  for (int i = 0; i < 3; ++i) EXPECT_EQ(i, pane.GetRow(i)->GetDlgCtrlID());
  EXPECT_EQ(1, pane.GetRow(0)->GetItemCount());
  EXPECT_EQ(2, pane.GetRow(1)->GetItemCount());
  EXPECT_EQ(0, pane.GetRow(2)->GetItemCount());

  // Names go on the buttons only while "Max Chars" allows some.
  EXPECT_FALSE(pane.GetRow(1)->ShowsNames());
  host.settings.m_nMaxChars = 10;
  Build(400, 90);
  EXPECT_TRUE(pane.GetRow(1)->ShowsNames());
}

// A pane 400 x 90 (396 x 86 inside its edge) at the top: rows 361 wide hold
// 8 cells a line, and 2 lines are in view.
TEST_F(ToolbarPaneTest, RowsThatFitAreStackedWithoutAScrollBar) {
  host.settings.m_bShowTabs = 0;
  host.settings.m_nVertScrollPos = 5;
  AddToolbar(3);
  Build(400, 90);
  const RECT row = RowRect(0);
  EXPECT_EQ(18, row.left);
  EXPECT_EQ(3, row.top);
  EXPECT_EQ(361, row.right - row.left);
  EXPECT_EQ(kCell, row.bottom - row.top);
  EXPECT_EQ(0, ScrollMax(SB_VERT));
  EXPECT_EQ(361 + 12, pane.GetWindowRect().right - pane.GetWindowRect().left);
  EXPECT_TRUE(host.scrolled.empty());  // the saved position is not reset
}

TEST_F(ToolbarPaneTest, SavedPositionPastTheEndIsPulledBackAndApplied) {
  host.settings.m_nVertScrollPos = 99;
  BuildTwoRows(400, 90);
  EXPECT_EQ(1, ScrollMax(SB_VERT));  // 3 lines, 2 in view
  ASSERT_FALSE(host.scrolled.empty());
  EXPECT_EQ(std::make_pair(true, 1), host.scrolled.back());
  EXPECT_EQ(1, ::GetScrollPos(pane, SB_VERT));
  EXPECT_EQ(3 - kLine, RowRect(0).top);
  EXPECT_EQ(3 - kLine + 2 * kLine, RowRect(1).top);
}

TEST_F(ToolbarPaneTest, ScrollingMovesOneLineAndStopsAtTheLastLine) {
  BuildTwoRows(400, 90);
  ASSERT_EQ(3, RowRect(0).top);
  host.scrolled.clear();

  pane.SendMessage(WM_VSCROLL, SB_PAGEDOWN);
  EXPECT_EQ(3 - kLine, RowRect(0).top);
  pane.SendMessage(WM_VSCROLL, SB_LINEDOWN);
  EXPECT_EQ(3 - 2 * kLine, RowRect(0).top);
  pane.SendMessage(WM_VSCROLL, SB_LINEDOWN);  // the last line: no further
  EXPECT_EQ(3 - 2 * kLine, RowRect(0).top);
  EXPECT_EQ((Positions{{true, 1}, {true, 2}}), host.scrolled);

  host.scrolled.clear();
  pane.SendMessage(WM_VSCROLL, SB_LINEUP);
  pane.SendMessage(WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 0));  // no step
  pane.SendMessage(WM_VSCROLL, SB_TOP);
  EXPECT_EQ((Positions{{true, 1}, {true, 0}}), host.scrolled);
  EXPECT_EQ(3, RowRect(0).top);
  // The rows keep their places relative to each other.
  EXPECT_EQ(3 + 2 * kLine, RowRect(1).top);
  // A top bar does not scroll sideways.
  pane.SendMessage(WM_HSCROLL, SB_LINEDOWN);
  EXPECT_EQ(2u, host.scrolled.size());
}

// A pane 100 x 400 at the left: columns 361 high hold 8 cells, and 2
// columns are in view.
TEST_F(ToolbarPaneTest, LeftBarStacksColumnsAndScrollsSideways) {
  BuildTwoRows(100, 400, qv::Edge::Left);
  const RECT first = RowRect(0);
  EXPECT_EQ(3, first.left);
  EXPECT_EQ(18, first.top);
  EXPECT_EQ(43 + 40, first.right - first.left);
  EXPECT_EQ(361, first.bottom - first.top);
  EXPECT_EQ(3 + 83 + 3, RowRect(1).left);
  EXPECT_EQ(1, ScrollMax(SB_HORZ));
  EXPECT_EQ(0, ScrollMax(SB_VERT));
  host.scrolled.clear();

  pane.SendMessage(WM_HSCROLL, SB_LINEDOWN);
  EXPECT_EQ((Positions{{false, 1}}), host.scrolled);
  EXPECT_EQ(3 - 43, RowRect(0).left);
  pane.SendMessage(WM_VSCROLL, SB_LINEDOWN);
  EXPECT_EQ(1u, host.scrolled.size());
}

TEST_F(ToolbarPaneTest, TooltipGetsTheHostsNameOfTheButtonUnderTheCursor) {
  host.settings.m_bShowTabs = 0;
  AddToolbar(2);
  AddToolbar(3);
  host.buttons[1][2].kind = ToolbarButton::Kind::kSpace;
  host.buttons[1][2].item.reset();
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
  EXPECT_EQ("<null>", ask(second.left + 88, second.top + 5));  // the gap
  EXPECT_EQ("<null>", ask(18 + 41, 3 + 5));  // the padding of a row
  EXPECT_EQ("unchanged", ask(5, 5));         // the pane itself
}

TEST_F(ToolbarPaneTest, ClickOnAFolderBrowsesIntoItUnlessTheRowIsStale) {
  TempFolder folder("pane");
  ASSERT_TRUE(folder.AddFolder("Sub"));
  ASSERT_TRUE(folder.AddFolder("Other"));
  host.settings.m_bShowTabs = 0;
  host.settings.m_bBrowseSeparate = 0;
  AddToolbar(folder.path(), {"Sub", "", "Other"});
  Build(400, 90);

  const POINT other = InCell(0, 2);
  Click(0, other);
  ASSERT_EQ(1u, host.browsed.size());
  EXPECT_STRCASEEQ((folder / "Other").c_str(), host.browsed[0].c_str());

  // The toolbar lost buttons since the row was filled: the cell has none.
  host.buttons[0].resize(2);
  Click(0, other);
  // The toolbar itself is gone.
  host.settings.RemoveToolbar(0);
  Click(0, InCell(0, 0));
  // A notice from a row the pane does not have.
  NMHDR hdr{nullptr, 42, static_cast<UINT>(NM_CLICK)};
  pane.SendMessage(WM_NOTIFY, 42, reinterpret_cast<LPARAM>(&hdr));
  EXPECT_EQ(1u, host.browsed.size());
  EXPECT_TRUE(host.menuUp.empty());  // nothing was opened
}

TEST_F(ToolbarPaneTest, ClickOnAnUnpluggedDrivesButtonAsksTheHostToReread) {
  const char letter = MissingDriveLetter();
  ASSERT_NE(letter, 0);
  host.settings.m_bShowTabs = 0;
  AddToolbar("C:\\windows", {"notepad.exe"});
  host.settings.m_toolbars[0].folder = DriveRootIdList(letter);
  Build(400, 90);

  Click(0, InCell(0, 0));  // the process lives on
  EXPECT_EQ(std::vector<int>{0}, host.unavailable);
  EXPECT_TRUE(host.menuUp.empty());
}

TEST_F(ToolbarPaneTest, SortCommandsAskForTheCurrentToolbarsNewOrder) {
  AddToolbar(1, qv::kKindCustom);
  AddToolbar(1, qv::kKindBrowse);
  host.settings.m_nCurrentTab = 0;
  for (UINT id : {ID_SORT_BY_NAME, ID_SORT_BY_DATE, ID_SORT_BY_TYPE,
                  ID_SORT_BY_SIZE, ID_CUSTOM_SORT})
    pane.SendMessage(WM_COMMAND, id);
  // The browse toolbar keeps no custom list to sort by.
  host.settings.m_nCurrentTab = 1;
  pane.SendMessage(WM_COMMAND, ID_CUSTOM_SORT);
  pane.SendMessage(WM_COMMAND, ID_SORT_BY_SIZE);
  // "Current Tab" names no toolbar.
  host.settings.m_nCurrentTab = 2;
  pane.SendMessage(WM_COMMAND, ID_SORT_BY_NAME);

  const std::vector<std::pair<int, UINT>> expected = {
      {0, qv::kSortByName}, {0, qv::kSortByDate}, {0, qv::kSortByType},
      {0, qv::kSortBySize}, {0, qv::kSortCustom}, {1, qv::kSortBySize}};
  EXPECT_EQ(expected, host.sorted);
  EXPECT_TRUE(host.barCommands.empty());
}

TEST_F(ToolbarPaneTest, UpOneLevelBrowsesToTheParentOfTheCurrentToolbar) {
  TempFolder folder("up");
  AddToolbar(folder.path(), {});
  LPITEMIDLIST drives = nullptr;
  ASSERT_EQ(S_OK, ::SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, &drives));
  ASSERT_EQ(
      1, host.settings.AppendToolbar(qv::UniqueIdList(drives), qv::kSortByName,
                                     ToolbarInfo{qv::kKindNormal, {}}));

  host.settings.m_nCurrentTab = 0;
  pane.SendMessage(WM_COMMAND, ID_UP_ONE_LEVEL);
  ASSERT_EQ(1u, host.browsed.size());
  const std::string& path = folder.path();
  EXPECT_STRCASEEQ(path.substr(0, path.rfind('\\')).c_str(),
                   host.browsed[0].c_str());
  // A folder right on the desktop has no parent to go to.
  host.settings.m_nCurrentTab = 1;
  pane.SendMessage(WM_COMMAND, ID_UP_ONE_LEVEL);
  EXPECT_EQ(1u, host.browsed.size());
}

// The state of the folder menu's items while it is up; the menu is then
// closed.
struct MenuSeen {
  bool up = false;
  UINT sortByDate = 0;
  UINT customSort = 0;
  UINT upOneLevel = 0;
};
MenuSeen g_menuSeen;

void CALLBACK ReadAndEndMenu(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND popup = ::FindWindowA("#32768", nullptr);
  HMENU menu =
      popup ? reinterpret_cast<HMENU>(::SendMessageA(popup, MN_GETHMENU, 0, 0))
            : nullptr;
  if (!menu) return;  // not up yet
  ::KillTimer(nullptr, timer);
  g_menuSeen.up = true;
  g_menuSeen.sortByDate = ::GetMenuState(menu, ID_SORT_BY_DATE, MF_BYCOMMAND);
  g_menuSeen.customSort = ::GetMenuState(menu, ID_CUSTOM_SORT, MF_BYCOMMAND);
  g_menuSeen.upOneLevel = ::GetMenuState(menu, ID_UP_ONE_LEVEL, MF_BYCOMMAND);
  ::EndMenu();
}

// With the pane shown, so that its menu can come up.
class ToolbarPaneShownTest : public ToolbarPaneTest {
 protected:
  ToolbarPaneShownTest() : ToolbarPaneTest(WS_VISIBLE) {}

  // The focus mark's button in row `rowIndex` after key `vk`.
  int Key(UINT vk, int rowIndex = 0) {
    pane.SendMessage(WM_KEYDOWN, vk);
    return pane.GetRow(rowIndex)->GetFocusMark();
  }
  // A point of cell `cell` of row `rowIndex` on screen.
  POINT CellPoint(int rowIndex, int cell, bool middle) {
    const RECT rc = pane.GetRow(rowIndex)->GetCellRect(cell);
    POINT pt = middle
                   ? POINT{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2}
                   : POINT{rc.left, rc.bottom};
    ::ClientToScreen(*pane.GetRow(rowIndex), &pt);
    return pt;
  }
};

// Two rows: 10 buttons in two lines, 3 in one; 2 lines in view.
TEST_F(ToolbarPaneShownTest, ArrowsMoveTheFocusMarkAndEnterOpensItsButton) {
  BuildTwoRows(400, 90);
  host.scrolled.clear();
  pane.FocusFirstButton();
  EXPECT_EQ(pane.m_hWnd, ::GetFocus());
  EXPECT_EQ(0, pane.GetRow(0)->GetFocusMark());

  EXPECT_EQ(0, Key(VK_LEFT));  // the ends hold
  EXPECT_EQ(0, Key(VK_UP));
  EXPECT_EQ(1, Key(VK_RIGHT));
  EXPECT_EQ(9, Key(VK_DOWN));  // the second line, under it
  EXPECT_EQ(9, Key(VK_RIGHT));
  // Down into the next row, whose line comes into view.
  EXPECT_EQ(1, Key(VK_DOWN, 1));
  EXPECT_EQ(-1, pane.GetRow(0)->GetFocusMark());
  EXPECT_EQ((Positions{{true, 1}}), host.scrolled);
  EXPECT_EQ(1, Key(VK_DOWN, 1));
  EXPECT_EQ(2, Key(VK_RIGHT, 1));

  Key(VK_RETURN);
  pane.SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(pane.m_hWnd),
                   MAKELPARAM(-1, -1));
  ASSERT_EQ(2u, g_opened.size());
  EXPECT_EQ(0, g_opened[0].rightClick);
  const POINT middle = CellPoint(1, 2, true);
  EXPECT_EQ(middle.x, g_opened[0].screen.x);
  EXPECT_EQ(middle.y, g_opened[0].screen.y);
  EXPECT_EQ(1, g_opened[1].rightClick);
  const POINT corner = CellPoint(1, 2, false);
  EXPECT_EQ(corner.x, g_opened[1].screen.x);
  EXPECT_EQ(corner.y, g_opened[1].screen.y);
  EXPECT_EQ((std::vector<bool>{true, false, true, false}), host.menuUp);

  // Ctrl+Tab and Ctrl+Shift+Tab step through the tabs; Tab alone does not.
  BYTE keys[256] = {};
  keys[VK_CONTROL] = 0x80;
  ::SetKeyboardState(keys);
  Key(VK_TAB);
  keys[VK_SHIFT] = 0x80;
  ::SetKeyboardState(keys);
  Key(VK_TAB);
  keys[VK_CONTROL] = keys[VK_SHIFT] = 0;
  ::SetKeyboardState(keys);
  Key(VK_TAB);
  EXPECT_EQ((std::vector<int>{1, -1}), host.steppedTabs);
  Key(VK_ESCAPE);
  EXPECT_EQ(1, host.leftKeyboard);

  // The mark goes with the focus.
  ::SetFocus(nullptr);
  EXPECT_EQ(-1, pane.GetRow(1)->GetFocusMark());
}

TEST_F(ToolbarPaneShownTest, MenuKeyOnAFolderShowsItsMenuWhereEnterBrowses) {
  TempFolder folder("pane");
  ASSERT_TRUE(folder.AddFolder("Sub"));
  host.settings.m_bShowTabs = 0;
  host.settings.m_bBrowseSeparate = 0;
  AddToolbar(folder.path(), {"Sub"});
  Build(400, 90);
  pane.FocusFirstButton();
  pane.SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(pane.m_hWnd),
                   MAKELPARAM(-1, -1));
  ASSERT_EQ(1u, g_opened.size());
  EXPECT_EQ(1, g_opened[0].rightClick);
  EXPECT_TRUE(host.browsed.empty());
  Key(VK_RETURN);
  EXPECT_EQ(1u, host.browsed.size());
}

TEST_F(ToolbarPaneShownTest, ScreenReaderGetsWholeNamesAndTheFocusedButton) {
  host.settings.m_bShowTabs = 0;
  host.settings.m_nMaxChars = 3;  // a few letters of each name show
  AddToolbar(3);
  Build(400, 90);
  pane.FocusFirstButton();
  Key(VK_RIGHT);

  qv::ComPtr<IAccessible> object = testsupport::AccessibleOf(pane);
  ASSERT_TRUE(object);
  long count = 0;
  EXPECT_EQ(S_OK, object->get_accChildCount(&count));
  EXPECT_EQ(3, count);
  EXPECT_EQ("Button 1 of 0", testsupport::NameOf(object.Get(), 2));
  EXPECT_EQ(ROLE_SYSTEM_PUSHBUTTON,
            testsupport::Property(object.Get(), 2, false));
  EXPECT_TRUE(testsupport::Property(object.Get(), 2, true) &
              STATE_SYSTEM_FOCUSED);
  EXPECT_FALSE(testsupport::Property(object.Get(), 1, true) &
               STATE_SYSTEM_FOCUSED);
  VARIANT focus;
  ::VariantInit(&focus);
  EXPECT_EQ(S_OK, object->get_accFocus(&focus));
  EXPECT_EQ(2, focus.lVal);

  // Held past the window's end, the object answers without its data.
  pane.DestroyWindow();
  EXPECT_EQ(RPC_E_DISCONNECTED, object->get_accChildCount(&count));
  EXPECT_EQ("<" + std::to_string(RPC_E_DISCONNECTED) + ">",
            testsupport::NameOf(object.Get(), 2));
}

TEST_F(ToolbarPaneShownTest, FolderMenuShowsTheCurrentToolbarWithMenuUp) {
  TempFolder folder("menu");
  AddToolbar(folder.path(), {}, qv::kKindCustom);
  host.settings.Toolbar(0)->sortOrder = qv::kSortByDate;
  LPITEMIDLIST drives = nullptr;
  ASSERT_EQ(S_OK, ::SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, &drives));
  ASSERT_EQ(
      1, host.settings.AppendToolbar(qv::UniqueIdList(drives), qv::kSortByName,
                                     ToolbarInfo{qv::kKindBrowse, {}}));
  auto show = [&](int tab) {
    host.settings.m_nCurrentTab = tab;
    g_menuSeen = {};
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 50, ReadAndEndMenu);
    pane.SendMessage(WM_RBUTTONUP, 0, MAKELPARAM(20, 20));
    ::KillTimer(nullptr, timer);  // should the menu never have come up
    return g_menuSeen;
  };

  MenuSeen seen = show(0);
  ASSERT_TRUE(seen.up);
  EXPECT_TRUE(seen.sortByDate & MF_CHECKED);
  EXPECT_FALSE(seen.customSort & (MF_GRAYED | MF_CHECKED));
  EXPECT_FALSE(seen.upOneLevel & MF_GRAYED);
  EXPECT_EQ((std::vector<bool>{true, false}), host.menuUp);

  // The browse toolbar, on a folder right on the desktop.
  seen = show(1);
  ASSERT_TRUE(seen.up);
  EXPECT_FALSE(seen.sortByDate & MF_CHECKED);
  EXPECT_TRUE(seen.customSort & MF_GRAYED);
  EXPECT_TRUE(seen.upOneLevel & MF_GRAYED);
  EXPECT_EQ((std::vector<bool>{true, false, true, false}), host.menuUp);
}

TEST_F(ToolbarPaneTest, BarCommandsAndPressesOnEmptySpaceGoToTheHost) {
  pane.SendMessage(WM_COMMAND, ID_LEFT_ALIGN);
  pane.SendMessage(WM_COMMAND, ID_EXIT);
  pane.SendMessage(WM_COMMAND, ID_HELP_TOPICS);
  pane.SendMessage(WM_COMMAND, ID_SORT_BY_NAME);  // the pane's own
  EXPECT_EQ((std::vector<UINT>{ID_LEFT_ALIGN, ID_EXIT, ID_HELP_TOPICS}),
            host.barCommands);

  pane.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(30, 40));
  ASSERT_EQ(1u, host.moves.size());
  POINT screen{30, 40};
  ::ClientToScreen(pane, &screen);
  EXPECT_EQ(screen.x, host.moves[0].x);
  EXPECT_EQ(screen.y, host.moves[0].y);

  EXPECT_EQ(5, CToolbarPane(host).GetAverageCharWidth());
  EXPECT_GT(pane.GetAverageCharWidth(), 0);
}

}  // namespace
