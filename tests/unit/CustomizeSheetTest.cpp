// tests/unit/CustomizeSheetTest.cpp: the Customize sheet driven from inside
// its modal loop: tabs and buttons, the Options page against the bar and the
// registry, Cancel and OK, the pages' help requests and the About figures.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "bar/BarWindow.h"
#include "customize/PageHelpTables.h"
#include "customize/CustomizeSheet.h"
#include "framework/WinApp.h"
#include "res/resource.h"
#include "shell/ShellHelpers.h"
#include "tests/unit/support/FakeAppBarService.h"
#include "tests/unit/support/ModalDriver.h"
#include "tests/unit/support/RecordingHelpUi.h"
#include "tests/unit/support/ScratchRegistry.h"
#include "tests/unit/support/ZOrderRequests.h"
#include "tests/unit/support/WaitForReads.h"

namespace {

constexpr char kCaption[] = "Customize Quorvane";
constexpr int kAboutTab = 4;
constexpr int kButtonsTab = 2;

HWND FindSheet() { return ::FindWindowA(nullptr, kCaption); }
HWND PageOf(HWND sheet) { return PropSheet_GetCurrentPageHwnd(sheet); }

std::string TabText(HWND tabs, int index) {
  char text[64] = {};
  TCITEMA item{};
  item.mask = TCIF_TEXT;
  item.pszText = text;
  item.cchTextMax = sizeof text;
  TabCtrl_GetItem(tabs, index, &item);
  return text;
}

std::string ComboText(HWND combo) {
  char text[64] = {};
  const LRESULT sel = ::SendMessageA(combo, CB_GETCURSEL, 0, 0);
  ::SendMessageA(combo, CB_GETLBTEXT, sel, reinterpret_cast<LPARAM>(text));
  return text;
}

// Every value of the bar's key, by name.
using Values = std::map<std::string, std::vector<BYTE>>;
Values StoredValues() {
  Values values;
  qv::UniqueHKey key;
  if (::RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Veltmark\\Quorvane 1.5", 0,
                      KEY_READ, key.put()) != ERROR_SUCCESS)
    return values;
  for (DWORD i = 0;; ++i) {
    char name[256];
    BYTE data[4096];
    DWORD nameLen = sizeof name, dataLen = sizeof data, type = 0;
    if (::RegEnumValueA(key.get(), i, name, &nameLen, nullptr, &type, data,
                        &dataLen) != ERROR_SUCCESS)
      break;
    values[name].assign(data, data + dataLen);
    values[name].push_back(static_cast<BYTE>(type));
  }
  return values;
}

DWORD StoredDword(const char* name) {
  const std::vector<BYTE> v = StoredValues()[name];
  return v.size() == 5 ? *reinterpret_cast<const DWORD*>(v.data()) : ~0u;
}

class CustomizeSheetTest : public testing::Test {
 protected:
  void SetUp() override { registry.WriteBaseline(); }

  bool Create(CBarWindow& bar) { return CreateAndRead(bar); }

