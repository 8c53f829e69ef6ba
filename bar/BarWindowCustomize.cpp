// bar/BarWindowCustomize.cpp: the Customize command: the sheet edits a copy
// of the settings, which replaces the bar's own only after OK.
#include "bar/BarWindow.h"
#include "customize/CustomizeSheet.h"

void CBarWindow::OnCustomize() {
  CCustomizeSheet sheet("Customize Quorvane", m_hWnd, 0);
  // A partial copy would let OK save a shortened toolbar list.
  if (!sheet.SetSettings(m_settings)) return;
  sheet.SetHeldHotKey(m_bHotKeyHeld ? m_nHeldHotKey : 0);
  // The sheet must be able to come in front of the bar.
  ::SetWindowPos(m_hWnd, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  if (sheet.DoModal() != IDOK) {
    ApplyZOrder();
    return;
  }

  const bool wasAutoHide = m_settings.m_bAutoHide != 0;
  if (!sheet.Settings().CopyTo(m_settings)) {
    // Nothing half-copied is saved: the bar goes back to what is stored.
    m_settings.Load();
  } else {
    m_settings.Save();
  }
  // A bar no longer auto-hidden stops watching the cursor, as the menu's
  // Auto Hide does.
  if (wasAutoHide && m_settings.m_bAutoHide == 0) {
    ::KillTimer(m_hWnd, AUTOHIDE_TIMER);
    m_bShown = 0;
  }
  Rebuild(RebuildRequest::All());
}
