// tests/unit/CascadeMenuTest.cpp: folders shown as menus. A click on a folder
// button drops a menu of the folder's items; what sub-menus hold once they
// open, and what choosing, right-clicking and dragging an item asks for. The
// modal menu loop is a script run on the menu the pane tracks.
#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>

#include <algorithm>
#include <cctype>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "shell/ItemOpener.h"
#include "shell/ShellHelpers.h"
#include "tests/unit/support/FakePaneHost.h"
#include "tests/unit/support/StandInWindow.h"
#include "tests/unit/support/TempFolder.h"
#include "toolbar/ButtonRow.h"
#include "toolbar/CascadeMenuShell.h"
#include "toolbar/ToolbarPane.h"

namespace {

using testsupport::PathOf;
using Texts = std::vector<std::string>;

// Paths compared as the file system does, ignoring case.
std::string Lower(std::string path) {
  std::transform(path.begin(), path.end(), path.begin(),
                 [](unsigned char c) { return std::tolower(c); });
  return path;
}

std::string FullPath(LPCITEMIDLIST folder, LPCITEMIDLIST item) {
  qv::UniqueIdList full(qv::ConcatIdLists(folder, item));
  return Lower(PathOf(full.get()));
}

// What the pane asked the opener for: how (OpenItem's rightClick) and which
// item.
std::vector<std::pair<int, std::string>> g_opened;

int RecordOpen(HWND, LPCITEMIDLIST folder, LPCITEMIDLIST item, POINT,
               int rightClick) {
  g_opened.emplace_back(rightClick, FullPath(folder, item));
  return 1;
}

// The shell's items, counted; the menu loop played by `script`.
class ScriptedMenuShell final : public ICascadeMenuShell {
 public:
  bool Items(LPCITEMIDLIST folder, UINT sortOrder, const CBarSettings& settings,
             HWND owner, CascadeItems* out) override {
    ++reads;
    return ShellCascadeMenuShell().Items(folder, sortOrder, settings, owner,
                                         out);
  }
  HIMAGELIST SmallImages() override {
    return ShellCascadeMenuShell().SmallImages();
  }
  UINT Track(HMENU menu, UINT flags, POINT at, HWND owner,
             const RECT& exclude) override {
    tracked.push_back({flags, at, exclude});
    return script ? script(menu, owner) : 0;
  }
  void Drag(LPCITEMIDLIST folder, LPCITEMIDLIST item, HWND) override {
    dragged.push_back(FullPath(folder, item));
  }

  struct Tracked {
    UINT flags;
    POINT at;
    RECT exclude;
  };
  int reads = 0;
  std::vector<Tracked> tracked;
  std::vector<std::string> dragged;
  std::function<UINT(HMENU menu, HWND owner)> script;
};

Texts TextsOf(HMENU menu) {
  Texts texts;
  for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
    char text[MAX_PATH] = {};
    ::GetMenuStringA(menu, i, text, sizeof text, MF_BYPOSITION);
    texts.push_back(text);
  }
  return texts;
}

UINT IdAt(HMENU menu, int position) {
  MENUITEMINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_ID | MIIM_BITMAP;
  ::GetMenuItemInfoA(menu, position, TRUE, &info);
  return info.hbmpItem == HBMMENU_CALLBACK ? info.wID : 0;
}

// A toolbar on a folder holding "Top" (b.txt, a.txt, x.bak of a hidden type,
// the folder Sub with inner.txt, the empty folder Empty), a shortcut to Top
// and note.txt, folders shown as menus.
class CascadeMenuTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ::OleInitialize(nullptr); }
  static void TearDownTestSuite() { ::OleUninitialize(); }
  void SetUp() override {
    g_opened.clear();
    ASSERT_TRUE(folder.AddFolder("Top"));
    for (const char* name : {"Top\\b.txt", "Top\\a.txt", "Top\\x.bak"})
      ASSERT_TRUE(folder.AddFile(name));
    ASSERT_TRUE(folder.AddFolder("Top\\Sub"));
    ASSERT_TRUE(folder.AddFile("Top\\Sub\\inner.txt"));
    ASSERT_TRUE(folder.AddFolder("Top\\Empty"));
    ASSERT_TRUE(folder.AddShortcut("Top link.lnk", (folder / "Top").c_str()));
    ASSERT_TRUE(folder.AddFile("note.txt"));

    ASSERT_TRUE(
        testsupport::CreateStandIn(parent, {0, 0, 600, 100}, WS_VISIBLE));
    qv::CreateArgs args;
    args.className = testsupport::PlainWindowClass();
    args.windowName = "";
    args.style = WS_CHILD | WS_VISIBLE;
    args.SetRect({2, 2, 402, 92});
    args.parent = parent;
    args.id = 1000;
    ASSERT_TRUE(pane.Create(args));
    pane.SetCascadeMenuShell(shell);

    CBarSettings& settings = host.settings;
    settings.m_bShowTabs = 0;
    settings.m_bBrowseMenus = 1;
    settings.m_hiddenTypes = {"bak\tBackup"};
    ASSERT_EQ(1, settings.AppendToolbar(
                     qv::UniqueIdList(qv::PathToIdList(folder.path(), nullptr)),
                     qv::kSortByName, ToolbarInfo{qv::kKindNormal, {}}));
    ToolbarButtons buttons;
    for (const char* name : {"Top", "Top link.lnk", "note.txt"}) {
      ToolbarButton button;
      button.name = name;
      qv::UniqueIdList full(qv::PathToIdList(folder / name, nullptr));
      button.item.reset(qv::CopyLastItemId(full.get()));
      ASSERT_TRUE(button.item) << name;
      buttons.push_back(std::move(button));
    }
    host.buttons.push_back(std::move(buttons));
    ASSERT_EQ(1, pane.CreateRows());
    pane.SetRowCells(40, 38, qv::kLinesAcross, 0);
    pane.FillRows(nullptr);
    ASSERT_EQ(1, pane.Place({2, 2, 402, 92}));
  }
  void TearDown() override {
    pane.DestroyWindow();
    parent.DestroyWindow();
  }

  // A click of `message` on button `button`, the cursor on it.
  void Click(int button, UINT message = WM_LBUTTONUP) {
    CButtonRow& row = *pane.GetRow(0);
    const RECT cell = row.GetCellRect(button);
    POINT screen{cell.left + 5, cell.top + 5};
    ::ClientToScreen(row, &screen);
    ::SetCursorPos(screen.x, screen.y);
    const LPARAM at = MAKELPARAM(cell.left + 5, cell.top + 5);
    if (message == WM_LBUTTONUP)
      row.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, at);
    row.SendMessage(message, 0, at);
  }

  TempFolder folder{"cascade"};
  testsupport::FakePaneHost host;
  ScriptedMenuShell shell;
  qv::CWnd parent;
  CToolbarPane pane{host, RecordOpen};
};

