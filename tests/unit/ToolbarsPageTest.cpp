// tests/unit/ToolbarsPageTest.cpp: the Toolbars page over a working copy:
// the folder tree's root, adding, removing and moving toolbars, and a moved
// toolbar reaching the bar's tabs and the registry after OK.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "bar/BarWindow.h"
#include "customize/ToolbarsPage.h"
#include "framework/PropertySheet.h"
#include "framework/WinApp.h"
#include "res/resource.h"
#include "shell/FolderNames.h"
#include "shell/ShellHelpers.h"
#include "tests/unit/support/FakeAppBarService.h"
#include "tests/unit/support/DialogInput.h"
#include "tests/unit/support/ModalDriver.h"
#include "tests/unit/support/PumpUntil.h"
#include "tests/unit/support/ScratchRegistry.h"
#include "tests/unit/support/TempFolder.h"

namespace {

using Lines = std::vector<std::string>;

constexpr char kSheet[] = "Toolbars Sheet";
constexpr int kToolbarsTab = 1;

class ToolbarsSheet : public qv::CPropertySheet {
 public:
  explicit ToolbarsSheet(CBarSettings& settings)
      : qv::CPropertySheet(kSheet, nullptr, 0) {
    page.SetSettings(&settings);
    AddPage(page);
  }
  CToolbarsPage page;
};

// Runs the sheet with `drive` acting on its page once it is up, then OK.
void RunPage(ToolbarsSheet& sheet, std::function<void(HWND page)> drive) {
  ModalDriver driver([&] {
    HWND wnd = ::FindWindowA(nullptr, kSheet);
    if (!wnd) return false;
    drive(PropSheet_GetCurrentPageHwnd(wnd));
    PropSheet_PressButton(wnd, PSBTN_OK);
    return true;
  });
  sheet.DoModal();
  EXPECT_TRUE(driver.Done());
}

Lines ListLines(HWND page) {
  HWND list = ::GetDlgItem(page, IDC_TOOLBAR_LIST);
  Lines lines;
  for (int i = 0; i < ListView_GetItemCount(list); ++i) {
    char text[MAX_PATH] = {};
    ListView_GetItemText(list, i, 0, text, sizeof text);
    lines.emplace_back(text);
  }
  return lines;
}

void Select(HWND page, std::vector<int> rows) {
  HWND list = ::GetDlgItem(page, IDC_TOOLBAR_LIST);
  ListView_SetItemState(list, -1, 0, LVIS_SELECTED);
  for (int row : rows)
    ListView_SetItemState(list, row, LVIS_SELECTED, LVIS_SELECTED);
}

// The root item labelled `text`, or null.
HTREEITEM RootItem(HWND tree, const std::string& text, int* children) {
  for (HTREEITEM item = TreeView_GetRoot(tree); item;
       item = TreeView_GetNextSibling(tree, item)) {
    char buffer[MAX_PATH] = {};
    TVITEMA tv{};
    tv.mask = TVIF_TEXT | TVIF_CHILDREN;
    tv.hItem = item;
    tv.pszText = buffer;
    tv.cchTextMax = sizeof buffer;
    TreeView_GetItem(tree, &tv);
    if (text == buffer) {
      *children = tv.cChildren;
      return item;
    }
  }
  return nullptr;
}

std::string LastName(const std::string& path) {
  return path.substr(path.find_last_of('\\') + 1);
}

void AppendFolder(CBarSettings& settings, const std::string& path,
                  ToolbarInfo info = {}) {
  settings.AppendToolbar(qv::UniqueIdList(qv::PathToIdList(path, nullptr)),
                         qv::kSortByName, std::move(info));
}

TEST(ToolbarsPageTest, RootHasSpecialFoldersAndDocumentsAddsAsDocuments) {
  CBarSettings settings;
  {
    ToolbarsSheet sheet(settings);
    RunPage(sheet, [](HWND page) {
      HWND tree = ::GetDlgItem(page, IDC_FOLDER_TREE);
      int children = -1;
      EXPECT_GT(TreeView_GetCount(tree), 2u);  // the desktop's folders too
      // The Start Menu's sub-folders are read when it is first expanded.
      HTREEITEM startMenu = RootItem(tree, "Start Menu", &children);
      ASSERT_TRUE(startMenu);
      EXPECT_EQ(1, children);
      EXPECT_FALSE(TreeView_GetChild(tree, startMenu));
      TreeView_Expand(tree, startMenu, TVE_EXPAND);
      EXPECT_TRUE(TreeView_GetChild(tree, startMenu));
      HTREEITEM documents = RootItem(tree, "Documents", &children);
      ASSERT_TRUE(documents);
      EXPECT_EQ(0, children);
      EXPECT_FALSE(Enabled(page, IDC_REMOVE));

      TreeView_SelectItem(tree, documents);
      Click(page, IDC_ADD);
      NMHDR dblclk{tree, IDC_FOLDER_TREE, static_cast<UINT>(NM_DBLCLK)};
      ::SendMessageA(page, WM_NOTIFY, IDC_FOLDER_TREE,
                     reinterpret_cast<LPARAM>(&dblclk));
      EXPECT_EQ((Lines{"Documents", "Documents"}), ListLines(page));
    });
  }
  ASSERT_EQ(2, settings.ToolbarCount());
  qv::UniqueIdList recent;
  ASSERT_TRUE(SUCCEEDED(
      ::SHGetSpecialFolderLocation(nullptr, CSIDL_RECENT, recent.put())));
  qv::ComPtr<IShellFolder> desktop;
  ASSERT_TRUE(SUCCEEDED(::SHGetDesktopFolder(desktop.GetAddressOf())));
  for (const ToolbarRecord& toolbar : settings.m_toolbars) {
    EXPECT_EQ(qv::kSortByName, toolbar.sortOrder);
    EXPECT_EQ(qv::kKindNormal, toolbar.info.kind);
    // The same folder; the lists' bytes also carry the folder's times, which
    // the first use of a new profile's Recent folder changes.
    EXPECT_EQ(0, static_cast<short>(HRESULT_CODE(desktop->CompareIDs(
                     0, recent.get(), toolbar.folder.get()))));
  }

  ToolbarsSheet again(settings);
  RunPage(again, [](HWND page) {
    EXPECT_EQ((Lines{"Documents", "Documents"}), ListLines(page));
  });
}

TEST(ToolbarsPageTest, DocumentsIsTheRecentFolderNotAFolderOfItsName) {
  qv::UniqueIdList recent;
  ASSERT_TRUE(SUCCEEDED(
      ::SHGetSpecialFolderLocation(nullptr, CSIDL_RECENT, recent.put())));
  std::string recentName;
  ASSERT_TRUE(qv::FolderDisplayName(recent.get(), &recentName));
  TempFolder temp("lookalike");
  ASSERT_TRUE(temp.AddFolder(recentName));
  CBarSettings settings;
  AppendFolder(settings, temp / recentName);
  settings.AppendToolbar(
      qv::UniqueIdList(qv::ConcatIdLists(nullptr, recent.get())),
      qv::kSortByName, ToolbarInfo{});
  ToolbarsSheet sheet(settings);
  RunPage(sheet, [&](HWND page) {
    EXPECT_EQ((Lines{recentName, "Documents"}), ListLines(page));
  });
}

TEST(ToolbarsPageTest, MovesOneRemovesSeveralAndKeepsAnUnreadableToolbar) {
  TempFolder a("a"), b("b"), c("c");
  CBarSettings settings;
  AppendFolder(settings, a.path());
  AppendFolder(settings, b.path(),
               ToolbarInfo{qv::kKindCustom,
                           {{qv::kEntryShownFile, "x.txt"},
                            {qv::kEntryShownFile, "y.txt"}}});
  AppendFolder(settings, c.path());
  // A toolbar whose folder's name cannot be read keeps its line and order.
  ToolbarRecord unreadable;
  unreadable.sortOrder = qv::kSortCustom;
  unreadable.info =
      ToolbarInfo{qv::kKindCustom, {{qv::kEntryShownFile, "z.txt"}}};
  settings.m_toolbars.push_back(std::move(unreadable));
  ToolbarsSheet sheet(settings);
  RunPage(sheet, [&](HWND page) {
    const Lines names{LastName(a.path()), LastName(b.path()),
                      LastName(c.path())};
    EXPECT_EQ((Lines{names[0], names[1], names[2], "(folder not available)"}),
              ListLines(page));
    Select(page, {1});
    EXPECT_TRUE(Enabled(page, IDC_UP) && Enabled(page, IDC_DOWN));
    HWND down = ::GetDlgItem(page, IDC_DOWN);
    ::SetFocus(down);
    Click(page, IDC_DOWN);
    EXPECT_EQ(down, ::GetFocus());  // the keyboard can press it again
    EXPECT_EQ(names[1], ListLines(page)[2]);
    EXPECT_EQ(LVIS_SELECTED,
              ListView_GetItemState(::GetDlgItem(page, IDC_TOOLBAR_LIST), 2,
                                    LVIS_SELECTED));
    Select(page, {0, 1});
    EXPECT_TRUE(Enabled(page, IDC_REMOVE));
    EXPECT_FALSE(Enabled(page, IDC_UP) || Enabled(page, IDC_DOWN));
    Click(page, IDC_REMOVE);
    EXPECT_EQ((Lines{names[1], "(folder not available)"}), ListLines(page));
  });
  ASSERT_EQ(2, settings.ToolbarCount());
  EXPECT_EQ(2u, settings.m_toolbars[0].info.entries.size());
  EXPECT_EQ(1u, settings.m_toolbars[1].info.entries.size());
  EXPECT_EQ(qv::kSortCustom, settings.m_toolbars[1].sortOrder);
}

class LinkFoldersBarTest : public testing::Test {
 protected:
  void SetUp() override { registry.WriteBaseline(); }
  ScratchCurrentUser registry;
  FakeAppBarService shell;
};

TEST_F(LinkFoldersBarTest, MovingDownAndOkReordersTabsAndStoredToolbars) {
  TempFolder a("first"), b("second");
  a.AddFile("one.txt");
  b.AddFile("two.txt");
  {
    CBarSettings settings;
    settings.Load();
    settings.m_toolbars.clear();
    AppendFolder(settings, a.path());
    AppendFolder(settings, b.path());
    settings.Save();
  }
  CBarWindow bar(shell);
  ASSERT_TRUE(bar.CreateBar());
  ASSERT_EQ(2, bar.TabStrip().GetTabCount());

  ModalDriver driver([&] {
    HWND sheet = ::FindWindowA(nullptr, "Customize Quorvane");
    if (!sheet) return false;
    PropSheet_SetCurSel(sheet, nullptr, kToolbarsTab);
    HWND page = PropSheet_GetCurrentPageHwnd(sheet);
    Select(page, {0});
    Click(page, IDC_DOWN);
    PropSheet_PressButton(sheet, PSBTN_OK);
    return true;
  });
  bar.SendMessage(WM_COMMAND, ID_CUSTOMIZE);
  ASSERT_TRUE(driver.Done());

  const std::string first = LastName(a.path()), second = LastName(b.path());
  ASSERT_EQ(2, bar.TabStrip().GetTabCount());
  EXPECT_EQ(second, bar.TabStrip().GetTab(0)->m_strText);
  EXPECT_EQ(first, bar.TabStrip().GetTab(1)->m_strText);
  // Each tab shows its own folder's buttons after the cache's reload, the
  // one not shown read once the bar has painted.
  ASSERT_TRUE(PumpUntil([&] { return bar.Model().FirstPending() < 0; }));
  ASSERT_TRUE(bar.Buttons(0) && bar.Buttons(1));
  EXPECT_EQ("two.txt", bar.Buttons(0)->at(0).name);
  EXPECT_EQ("one.txt", bar.Buttons(1)->at(0).name);

  CBarSettings stored;
  stored.Load();
  ASSERT_EQ(2, stored.ToolbarCount());
  char path[MAX_PATH] = {};
  ASSERT_TRUE(::SHGetPathFromIDListA(stored.m_toolbars[0].folder.get(), path));
  EXPECT_STRCASEEQ(b.path().c_str(), path);
}

}  // namespace
