// tests/unit/ButtonsPageTest.cpp: the Buttons page over a working copy of the
// settings inside a sheet: what it lists, its edits through the check-list
// box and buttons, the sort menu, and what it keeps when left.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "customize/ButtonsPage.h"
#include "framework/CheckListBox.h"
#include "framework/PropertySheet.h"
#include "res/resource.h"
#include "shell/ShellHelpers.h"
#include "tests/unit/support/ModalDriver.h"
#include "tests/unit/support/TempFolder.h"
#include "toolbar/ToolbarFill.h"

namespace {

using Lines = std::vector<std::string>;
constexpr char kSheet[] = "Buttons Sheet";
constexpr char kSpace[] = "-------------- space --------------";

class ButtonsSheet : public qv::CPropertySheet {
 public:
  explicit ButtonsSheet(CBarSettings& settings)
      : qv::CPropertySheet(kSheet, nullptr, 0) {
    page.SetSettings(&settings);
    AddPage(page);
  }
  CButtonsPage page;
};

HWND Page() {
  HWND sheet = ::FindWindowA(nullptr, kSheet);
  return sheet ? PropSheet_GetCurrentPageHwnd(sheet) : nullptr;
}

// Each line as "text" for a checked entry and "[text]" for an unchecked one.
Lines ListLines(HWND page) {
  HWND list = ::GetDlgItem(page, IDC_BUTTON_LIST);
  auto* checks =
      static_cast<qv::CCheckListBox*>(qv::CWnd::FromHandlePermanent(list));
  Lines lines;
  const auto count = ::SendMessageA(list, LB_GETCOUNT, 0, 0);
  for (int i = 0; i < count; ++i) {
    char text[300] = {};
    ::SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
    lines.push_back(
        checks && checks->GetCheck(i) ? text : "[" + std::string(text) + "]");
  }
  return lines;
}

void Command(HWND page, int id, int code = BN_CLICKED) {
  ::SendMessageA(page, WM_COMMAND, MAKEWPARAM(id, code),
                 reinterpret_cast<LPARAM>(::GetDlgItem(page, id)));
}

void Select(HWND page, int index) {
  ::SendDlgItemMessageA(page, IDC_BUTTON_LIST, LB_SETCURSEL, index, 0);
  Command(page, IDC_BUTTON_LIST, LBN_SELCHANGE);
}

// A click on entry `index`'s check box, as the mouse makes it.
void ClickCheck(HWND page, int index) {
  HWND list = ::GetDlgItem(page, IDC_BUTTON_LIST);
  RECT rc{};
  ::SendMessageA(list, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&rc));
  const LPARAM at = MAKELPARAM(rc.left + 4, (rc.top + rc.bottom) / 2);
  ::SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
  ::SendMessageA(list, WM_LBUTTONUP, 0, at);
}

// Runs the sheet, `drive` acting on the page once, then OK.
void RunSheet(CBarSettings& settings, std::function<void(HWND page)> drive) {
  ButtonsSheet sheet(settings);
  ModalDriver driver([&] {
    HWND page = Page();
    if (!page) return false;
    drive(page);
    PropSheet_PressButton(::GetParent(page), PSBTN_OK);
    return true;
  });
  sheet.DoModal();
  EXPECT_TRUE(driver.Done());
}

// The folder's names as listed (the file system's order, not sorted).
Lines FolderOrder(const TempFolder& folder, const CBarSettings& settings) {
  Lines names;
  ListFolderFiles(folder.path().c_str(), settings, &names);
  for (std::string& name : names) name = name.substr(0, name.rfind('.'));
  return names;
}

void AddToolbar(CBarSettings& settings, const TempFolder& folder,
                ToolbarInfo info = {}, UINT sortOrder = qv::kSortByDate) {
  settings.AppendToolbar(
      qv::UniqueIdList(qv::PathToIdList(folder.path(), nullptr)), sortOrder,
      std::move(info));
}

class ButtonsPageTest : public testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : {"zeta.txt", "alpha.lnk", "mid.doc"})
      ASSERT_TRUE(folder.AddFile(name));
    ASSERT_TRUE(folder.AddFile("secret.txt", 0, FILE_ATTRIBUTE_HIDDEN));
  }
  TempFolder folder{"buttons"};
  CBarSettings settings;
};