TEST_F(CascadeMenuTest, FolderDropsItsItemsAndSubMenusAreReadAsTheyOpen) {
  const Texts top{"Empty", "Sub", "a.txt", "b.txt"};
  shell.script = [&](HMENU menu, HWND owner) -> UINT {
    EXPECT_EQ(top, TextsOf(menu));
    HMENU empty = ::GetSubMenu(menu, 0);
    HMENU sub = ::GetSubMenu(menu, 1);
    EXPECT_EQ(0, ::GetMenuItemCount(sub));
    EXPECT_EQ(1, shell.reads);  // only the folder clicked
    for (int twice = 0; twice < 2; ++twice)
      ::SendMessageA(owner, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(sub), 1);
    EXPECT_EQ(Texts{"inner.txt"}, TextsOf(sub));
    ::SendMessageA(owner, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(empty), 0);
    EXPECT_EQ(Texts{"(Empty)"}, TextsOf(empty));
    EXPECT_TRUE(::GetMenuState(empty, 0, MF_BYPOSITION) & MF_GRAYED);
    EXPECT_EQ(3, shell.reads);

    // The icons are drawn by the menu's owner, small.
    MEASUREITEMSTRUCT measure{};
    measure.CtlType = ODT_MENU;
    measure.itemID = IdAt(menu, 2);
    EXPECT_TRUE(::SendMessageA(owner, WM_MEASUREITEM, 0,
                               reinterpret_cast<LPARAM>(&measure)));
    EXPECT_EQ(16u, measure.itemWidth);

    ::SendMessageA(owner, WM_MENURBUTTONUP, 3, reinterpret_cast<LPARAM>(menu));
    EXPECT_EQ(MND_ENDMENU, ::SendMessageA(owner, WM_MENUDRAG, 0,
                                          reinterpret_cast<LPARAM>(sub)));
    return IdAt(menu, 2);
  };
  Click(0);

  ASSERT_EQ(1u, shell.tracked.size());
  const ScriptedMenuShell::Tracked& tracked = shell.tracked[0];
  EXPECT_EQ(static_cast<UINT>(TPM_RETURNCMD | TPM_VERTICAL),
            tracked.flags & (TPM_RETURNCMD | TPM_VERTICAL | TPM_RIGHTBUTTON));
  // Below the bar, clear of it across the button's width.
  const RECT bar = parent.GetWindowRect();
  EXPECT_EQ(bar.bottom, tracked.at.y);
  EXPECT_EQ(bar.top, tracked.exclude.top);
  EXPECT_EQ(bar.bottom, tracked.exclude.bottom);

  EXPECT_EQ((std::vector<std::pair<int, std::string>>{
                {kOpenOverMenu, Lower(folder / "Top\\b.txt")},
                {0, Lower(folder / "Top\\a.txt")}}),
            g_opened);
  EXPECT_EQ(std::vector<std::string>{Lower(folder / "Top\\Sub\\inner.txt")},
            shell.dragged);
  EXPECT_EQ((std::vector<bool>{true, false}), host.menuUp);
  EXPECT_TRUE(host.browsed.empty());
}

TEST_F(CascadeMenuTest, ShortcutsEnterAndTheMenuKeyDropItARightClickDoesNot) {
  std::vector<Texts> shown;
  shell.script = [&](HMENU menu, HWND) -> UINT {
    shown.push_back(TextsOf(menu));
    return 0;  // dismissed
  };
  Click(1);                // the shortcut to Top
  Click(0, WM_RBUTTONUP);  // the folder's own shell menu
  Click(2);                // a file opens as ever
  pane.FocusFirstButton();
  pane.SendMessage(WM_KEYDOWN, VK_RETURN);
  pane.SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(pane.m_hWnd),
                   MAKELPARAM(-1, -1));

  const Texts top{"Empty", "Sub", "a.txt", "b.txt"};
  EXPECT_EQ((std::vector<Texts>{top, top, top}), shown);
  EXPECT_EQ((std::vector<std::pair<int, std::string>>{
                {1, Lower(folder / "Top")}, {0, Lower(folder / "note.txt")}}),
            g_opened);
  EXPECT_TRUE(host.browsed.empty());
}

}  // namespace
