// tests/unit/HiddenTypesPageTest.cpp: the Add File Type dialog, and the View
// page editing a working copy of the settings inside a sheet.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "bar/BarWindow.h"
#include "customize/AddFileTypeDlg.h"
#include "customize/HiddenTypesPage.h"
#include "framework/PropertySheet.h"
#include "res/resource.h"
#include "shell/ShellHelpers.h"
#include "tests/unit/support/FakeAppBarService.h"
#include "tests/unit/support/DialogInput.h"
#include "tests/unit/support/ModalDriver.h"
#include "tests/unit/support/ScratchRegistry.h"
#include "tests/unit/support/TempFolder.h"
#include "toolbar/ToolbarFill.h"

namespace {

using Lines = std::vector<std::string>;

constexpr char kViewSheet[] = "View Sheet";
constexpr char kCustomize[] = "Customize Quorvane";
constexpr int kViewTab = 3;
using Step = std::function<bool()>;

// Runs steps in order, each until it answers true, at most one per tick so
// that a dialog ended in one step is gone before the next looks for one.
Step Script(std::vector<Step> steps) {
  return [steps = std::move(steps), next = size_t{0}]() mutable {
    if (steps[next]()) ++next;
    return next == steps.size();
  };
}

TEST(AddFileTypeDlgTest, OkOnlyWithBothFieldsAndGivesExtensionTabDescription) {
  CAddFileTypeDlg dialog;
  std::vector<bool> okEnabled;
  LRESULT limits[2] = {};
  ModalDriver driver([&] {
    HWND wnd = ::FindWindowA(nullptr, "Add File Type");
    if (!wnd) return false;
    limits[0] =
        ::SendDlgItemMessageA(wnd, IDC_TYPE_DESCRIPTION, EM_GETLIMITTEXT, 0, 0);
    limits[1] =
        ::SendDlgItemMessageA(wnd, IDC_TYPE_EXTENSION, EM_GETLIMITTEXT, 0, 0);
    okEnabled.push_back(Enabled(wnd, IDOK));
    ::SetDlgItemTextA(wnd, IDC_TYPE_EXTENSION, "bak");
    okEnabled.push_back(Enabled(wnd, IDOK));
    Click(wnd, IDOK);  // as Enter would: an empty field keeps it open
    ::SetDlgItemTextA(wnd, IDC_TYPE_DESCRIPTION, "Backups");
    okEnabled.push_back(Enabled(wnd, IDOK));
    Click(wnd, IDOK);
    return true;
  });
  EXPECT_EQ(IDOK, dialog.DoModal());
  EXPECT_EQ((std::vector<bool>{false, false, true}), okEnabled);
  EXPECT_EQ(80, limits[0]);
  EXPECT_EQ(3, limits[1]);
  EXPECT_EQ("bak\tBackups", dialog.Result());
}

class ViewSheet : public qv::CPropertySheet {
 public:
  explicit ViewSheet(CBarSettings& settings)
      : qv::CPropertySheet(kViewSheet, nullptr, 0) {
    page.SetSettings(&settings);
    AddPage(page);
  }
  CHiddenTypesPage page;
};

HWND Page(const char* sheetCaption = kViewSheet) {
  HWND sheet = ::FindWindowA(nullptr, sheetCaption);
  return sheet ? PropSheet_GetCurrentPageHwnd(sheet) : nullptr;
}

Lines ListLines(HWND page) {
  Lines lines;
  const auto count =
      ::SendDlgItemMessageA(page, IDC_HIDDEN_TYPES, LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    char text[128] = {};
    ::SendDlgItemMessageA(page, IDC_HIDDEN_TYPES, LB_GETTEXT, i,
                          reinterpret_cast<LPARAM>(text));
    lines.emplace_back(text);
  }
  return lines;
}

// Add Type runs its own modal loop, so it is posted and the next step finds
// the dialog it opened.
std::vector<Step> AddType(const char* extension, const char* description,
                          int button, const char* sheetCaption = kViewSheet) {
  return {[=] {
            HWND page = Page(sheetCaption);
            if (!page) return false;
            ::PostMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_ADD_TYPE, 0), 0);
            return true;
          },
          [=] {
            HWND wnd = ::FindWindowA(nullptr, "Add File Type");
            if (!wnd) return false;
            ::SetDlgItemTextA(wnd, IDC_TYPE_EXTENSION, extension);
            ::SetDlgItemTextA(wnd, IDC_TYPE_DESCRIPTION, description);
            Click(wnd, button);
            return true;
          }};
}

Step PressOk(const char* sheetCaption = kViewSheet) {
  return [=] {
    HWND sheet = ::FindWindowA(nullptr, sheetCaption);
    if (!sheet || ::FindWindowA(nullptr, "Add File Type")) return false;
    PropSheet_PressButton(sheet, PSBTN_OK);
    return true;
  };
}