  static bool IsTopmost(HWND wnd) {
    return (::GetWindowLongPtrA(wnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
  }

  // Runs the sheet the way the bar's Customize command does, with `drive`
  // acting on the sheet once it is up.
  void Customize(CBarWindow& bar, std::function<void(HWND sheet)> drive) {
    ModalDriver driver([&] {
      HWND sheet = FindSheet();
      if (!sheet) return false;
      EXPECT_FALSE(IsTopmost(bar.m_hWnd));
      drive(sheet);
      return true;
    });
    bar.SendMessage(WM_COMMAND, ID_CUSTOMIZE);
    EXPECT_TRUE(driver.Done());
  }

  // Runs a sheet of its own over `settings`.
  static INT_PTR RunSheet(CCustomizeSheet& sheet,
                          std::function<void(HWND sheet)> drive) {
    ModalDriver driver([&] {
      HWND wnd = FindSheet();
      if (!wnd) return false;
      drive(wnd);
      return true;
    });
    return sheet.DoModal();
  }

  ScratchCurrentUser registry;
  FakeAppBarService shell;
};

TEST_F(CustomizeSheetTest, TabsInOrderOpeningOnOptionsWithOkCancelHelpOnly) {
  CBarSettings settings;
  CCustomizeSheet sheet(kCaption, nullptr, 0);
  ASSERT_EQ(1, sheet.SetSettings(settings));
  RunSheet(sheet, [](HWND wnd) {
    HWND tabs = PropSheet_GetTabControl(wnd);
    const char* expected[] = {"Options", "Toolbars", "Buttons", "View",
                              "About"};
    ASSERT_EQ(5, TabCtrl_GetItemCount(tabs));
    for (int i = 0; i < 5; ++i) EXPECT_EQ(expected[i], TabText(tabs, i));
    EXPECT_EQ(0, TabCtrl_GetCurSel(tabs));

    EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(wnd, 12321)));
    RECT ok, cancel, help;
    ::GetWindowRect(::GetDlgItem(wnd, IDOK), &ok);
    ::GetWindowRect(::GetDlgItem(wnd, IDCANCEL), &cancel);
    ::GetWindowRect(::GetDlgItem(wnd, IDHELP), &help);
    EXPECT_TRUE(::IsWindowVisible(::GetDlgItem(wnd, IDHELP)));
    // OK, Cancel, Help in a row, evenly spaced: no gap where Apply was.
    EXPECT_EQ(ok.top, help.top);
    EXPECT_EQ(cancel.top, help.top);
    EXPECT_LT(ok.right, cancel.left);
    EXPECT_LT(cancel.right, help.left);
    EXPECT_EQ(cancel.left - ok.right, help.left - cancel.right);
    PropSheet_PressButton(wnd, PSBTN_CANCEL);
  });
}

TEST_F(CustomizeSheetTest, OpensCentredOnTheWorkAreaBesideABarOnTheRight) {
  RECT area{};
  ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  // An owner where a bar docked on the right stands.
  HWND owner = ::CreateWindowExA(
      WS_EX_TOOLWINDOW, "STATIC", "", WS_POPUP, area.right - 60, area.top, 60,
      area.bottom - area.top, nullptr, nullptr, nullptr, nullptr);
  ASSERT_TRUE(owner);
  CBarSettings settings;
  CCustomizeSheet sheet(kCaption, owner, 0);
  sheet.SetSettings(settings);
  RECT rc{};
  RunSheet(sheet, [&](HWND wnd) {
    ::GetWindowRect(wnd, &rc);
    PropSheet_PressButton(wnd, PSBTN_CANCEL);
  });
  ::DestroyWindow(owner);
  EXPECT_GE(rc.left, area.left);
  EXPECT_GE(rc.top, area.top);
  EXPECT_LE(rc.right, area.right);
  EXPECT_LE(rc.bottom, area.bottom);
  EXPECT_NEAR((area.left + area.right) / 2, (rc.left + rc.right) / 2, 1);
  EXPECT_NEAR((area.top + area.bottom) / 2, (rc.top + rc.bottom) / 2, 1);
}

// The sheet is placed by its owner; a hidden auto-hide bar lies mostly past
// the screen's edge, and the sheet must still open with its buttons in reach.
TEST_F(CustomizeSheetTest, OpensInsideTheWorkAreaOverAHiddenBarOnEachEdge) {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  ::GetMonitorInfoA(::MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY),
                    &monitor);
  const RECT screen = monitor.rcMonitor;
  const RECT& work = monitor.rcWork;
  // A 60-pixel bar of which 2 pixels show, on each edge.
  const RECT hidden[] = {
      {screen.left, screen.bottom - 2, screen.right, screen.bottom + 58},
      {screen.right - 2, screen.top, screen.right + 58, screen.bottom},
      {screen.left, screen.top - 58, screen.right, screen.top + 2},
      {screen.left - 58, screen.top, screen.left + 2, screen.bottom}};
  for (const RECT& bar : hidden) {
    const std::unique_ptr<std::remove_pointer_t<HWND>, BOOL (*)(HWND)> owner(
        ::CreateWindowExA(WS_EX_TOOLWINDOW, "STATIC", "hidden bar",
                          WS_POPUP | WS_VISIBLE, bar.left, bar.top,
                          bar.right - bar.left, bar.bottom - bar.top, nullptr,
                          nullptr, nullptr, nullptr),
        [](HWND wnd) { return ::DestroyWindow(wnd); });
    CBarSettings settings;
    CCustomizeSheet sheet(kCaption, owner.get(), 0);
    ASSERT_EQ(1, sheet.SetSettings(settings));
    RunSheet(sheet, [&](HWND wnd) {
      RECT rc;
      ::GetWindowRect(wnd, &rc);
      EXPECT_GE(rc.left, work.left) << "bar at " << bar.left << "," << bar.top;
      EXPECT_GE(rc.top, work.top) << "bar at " << bar.left << "," << bar.top;
      EXPECT_LE(rc.right, work.right)
          << "bar at " << bar.left << "," << bar.top;
      EXPECT_LE(rc.bottom, work.bottom)
          << "bar at " << bar.left << "," << bar.top;
      PropSheet_PressButton(wnd, PSBTN_CANCEL);
    });
  }
}

