// tests/soak/SoakDriver.cpp
#include "tests/soak/SoakDriver.h"

#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <vector>

#include "res/resource.h"
#include "tests/e2e/harness/Screen.h"
#include "tests/e2e/harness/SettingsKey.h"

using e2e::SettingsKey;

namespace {

constexpr char kSheetCaption[] = "Customize Quorvane";
constexpr int kPaneId = 1000;
constexpr int kTabStripId = 1001;
constexpr int kToolbars = 3;
constexpr int kCheckEvery = 4;

struct Command {
  UINT id;
  const char* name;
  bool toPane;  // the folder menu's own commands go to the pane
};

// Every command of the bar's menus but Help Topics, which starts another
// program, and Exit, which ends the run.
constexpr Command kCommands[] = {
    {ID_LEFT_ALIGN, "Left Align", false},
    {ID_RIGHT_ALIGN, "Right Align", false},
    {ID_TOP_ALIGN, "Top Align", false},
    {ID_BOTTOM_ALIGN, "Bottom Align", false},
    {ID_LARGE_ICONS, "Large Icons", false},
    {ID_SMALL_ICONS, "Small Icons", false},
    {ID_AUTO_HIDE, "Auto Hide", false},
    {ID_REFRESH_ICONS, "Refresh Icons", false},
    {ID_CUSTOMIZE, "Customize", false},
    {ID_UP_ONE_LEVEL, "Up One Level", true},
    {ID_SORT_BY_NAME, "Sort by Name", true},
    {ID_SORT_BY_TYPE, "Sort by Type", true},
    {ID_SORT_BY_SIZE, "Sort by Size", true},
    {ID_SORT_BY_DATE, "Sort by Date", true},
    {ID_CUSTOM_SORT, "Custom Sort", true},
};

std::string Format(const char* format, long a = 0, long b = 0, long c = 0) {
  char text[200];
  std::snprintf(text, sizeof text, format, a, b, c);
  return text;
}

std::string ClassOf(HWND wnd) {
  char name[64] = {};
  ::GetClassNameA(wnd, name, sizeof name);
  return name;
}

std::string TextOf(HWND wnd) {
  char text[256] = {};
  ::GetWindowTextA(wnd, text, sizeof text);
  return text;
}

struct ProcessWindows {
  DWORD processId;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectTopLevel(HWND wnd, LPARAM param) {
  auto* windows = reinterpret_cast<ProcessWindows*>(param);
  DWORD owner = 0;
  ::GetWindowThreadProcessId(wnd, &owner);
  if (owner == windows->processId && ::IsWindowVisible(wnd))
    windows->found.push_back(wnd);
  return TRUE;
}

std::vector<HWND> TopLevelWindows(DWORD processId) {
  ProcessWindows windows{processId, {}};
  ::EnumWindows(&CollectTopLevel, reinterpret_cast<LPARAM>(&windows));
  return windows.found;
}

// A button of the sheet found by its caption, as the user reads it.
HWND SheetButton(HWND sheet, const char* caption) {
  for (HWND child = ::GetWindow(sheet, GW_CHILD); child;
       child = ::GetWindow(child, GW_HWNDNEXT)) {
    if (!::IsWindowVisible(child) || ClassOf(child) != "Button") continue;
    std::string text = TextOf(child);
    text.erase(std::remove(text.begin(), text.end(), '&'), text.end());
    if (text == caption) return child;
  }
  return nullptr;
}

POINT Centre(HWND wnd) {
  RECT rc{};
  ::GetWindowRect(wnd, &rc);
  return POINT{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
}

// One toolbar folder with a few files in it.
std::string MakeFolder(int index) {
  char base[MAX_PATH];
  ::GetTempPathA(MAX_PATH, base);
  const std::string folder =
      std::string(base) + "quorvane-soak-" + std::to_string(index);
  ::CreateDirectoryA(folder.c_str(), nullptr);
  for (int i = 0; i < 4 + index; ++i) {
    const std::string file =
        folder + "\\item " + std::to_string(i) + (i % 2 ? ".txt" : ".dat");
    HANDLE f = ::CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr,
                             CREATE_ALWAYS, 0, nullptr);
    if (f != INVALID_HANDLE_VALUE) ::CloseHandle(f);
  }
  return folder;
}

}  // namespace

SoakDriver::SoakDriver(uint32_t seed) : m_seed(seed), m_rng(seed) {}

SoakDriver::~SoakDriver() {
  if (m_process) ::CloseHandle(m_process);
}

bool SoakDriver::Start() {
  SettingsKey::Delete();
  SettingsKey::CreateQuiet();
  SettingsKey::SetDword("Auto Hide", 1);
  SettingsKey::SetDword("Animate", 1);
  for (int i = 0; i < kToolbars; ++i)
    if (!SettingsKey::StoreToolbar(i, MakeFolder(i)))
      return Fail("cannot store toolbars");
  SettingsKey::SetDword("No. of Folders", kToolbars);

  m_bar = std::make_unique<e2e::BarProcess>();
  if (!m_bar->Start()) return Fail("the bar did not start");
  m_process = ::OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE,
                            m_bar->ProcessId());

