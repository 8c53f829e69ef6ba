// bar/BarWindowHotKey.cpp: the keyboard's way into the bar: the stored hot
// key brings it forward with the focus on its first button, Ctrl+Tab steps
// through the tabs and Esc gives the keyboard back.
#include <windows.h>
#include <commctrl.h>

#include "bar/BarWindow.h"
#include "customize/HotKey.h"
#include "settings/portable/StoredSettings.h"

void CBarWindow::UpdateHotKey(UINT wanted) {
  if (wanted == m_nHeldHotKey) return;
  if (m_bHotKeyHeld) ::UnregisterHotKey(m_hWnd, BAR_HOTKEY);
  // A key taken by another program is not asked for again at each rebuild:
  // the bar works on without it, by the mouse, and the Options page says so.
  m_nHeldHotKey = wanted;
  m_bHotKeyHeld = LOBYTE(wanted) && qv::IsUsableHotKey(wanted) &&
                  ::RegisterHotKey(m_hWnd, BAR_HOTKEY,
                                   qv::HotKeyModifiers(wanted), LOBYTE(wanted));
}

LRESULT CBarWindow::OnHotKey(WPARAM id, LPARAM) {
  if (id == BAR_HOTKEY) BringForward();
  return 0;
}

void CBarWindow::TakeKeyboard() {
  HWND before = ::GetForegroundWindow();
  // An auto-hide bar slides out; its watch takes it back as it always does.
  ShowHiddenBar();
  // With the Customize sheet up, the sheet is what the user works in.
  HWND popup = ::GetLastActivePopup(m_hWnd);
  if (popup && popup != m_hWnd) {
    ::SetForegroundWindow(popup);
    return;
  }
  if (before && before != m_hWnd && !::IsChild(m_hWnd, before))
    m_hwndBeforeKeys = before;
  m_bKeyboardIn = true;
  ::SetForegroundWindow(m_hWnd);
  m_pane.FocusFirstButton();
}

void CBarWindow::OnSetFocus(HWND) {
  // The bar itself gets the focus when a click on the strip or the frame
  // activates it; left there, no key would work.
  if (m_pane.m_hWnd) ::SetFocus(m_pane.m_hWnd);
}

bool CBarWindow::KeyboardHoldsBar() {
  // A focus the user cannot see holds nothing.
  m_bKeyboardIn = m_bKeyboardIn && m_pane.ShowsKeyFocus() &&
                  ::GetForegroundWindow() == m_hWnd;
  return m_bKeyboardIn;
}

void CBarWindow::StepTab(int step) {
  const int count = m_tabStrip.GetTabCount();
  if (!Settings().m_bShowTabs || count < 2) return;
  // Round the strip, as Ctrl+Tab goes round the pages of a sheet.
  m_tabStrip.SelectTab((m_tabStrip.m_nCurSel + step % count + count) % count);
}

void CBarWindow::LeaveKeyboard() {
  HWND before = m_hwndBeforeKeys;
  m_hwndBeforeKeys = nullptr;
  m_bKeyboardIn = false;
  // With no window to go back to the bar keeps no focus; either way an
  // auto-hide bar slides in by its usual rules.
  if (before && ::IsWindow(before) && ::SetForegroundWindow(before)) return;
  ::SetFocus(nullptr);
}