// A rebuild while the sheet is up (the auto-hide bar sliding in, a display
// change) puts the bar back in its band without taking the keyboard and the
// mouse from the sheet, which stays in front of it.
TEST_F(CustomizeSheetTest, RebuildWhileUpLeavesTheSheetActiveAndInFront) {
  CBarWindow bar(shell);
  ASSERT_TRUE(Create(bar));
  Customize(bar, [&](HWND sheet) {
    ::SetActiveWindow(sheet);
    bar.Rebuild(RebuildRequest::Layout());
    EXPECT_EQ(sheet, ::GetActiveWindow());
    HWND below = sheet;
    while (below && below != bar.m_hWnd)
      below = ::GetWindow(below, GW_HWNDNEXT);
    EXPECT_EQ(bar.m_hWnd, below) << "the bar is above the sheet";
    PropSheet_PressButton(sheet, PSBTN_CANCEL);
  });
}

TEST_F(CustomizeSheetTest, CancelAfterEditsChangesNothingAndRestoresTopmost) {
  CBarWindow bar(shell);
  ASSERT_TRUE(Create(bar));
  const Values before = StoredValues();
  ZOrderRequests zorder(bar.m_hWnd);
  Customize(bar, [](HWND sheet) {
    HWND page = PageOf(sheet);
    ::SendDlgItemMessageA(page, IDC_ALIGNMENT, CB_SETCURSEL, 3, 0);
    ::CheckDlgButton(page, IDC_ALWAYS_ON_TOP, BST_UNCHECKED);
    PropSheet_SetCurSel(sheet, nullptr, kAboutTab);  // writes the copy
    PropSheet_PressButton(sheet, PSBTN_CANCEL);
  });
  EXPECT_EQ(before, StoredValues());
  EXPECT_EQ(HWND_TOPMOST, zorder.Last());
  EXPECT_EQ(qv::Edge::Top, bar.Settings().m_nAlignment);
}

TEST_F(CustomizeSheetTest, OkWithoutEditsKeepsEveryStoredValue) {
  {
    CBarSettings settings;
    settings.Load();
    char windows[MAX_PATH] = {};
    ::GetWindowsDirectoryA(windows, MAX_PATH);
    settings.AppendToolbar(qv::UniqueIdList(qv::PathToIdList(windows, nullptr)),
                           1, ToolbarInfo{3, {}});
    settings.m_hiddenTypes.push_back("bak\tBackups");
    settings.m_nMaxChars = 12;
    settings.Save();
  }
  CBarWindow bar(shell);
  ASSERT_TRUE(Create(bar));
  const Values before = StoredValues();
  Customize(bar, [](HWND sheet) { PropSheet_PressButton(sheet, PSBTN_OK); });
  EXPECT_EQ(before, StoredValues());
  EXPECT_EQ(1, bar.Settings().ToolbarCount());
}