  // Warm-up: the sheet once through every page, so that what a first use
  // loads once is in the baseline.
  m_bar->Post(WM_COMMAND, ID_CUSTOMIZE);
  HWND sheet = nullptr;
  for (int waited = 0; !sheet && waited < 5000; waited += 50) {
    ::Sleep(50);
    sheet = Sheet();
  }
  if (!sheet) return Fail("the warm-up's Customize sheet did not open");
  for (int page = 0; page < 5; ++page) {
    ::PostMessageA(sheet, PSM_SETCURSEL, page, 0);
    ::Sleep(150);
  }
  ::PostMessageA(sheet, WM_COMMAND, IDCANCEL, 0);
  for (int waited = 0; ::IsWindow(sheet) && waited < 5000; waited += 50)
    ::Sleep(50);
  if (::IsWindow(sheet)) return Fail("the warm-up's sheet did not close");
  m_bar->Settle();
  ::Sleep(500);
  m_baseline = Counters();
  std::printf("soak: counters after the warm-up: %s\n",
              Describe(m_baseline).c_str());
  return true;
}

bool SoakDriver::Run(int seconds) {
  const ULONGLONG end =
      ::GetTickCount64() + static_cast<ULONGLONG>(seconds) * 1000;
  while (::GetTickCount64() < end) {
    OneAction();
    if (!m_failure.empty()) return false;
    if (m_actions % kCheckEvery == 0 && !Check()) return false;
    ::Sleep(20 + Next(200));
  }
  return Check();
}

void SoakDriver::OneAction() {
  ++m_actions;
  if (Sheet()) {
    // With the sheet up, mostly the sheet; the rest goes on around it.
    const uint32_t roll = Next(10);
    if (roll < 3) {
      PageSheet();
      return;
    }
    if (roll < 5) {
      CloseSheet();
      return;
    }
  }
  switch (Next(12)) {
    case 0:
    case 1:
      PostCommand();
      break;
    case 2:
    case 3:
      ClickTab();
      break;
    case 4:
    case 5:
    case 6:
      MoveOn();
      break;
    case 7:
    case 8:
      MoveOff();
      break;
    case 9:
      SendNotice();
      break;
    default:
      if (Sheet())
        PageSheet();
      else
        OpenCustomize();
      break;
  }
}

void SoakDriver::Note(const std::string& action) {
  m_recent.push_back(Format("#%ld ", m_actions) + action);
  if (m_recent.size() > 8) m_recent.pop_front();
}

bool SoakDriver::Fail(const std::string& what) {
  m_failure = Format("seed %lu, after action #%ld: ", static_cast<long>(m_seed),
                     m_actions) +
              what + "\nthe last actions:";
  for (const std::string& action : m_recent) m_failure += "\n  " + action;
  e2e::Screenshot::CaptureScreen().Save("soak-failure");
  return false;
}

void SoakDriver::PostCommand() {
  const Command& command = kCommands[Next(std::size(kCommands))];
  HWND target = command.toPane ? ::GetDlgItem(Bar(), kPaneId) : Bar();
  Note(std::string("command ") + command.name);
  ::PostMessageA(target, WM_COMMAND, command.id, 0);
}

void SoakDriver::ClickTab() {
  HWND strip = ::GetDlgItem(Bar(), kTabStripId);
  RECT rc{};
  ::GetWindowRect(strip, &rc);
  const int x = rc.left + 2 +
                static_cast<int>(Next(static_cast<uint32_t>(
                    std::max<LONG>(rc.right - rc.left - 4, 1))));
  const int y = rc.top + 2 +
                static_cast<int>(Next(static_cast<uint32_t>(
                    std::max<LONG>(rc.bottom - rc.top - 4, 1))));
  Note(Format("click on the tab strip at %ld,%ld", x, y));
  e2e::Click(x, y);
}