std::vector<Step> Join(std::vector<std::vector<Step>> parts) {
  std::vector<Step> steps;
  for (auto& part : parts) steps.insert(steps.end(), part.begin(), part.end());
  return steps;
}

TEST(HiddenTypesPageTest, AddedTypesAreStoredSortedAndHideTheirFiles) {
  CBarSettings settings;
  settings.m_bShowAllFiles = 0;
  ViewSheet sheet(settings);
  Lines shown;
  bool hideChecked = false;
  ModalDriver driver(Script(Join({
      AddType("ZIP", "Archives", IDOK),
      AddType("bak", "Backups", IDOK),
      AddType("tmp", "Temporary files", IDCANCEL),
      {[&] {
         HWND page = Page();
         shown = ListLines(page);
         hideChecked = ::IsDlgButtonChecked(page, IDC_HIDE_TYPES) != 0;
         return true;
       },
       PressOk()},
  })));
  EXPECT_EQ(IDOK, sheet.DoModal());
  EXPECT_TRUE(hideChecked);
  const Lines expected = {"bak\tBackups", "ZIP\tArchives"};
  EXPECT_EQ(expected, shown);
  EXPECT_EQ(expected, settings.m_hiddenTypes);
  EXPECT_EQ(0u, settings.m_bShowAllFiles);
  EXPECT_EQ(1, IsHiddenFileType("OLD.BAK", settings));
}

TEST(HiddenTypesPageTest, RemoveNeedsASelectionAndShowAllFilesKeepsTheList) {
  CBarSettings settings;
  settings.m_bShowAllFiles = 0;
  settings.m_hiddenTypes = {"tmp\tTemporary files", "bak\tBackups"};
  ViewSheet sheet(settings);
  std::vector<bool> removeEnabled;
  ModalDriver driver(Script({
      [&] {
        HWND page = Page();
        if (!page) return false;
        removeEnabled.push_back(Enabled(page, IDC_REMOVE_TYPE));
        HWND list = ::GetDlgItem(page, IDC_HIDDEN_TYPES);
        ::SendMessageA(list, LB_SETCURSEL, 1, 0);
        ::SendMessageA(page, WM_COMMAND,
                       MAKEWPARAM(IDC_HIDDEN_TYPES, LBN_SELCHANGE),
                       reinterpret_cast<LPARAM>(list));
        removeEnabled.push_back(Enabled(page, IDC_REMOVE_TYPE));
        Click(page, IDC_REMOVE_TYPE);
        removeEnabled.push_back(Enabled(page, IDC_REMOVE_TYPE));
        ::CheckRadioButton(page, IDC_SHOW_ALL_FILES, IDC_HIDE_TYPES,
                           IDC_SHOW_ALL_FILES);
        return true;
      },
      PressOk(),
  }));
  EXPECT_EQ(IDOK, sheet.DoModal());
  EXPECT_EQ((std::vector<bool>{false, true, false}), removeEnabled);
  EXPECT_EQ(Lines{"bak\tBackups"}, settings.m_hiddenTypes);
  EXPECT_TRUE(settings.m_bShowAllFiles);
  EXPECT_EQ(0, IsHiddenFileType("OLD.BAK", settings));
}

// Through the bar's Customize command: the type added on the View tab is
// stored and its files leave the bar.
TEST(HiddenTypesPageTest, AnAddedTypeLeavesTheBarAfterOk) {
  ScratchCurrentUser registry;
  registry.WriteBaseline();
  TempFolder folder("view");
  ASSERT_TRUE(folder.AddFile("OLD.BAK") && folder.AddFile("keep.txt"));
  {
    CBarSettings stored;
    stored.Load();
    stored.AppendToolbar(
        qv::UniqueIdList(qv::PathToIdList(folder.path(), nullptr)),
        qv::kSortByName, ToolbarInfo{});
    stored.Save();
  }
  FakeAppBarService shell;
  CBarWindow bar(shell);
  ASSERT_TRUE(bar.CreateBar());
  ModalDriver driver(Script(Join({
      {[] {
        HWND sheet = ::FindWindowA(nullptr, kCustomize);
        if (!sheet) return false;
        PropSheet_SetCurSel(sheet, nullptr, kViewTab);
        return true;
      }},
      AddType("bak", "Backups", IDOK, kCustomize),
      {PressOk(kCustomize)},
  })));
  bar.SendMessage(WM_COMMAND, ID_CUSTOMIZE);

  CBarSettings stored;
  stored.Load();
  EXPECT_EQ(Lines{"bak\tBackups"}, stored.m_hiddenTypes);
  const ToolbarButtons* buttons = bar.Buttons(0);
  ASSERT_TRUE(buttons);
  Lines names;
  for (const ToolbarButton& button : *buttons) names.push_back(button.name);
  EXPECT_EQ(Lines{"keep.txt"}, names);
}

}  // namespace