TEST_F(CustomizeSheetTest, AlignmentShowsTheStoredEdgeAndOkDocksAtTheChosen) {
  registry.SetDword("Alignment", 2);
  registry.SetDword("Browse Separate", 0);
  CBarWindow bar(shell);
  ASSERT_TRUE(Create(bar));
  ZOrderRequests zorder(bar.m_hWnd);
  Customize(bar, [](HWND sheet) {
    HWND page = PageOf(sheet);
    EXPECT_EQ("Right", ComboText(::GetDlgItem(page, IDC_ALIGNMENT)));
    EXPECT_EQ(BST_CHECKED, ::IsDlgButtonChecked(page, IDC_BROWSE_TOOLBAR));
    ::SendDlgItemMessageA(page, IDC_ALIGNMENT, CB_SETCURSEL, 1, 0);
    PropSheet_PressButton(sheet, PSBTN_OK);
  });
  EXPECT_EQ(1u, StoredDword("Alignment"));
  const RECT band = shell.BandOf(bar.m_hWnd);
  EXPECT_EQ(0, band.top);
  EXPECT_EQ(::GetSystemMetrics(SM_CXSCREEN), band.right - band.left);
  EXPECT_EQ(HWND_TOPMOST, zorder.Last());
}

TEST_F(CustomizeSheetTest, FoldersAsMenusAreStoredApartFromBrowseSeparate) {
  registry.SetDword("Browse Separate", 1);
  CBarWindow bar(shell);
  ASSERT_TRUE(Create(bar));
  auto choose = [&](int chosen, int shown) {
    Customize(bar, [&](HWND sheet) {
      HWND page = PageOf(sheet);
      const int ids[] = {IDC_BROWSE_SEPARATE, IDC_BROWSE_TOOLBAR,
                         IDC_BROWSE_MENUS};
      for (int id : ids)
        EXPECT_EQ(id == shown ? BST_CHECKED : BST_UNCHECKED,
                  ::IsDlgButtonChecked(page, id))
            << id;
      // Checking one radio button clears the others of its group.
      for (int id : ids)
        ::CheckDlgButton(page, id, id == chosen ? BST_CHECKED : BST_UNCHECKED);
      PropSheet_PressButton(sheet, PSBTN_OK);
    });
  };
  // Menus keep "Browse Separate" for a bar that does not know them.
  choose(IDC_BROWSE_MENUS, IDC_BROWSE_SEPARATE);
  EXPECT_EQ(1u, StoredDword("Browse Menus"));
  EXPECT_EQ(1u, StoredDword("Browse Separate"));
  choose(IDC_BROWSE_TOOLBAR, IDC_BROWSE_MENUS);
  EXPECT_EQ(0u, StoredDword("Browse Menus"));
  EXPECT_EQ(0u, StoredDword("Browse Separate"));
}

constexpr UINT kCtrlAlt = HOTKEYF_CONTROL | HOTKEYF_ALT;

// Puts `key` in the Options page's hot-key control as a user's keys do.
void ChooseHotKey(HWND page, UINT key) {
  HWND control = ::GetDlgItem(page, IDC_HOT_KEY);
  ::SendMessageA(control, HKM_SETHOTKEY, key, 0);
  ::SendMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_HOT_KEY, EN_CHANGE),
                 reinterpret_cast<LPARAM>(control));
}

std::string TakenNote(HWND page) {
  char text[128] = {};
  ::GetDlgItemTextA(page, IDC_HOT_KEY_TAKEN, text, sizeof text);
  return text;
}

// Whether some window of this process holds the key (ours is then refused).
bool Held(UINT modifiers, UINT vk) {
  if (!::RegisterHotKey(nullptr, 0x100, modifiers, vk)) return true;
  ::UnregisterHotKey(nullptr, 0x100);
  return false;
}

