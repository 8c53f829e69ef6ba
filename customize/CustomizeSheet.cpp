// customize/CustomizeSheet.cpp: the sheet's pages, its working copy and its
// buttons.
#include "customize/CustomizeSheet.h"

#include <algorithm>

#include "customize/PageHelpTables.h"
#include "framework/Help.h"
#include "res/resource.h"

namespace {

constexpr int kApplyNowId = 12321;  // the sheet's Apply button

// A child's rectangle in its parent's client coordinates.
RECT ChildRect(HWND parent, HWND child) {
  RECT rc{};
  ::GetWindowRect(child, &rc);
  ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rc), 2);
  return rc;
}

// The sheet's own help: F1 on its tabs or buttons, and the help command
// reaching the sheet, are for the page on show.
LRESULT CALLBACK SheetHelpProc(HWND sheet, UINT message, WPARAM wParam,
                               LPARAM lParam, UINT_PTR, DWORD_PTR) {
  switch (message) {
    case WM_HELP:
      return qv::HandleHelpInfo(reinterpret_cast<const HELPINFO*>(lParam),
                                nullptr);
    case WM_COMMANDHELP:
      return qv::ForwardCommandHelp(sheet);
    case WM_NCDESTROY:
      ::RemoveWindowSubclass(sheet, SheetHelpProc, 0);
      return ::DefSubclassProc(sheet, message, wParam, lParam);
    default:
      return ::DefSubclassProc(sheet, message, wParam, lParam);
  }
}

// The sheet opens where its owner is, and a hidden auto-hide bar lies almost
// wholly past the screen's edge: the sheet is moved into the work area of its
// monitor, top left first when it is the larger, so its buttons are in reach.
void KeepInWorkArea(HWND sheet) {
  RECT rc{};
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (!::GetWindowRect(sheet, &rc) ||
      !::GetMonitorInfoA(::MonitorFromWindow(sheet, MONITOR_DEFAULTTONEAREST),
                         &monitor))
    return;
  const RECT& work = monitor.rcWork;
  const LONG x =
      std::max(work.left, std::min(rc.left, work.right - (rc.right - rc.left)));
  const LONG y =
      std::max(work.top, std::min(rc.top, work.bottom - (rc.bottom - rc.top)));
  if (x != rc.left || y != rc.top)
    ::SetWindowPos(sheet, nullptr, x, y, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

CCustomizeSheet::CCustomizeSheet(const char* caption, HWND parent,
                                 UINT startPage)
    : qv::CPropertySheet(caption, parent, startPage),
      m_tabs{&m_optionsPage, &m_toolbarsPage, &m_buttonsPage, &m_viewPage,
             &m_aboutPage} {
  m_psh.dwFlags |= PSH_HASHELP;
  SetCallback(&CCustomizeSheet::PropSheetCallback);
  for (CCustomizePage* page : m_tabs) AddPage(*page);
}

int CCustomizeSheet::SetSettings(const CBarSettings& settings) {
  const int copied = settings.CopyTo(m_settings);
  for (CCustomizePage* page : m_tabs)
    if (page != &m_aboutPage) page->SetSettings(&m_settings);
  return copied;
}

int CALLBACK CCustomizeSheet::PropSheetCallback(HWND sheet, UINT message,
                                                LPARAM) {
  if (message != PSCB_INITIALIZED) return 0;
  ::SetWindowSubclass(sheet, SheetHelpProc, 0, 0);
  KeepInWorkArea(sheet);
  HWND apply = ::GetDlgItem(sheet, kApplyNowId);
  if (apply) ::ShowWindow(apply, SW_HIDE);
  HWND ok = ::GetDlgItem(sheet, IDOK);
  HWND cancel = ::GetDlgItem(sheet, IDCANCEL);
  if (!apply || !ok || !cancel) return 0;

  const RECT applyRc = ChildRect(sheet, apply);
  const RECT cancelRc = ChildRect(sheet, cancel);
  const RECT okRc = ChildRect(sheet, ok);
  const int cx = okRc.right - okRc.left;
  const int cy = okRc.bottom - okRc.top;
  ::MoveWindow(apply, 0, 0, 0, 0, TRUE);
  ::MoveWindow(cancel, applyRc.left, applyRc.top, cx, cy, TRUE);
  ::MoveWindow(ok, cancelRc.left, cancelRc.top, cx, cy, TRUE);
  return 0;
}