void SoakDriver::MoveOn() {
  // The middle of the bar's window: on a hidden bar, its strip.
  const POINT point = Centre(Bar());
  const DWORD stay = Next(1500);
  Note(Format("mouse on the bar at %ld,%ld for %ld ms", point.x, point.y,
              static_cast<long>(stay)));
  e2e::MoveMouse(point.x + static_cast<int>(Next(3)) - 1, point.y);
  e2e::MoveMouse(point.x, point.y);
  ::Sleep(stay);
}

void SoakDriver::MoveOff() {
  const int cx = ::GetSystemMetrics(SM_CXSCREEN);
  const int cy = ::GetSystemMetrics(SM_CYSCREEN);
  const int x = cx / 4 + static_cast<int>(Next(cx / 2));
  const int y = cy / 4 + static_cast<int>(Next(cy / 2));
  const DWORD stay = Next(1500);
  Note(Format("mouse off the bar at %ld,%ld for %ld ms", x, y,
              static_cast<long>(stay)));
  e2e::MoveMouse(x, y);
  ::Sleep(stay);
}

void SoakDriver::SendNotice() {
  const bool display = Next(2) == 0;
  Note(display ? "WM_DISPLAYCHANGE to the bar's windows"
               : "WM_SETTINGCHANGE (work area) to the bar's windows");
  const int cx = ::GetSystemMetrics(SM_CXSCREEN);
  const int cy = ::GetSystemMetrics(SM_CYSCREEN);
  // As a broadcast reaches them: each top-level window, sent with a time-out.
  for (HWND wnd : TopLevelWindows(m_bar->ProcessId())) {
    DWORD_PTR result = 0;
    if (display)
      ::SendMessageTimeoutA(wnd, WM_DISPLAYCHANGE, 32, MAKELPARAM(cx, cy),
                            SMTO_ABORTIFHUNG, 3000, &result);
    else
      ::SendMessageTimeoutA(wnd, WM_SETTINGCHANGE, SPI_SETWORKAREA, 0,
                            SMTO_ABORTIFHUNG, 3000, &result);
  }
}

void SoakDriver::OpenCustomize() {
  Note("Customize");
  m_bar->Post(WM_COMMAND, ID_CUSTOMIZE);
  for (int waited = 0; !Sheet() && waited < 3000; waited += 50) ::Sleep(50);
}

void SoakDriver::PageSheet() {
  HWND sheet = Sheet();
  HWND tabs =
      reinterpret_cast<HWND>(::SendMessageA(sheet, PSM_GETTABCONTROL, 0, 0));
  if (!tabs) return;
  RECT rc{};
  ::GetWindowRect(tabs, &rc);
  // The row of tab headers along the control's top.
  const int width = std::min<LONG>(rc.right - rc.left - 4, 300);
  const int x = rc.left + 2 + static_cast<int>(Next(std::max(width, 1)));
  const int y = rc.top + 4 + static_cast<int>(Next(12));
  Note(Format("click on the sheet's tabs at %ld,%ld", x, y));
  e2e::Click(x, y);
}