TEST_F(CustomizeSheetTest, LoneLetterIsRefusedAndTheChosenKeyTakenAtOnce) {
  registry.SetDword("Hot Key", 'A');
  CBarWindow bar(shell);
  ASSERT_TRUE(Create(bar));
  EXPECT_FALSE(Held(0, 'A'));
  EXPECT_TRUE(Held(MOD_CONTROL | MOD_ALT, VK_HOME));

  Customize(bar, [](HWND sheet) {
    HWND page = PageOf(sheet);
    // Shown as Home, not as the keypad's 7.
    EXPECT_EQ(VK_HOME | (kCtrlAlt | HOTKEYF_EXT) << 8,
              ::SendDlgItemMessageA(page, IDC_HOT_KEY, HKM_GETHOTKEY, 0, 0));
    EXPECT_EQ("", TakenNote(page));  // the bar's own key
    ChooseHotKey(page, 'Q' | kCtrlAlt << 8);
    PropSheet_PressButton(sheet, PSBTN_OK);
  });
  EXPECT_EQ('Q' | kCtrlAlt << 8, StoredDword("Hot Key"));
  EXPECT_TRUE(Held(MOD_CONTROL | MOD_ALT, 'Q'));
  EXPECT_FALSE(Held(MOD_CONTROL | MOD_ALT, VK_HOME));
}

TEST_F(CustomizeSheetTest, KeyAnotherProgramHoldsIsReportedOnTheOptionsPage) {
  ASSERT_TRUE(::RegisterHotKey(nullptr, 0x101, MOD_CONTROL | MOD_ALT, VK_END));
  registry.SetDword("Hot Key", VK_END | kCtrlAlt << 8);
  CBarWindow bar(shell);
  ASSERT_TRUE(Create(bar));
  Customize(bar, [](HWND sheet) {
    HWND page = PageOf(sheet);
    EXPECT_NE("", TakenNote(page));
    ChooseHotKey(page, VK_F8 | kCtrlAlt << 8);
    EXPECT_EQ("", TakenNote(page));
    PropSheet_PressButton(sheet, PSBTN_CANCEL);
  });
  ::UnregisterHotKey(nullptr, 0x101);
}