TEST_F(ButtonsPageTest, NeverCustomizedListsTheFolderCheckedAndStaysNormal) {
  AddToolbar(settings, folder);
  Lines shown;
  UINT customSortState = 0, dateState = 0;
  bool menuSeen = false;
  ButtonsSheet sheet(settings);
  int step = 0;
  ModalDriver driver([&] {
    HWND page = Page();
    if (!page) return false;
    if (step == 0) {
      shown = ListLines(page);
      ::PostMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_SORT, BN_CLICKED),
                     reinterpret_cast<LPARAM>(::GetDlgItem(page, IDC_SORT)));
      ++step;
      return false;
    }
    // Ticks go on inside the menu's loop.
    HWND popup = ::FindWindowA("#32768", nullptr);
    if (!popup) return false;
    HMENU menu =
        reinterpret_cast<HMENU>(::SendMessageA(popup, MN_GETHMENU, 0, 0));
    customSortState = ::GetMenuState(menu, ID_CUSTOM_SORT, MF_BYCOMMAND);
    dateState = ::GetMenuState(menu, ID_ORDER_BY_DATE, MF_BYCOMMAND);
    menuSeen = true;
    ::EndMenu();
    PropSheet_PressButton(::GetParent(page), PSBTN_OK);
    return true;
  });
  sheet.DoModal();
  EXPECT_EQ(FolderOrder(folder, settings), shown);
  EXPECT_EQ(3u, shown.size());
  ASSERT_TRUE(menuSeen);
  EXPECT_TRUE(customSortState & MF_GRAYED);
  EXPECT_TRUE(dateState & MF_CHECKED);
  const ToolbarRecord& toolbar = settings.m_toolbars[0];
  EXPECT_EQ(qv::kKindNormal, toolbar.info.kind);
  EXPECT_EQ(qv::kSortByDate, toolbar.sortOrder);
  EXPECT_TRUE(toolbar.info.entries.empty());
}

TEST_F(ButtonsPageTest, EditsMakeACustomOrderStoredInItsFormat) {
  AddToolbar(settings, folder);
  Lines folderOrder = FolderOrder(folder, settings);
  Lines shown;
  bool deleteEnabled = false;
  RunSheet(settings, [&](HWND page) {
    Select(page, 1);
    ClickCheck(page, 1);
    Select(page, 2);
    Command(page, IDC_ADD_SPACE);
    deleteEnabled = ::IsWindowEnabled(::GetDlgItem(page, IDC_DELETE));
    shown = ListLines(page);
    Command(page, ID_ORDER_BY_NAME);  // the order only
  });
  ASSERT_EQ(4u, shown.size());
  EXPECT_EQ("[" + folderOrder[1] + "]", shown[1]);
  EXPECT_EQ(kSpace, shown[2]);
  EXPECT_TRUE(deleteEnabled);

  ToolbarRecord& toolbar = settings.m_toolbars[0];
  EXPECT_EQ(qv::kKindCustom, toolbar.info.kind);
  EXPECT_EQ(qv::kSortByName, toolbar.sortOrder);
  std::string expected("C", 2);
  for (size_t i = 0; i < 4; ++i) {
    const ButtonEntry& entry = toolbar.info.entries[i];
    expected += i == 1 ? " " : i == 2 ? "\\" : "*";
    expected += entry.name + '\0';
  }
  expected += '\0';
  EXPECT_EQ(expected, qv::FormatToolbarInfo(toolbar.info));
}

TEST_F(ButtonsPageTest, ComboLeavesOutTheBrowseToolbarAndButtonsAreBitmaps) {
  TempFolder other("buttons-other");
  ASSERT_TRUE(other.AddFile("only.txt"));
  AddToolbar(settings, folder, ToolbarInfo{qv::kKindBrowse, {}});
  AddToolbar(settings, other);
  LRESULT count = 0;
  Lines shown;
  std::vector<LONG> bitmapWidths;
  RunSheet(settings, [&](HWND page) {
    for (int id : {IDC_UP, IDC_DOWN, IDC_SORT}) {
      RECT rc{};
      ::GetClientRect(::GetDlgItem(page, id), &rc);
      bitmapWidths.push_back(rc.right);
    }
    count = ::SendDlgItemMessageA(page, IDC_TOOLBAR_COMBO, CB_GETCOUNT, 0, 0);
    ::SendDlgItemMessageA(page, IDC_TOOLBAR_COMBO, CB_SETCURSEL, 0, 0);
    Command(page, IDC_TOOLBAR_COMBO, CBN_SELCHANGE);
    shown = ListLines(page);
  });
  EXPECT_EQ(1, count);
  EXPECT_EQ(Lines{"only"}, shown);
  EXPECT_EQ((std::vector<LONG>{24, 24, 24}), bitmapWidths);  // their bitmaps
}

// A folder that cannot be read (a removed drive) shows the stored order as
// it is, and the order is kept.
TEST_F(ButtonsPageTest, AnUnreadableFolderKeepsTheCustomOrder) {
  TempFolder gone("buttons-gone");
  const ToolbarInfo stored{qv::kKindCustom,
                           {{qv::kEntryHiddenFile, "a.txt"},
                            {qv::kEntryNewLine, ""},
                            {qv::kEntryShownFile, "b.txt"}}};
  AddToolbar(settings, gone, stored, qv::kSortCustom);
  ASSERT_TRUE(::RemoveDirectoryA(gone.path().c_str()));
  Lines shown;
  RunSheet(settings, [&](HWND page) { shown = ListLines(page); });
  EXPECT_EQ((Lines{"[a]", "------------ new line  ------------", "b"}), shown);
  EXPECT_EQ(qv::FormatToolbarInfo(stored),
            qv::FormatToolbarInfo(settings.m_toolbars[0].info));
}

}  // namespace