bool SoakDriver::CloseSheet() {
  HWND sheet = Sheet();
  const bool ok = Next(2) == 0;
  HWND button = SheetButton(sheet, ok ? "OK" : "Cancel");
  if (!button) return Fail("the sheet shows no OK or Cancel button");
  const POINT at = Centre(button);
  Note(Format(ok ? "OK at %ld,%ld" : "Cancel at %ld,%ld", at.x, at.y));
  e2e::Click(at.x, at.y);
  for (int waited = 0; ::IsWindow(sheet) && waited < 3000; waited += 50)
    ::Sleep(50);
  if (!::IsWindow(sheet)) return true;

  HWND under = ::WindowFromPoint(at);
  DWORD underProcess = 0;
  ::GetWindowThreadProcessId(under, &underProcess);
  RECT bar{};
  ::GetWindowRect(Bar(), &bar);
  int sheets = 0;
  for (HWND wnd : TopLevelWindows(m_bar->ProcessId()))
    if (TextOf(wnd) == kSheetCaption) ++sheets;
  GUITHREADINFO gui{};
  gui.cbSize = sizeof gui;
  ::GetGUIThreadInfo(::GetWindowThreadProcessId(Bar(), nullptr), &gui);
  const auto name = [&](HWND wnd) {
    return !wnd           ? std::string("none")
           : wnd == Bar() ? std::string("the bar")
           : wnd == sheet ? std::string("the sheet")
                          : ClassOf(wnd) + " \"" + TextOf(wnd) + "\"";
  };
  return Fail(
      "the bar's thread: active " + name(gui.hwndActive) + ", focus " +
      name(gui.hwndFocus) + ", capture " + name(gui.hwndCapture) +
      Format(", flags %#lx; ", static_cast<long>(gui.flags)) +
      std::string("the sheet stayed open after its ") + (ok ? "OK" : "Cancel") +
      Format(" (sheet enabled %ld, %ld sheets up, ", ::IsWindowEnabled(sheet),
             sheets) +
      "under the click: " + ClassOf(under) + " \"" + TextOf(under) + "\"" +
      (underProcess == m_bar->ProcessId() ? "" : " of another process") +
      Format(", bar at %ld,%ld", bar.left, bar.top) +
      Format(" to %ld,%ld, bar enabled %ld)", bar.right, bar.bottom,
             ::IsWindowEnabled(Bar())));
}

bool SoakDriver::Check() {
  if (!m_bar->Running() || !::IsWindow(Bar())) return Fail("the bar is gone");
  DWORD_PTR result = 0;
  if (!::SendMessageTimeoutA(Bar(), WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result))
    return Fail("the bar did not answer within 5 seconds");
  for (HWND wnd : TopLevelWindows(m_bar->ProcessId())) {
    if (ClassOf(wnd) != "#32770" || TextOf(wnd) == kSheetCaption) continue;
    std::string text;
    for (HWND child = ::GetWindow(wnd, GW_CHILD); child;
         child = ::GetWindow(child, GW_HWNDNEXT))
      if (ClassOf(child) == "Static") text += TextOf(child) + " ";
    return Fail("a message box is up: \"" + TextOf(wnd) + "\": " + text);
  }
  return true;
}

HWND SoakDriver::Sheet() const {
  for (HWND wnd : TopLevelWindows(m_bar->ProcessId()))
    if (TextOf(wnd) == kSheetCaption) return wnd;
  return nullptr;
}

OutsideCounters SoakDriver::Counters() const {
  return CountOutside(m_process, m_bar->ProcessId());
}

bool SoakDriver::Finish() {
  if (HWND sheet = Sheet()) {
    ::PostMessageA(sheet, WM_COMMAND, IDCANCEL, 0);
    for (int waited = 0; ::IsWindow(sheet) && waited < 3000; waited += 50)
      ::Sleep(50);
  }
  m_bar->Settle();
  ::Sleep(1000);
  const OutsideCounters end = Counters();
  std::printf("soak: %ld actions; counters at the end: %s\n", m_actions,
              Describe(end).c_str());
  const std::string grown = GrowthPastSlack(m_baseline, end);
  if (!grown.empty()) return Fail("counters grew: " + grown);

  const DWORD folders = SettingsKey::GetDword("No. of Folders").value_or(0);
  Note("Exit");
  m_bar->Post(WM_COMMAND, ID_EXIT);
  DWORD code = 0;
  if (!m_bar->WaitForExit(10000, &code))
    return Fail("Exit did not end the bar");
  if (code != 0) return Fail(Format("the bar exited with code %ld", code));
  ::CloseHandle(m_process);
  m_process = nullptr;

  m_bar = std::make_unique<e2e::BarProcess>();
  if (!m_bar->Start()) return Fail("the bar did not start again");
  // Its toolbars are all still stored, and the current one shows buttons.
  HWND pane = ::GetDlgItem(Bar(), kPaneId);
  HWND row = ::GetWindow(pane, GW_CHILD);
  const long buttons =
      row ? static_cast<long>(::SendMessageA(row, TCM_GETITEMCOUNT, 0, 0)) : 0;
  const DWORD after = SettingsKey::GetDword("No. of Folders").value_or(0);
  if (folders < kToolbars || after != folders || buttons <= 0)
    return Fail(
        Format("started again with %ld toolbars stored (%ld before) "
               "and %ld buttons shown",
               static_cast<long>(after), static_cast<long>(folders), buttons));
  if (!Check()) return false;
  m_bar->Stop();
  return true;
}