TEST_F(CustomizeSheetTest, NameLengthArrowsWrapAtBothEnds) {
  CBarSettings settings;
  settings.m_nMaxChars = 128;
  CCustomizeSheet sheet(kCaption, nullptr, 0);
  sheet.SetSettings(settings);
  const INT_PTR result = RunSheet(sheet, [](HWND wnd) {
    HWND page = PageOf(wnd);
    HWND edit = ::GetDlgItem(page, IDC_MAX_CHARS);
    auto position = [&] {
      return ::SendDlgItemMessageA(page, IDC_MAX_CHARS_SPIN, UDM_GETPOS32, 0,
                                   0);
    };
    EXPECT_EQ(128, position());
    ::SendMessageA(edit, WM_KEYDOWN, VK_UP, 0);
    EXPECT_EQ(0, position());
    ::SendMessageA(edit, WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(128, position());
    ::SendMessageA(edit, WM_KEYDOWN, VK_DOWN, 0);
    ::SetWindowTextA(edit, "junk");  // not a number: the position stays
    PropSheet_PressButton(wnd, PSBTN_OK);
  });
  EXPECT_EQ(IDOK, result);
  EXPECT_EQ(127, sheet.Settings().m_nMaxChars);
}

TEST_F(CustomizeSheetTest, OptionsHelpPageNamesEveryControl) {
  std::ifstream file(qv::HelpFolder() + "topic38.html");
  std::string page((std::istreambuf_iterator<char>(file)),
                   std::istreambuf_iterator<char>());
  // One line's words, whatever the breaks of the page's text.
  for (char& c : page)
    if (c == '\n') c = ' ';
  CBarSettings settings;
  CCustomizeSheet sheet(kCaption, nullptr, 0);
  sheet.SetSettings(settings);
  std::vector<std::string> labels;
  RunSheet(sheet, [&](HWND wnd) {
    for (HWND child = ::GetWindow(PageOf(wnd), GW_CHILD); child;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
      char text[128] = {}, kind[32] = {};
      ::GetWindowTextA(child, text, sizeof text);
      ::GetClassNameA(child, kind, sizeof kind);
      std::string label;
      for (const char* c = text; *c; ++c)
        if (*c != '&') label += *c;
      if (!label.empty() && label.back() == ':') label.pop_back();
      if (!label.empty() &&
          (!lstrcmpiA(kind, "Button") || !lstrcmpiA(kind, "Static")))
        labels.push_back(label);
    }
    PropSheet_PressButton(wnd, PSBTN_CANCEL);
  });
  EXPECT_GE(labels.size(), 10u);
  for (const std::string& label : labels)
    EXPECT_NE(std::string::npos, page.find(label)) << label;
}

TEST_F(CustomizeSheetTest, PagesAskForTheirTopicAndTheirControlsContexts) {
  RecordingHelpUi help;
  const qv::HelpUiOverride useHelp(help);
  CBarSettings settings;
  CCustomizeSheet sheet(kCaption, nullptr, 0);
  sheet.SetSettings(settings);
  RunSheet(sheet, [](HWND wnd) {
    HWND options = PageOf(wnd);
    ::SendMessageA(options, WM_CONTEXTMENU,
                   reinterpret_cast<WPARAM>(::GetDlgItem(options, IDC_ANIMATE)),
                   MAKELPARAM(10, 10));
    ::SendMessageA(wnd, WM_COMMANDHELP, 0, 0);  // F1 on the sheet's buttons
    PropSheet_SetCurSel(wnd, nullptr, kAboutTab);
    ::SendMessageA(PageOf(wnd), WM_COMMANDHELP, 0, 0);  // F1
    PropSheet_SetCurSel(wnd, nullptr, kButtonsTab);
    PropSheet_PressButton(wnd, PSBTN_HELP);
    PropSheet_PressButton(wnd, PSBTN_CANCEL);
  });
  ASSERT_EQ(1u, help.popups.size());
  EXPECT_EQ(53u, help.popups[0].second);
  EXPECT_EQ((std::vector<std::string>{qv::HelpFolder() + "topic38.html",
                                      qv::HelpFolder() + "topic4.html",
                                      qv::HelpFolder() + "topic54.html"}),
            help.opened);
  // The same control id means different things on different pages.
  EXPECT_EQ(17u, qv::FindHelpContext(kButtonsHelpIds, IDC_UP));
  EXPECT_EQ(46u, qv::FindHelpContext(kToolbarsHelpIds, IDC_UP));
  EXPECT_EQ(0u, qv::FindHelpContext(kViewHelpIds, IDC_UP));
}

TEST_F(CustomizeSheetTest, AboutNamesTheCurrentDrive) {
  char directory[MAX_PATH] = {};
  ::GetCurrentDirectoryA(MAX_PATH, directory);
  CBarSettings settings;
  CCustomizeSheet sheet(kCaption, nullptr, kAboutTab);
  sheet.SetSettings(settings);
  std::string disk, memory;
  RunSheet(sheet, [&](HWND wnd) {
    char text[128] = {};
    ::GetDlgItemTextA(PageOf(wnd), IDC_DISK_SPACE, text, sizeof text);
    disk = text;
    ::GetDlgItemTextA(PageOf(wnd), IDC_MEMORY, text, sizeof text);
    memory = text;
    PropSheet_PressButton(wnd, PSBTN_CANCEL);
  });
  const std::string drive = std::string(" KB Free on ") +
                            static_cast<char>(::toupper(directory[0])) + ":";
  ASSERT_GT(disk.size(), drive.size());
  EXPECT_EQ(drive, disk.substr(disk.size() - drive.size()));
  EXPECT_EQ(" KB", memory.substr(memory.size() - 3));
}

DWORD g_modeDuringQuery = 0;
BOOL WINAPI DriveWithoutItsDisk(LPCSTR, LPDWORD, LPDWORD, LPDWORD, LPDWORD) {
  g_modeDuringQuery = ::GetThreadErrorMode();
  ::SetLastError(ERROR_NOT_READY);
  return FALSE;
}

TEST(AboutPageTest, DriveWithoutItsDiskIsUnavailableWithoutTheSystemsBox) {
  const DWORD before = ::GetThreadErrorMode();
  EXPECT_EQ("Unavailable", FreeDiskSpaceLine(&DriveWithoutItsDisk));
  EXPECT_TRUE(g_modeDuringQuery & SEM_FAILCRITICALERRORS);
  EXPECT_EQ(before, ::GetThreadErrorMode());
}

}  // namespace
