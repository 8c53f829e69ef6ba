// bar/BarWindowCustomize.cpp: the Customize command: the sheet edits a copy
// of the settings, which replaces the bar's own only after OK.
#include "bar/BarWindow.h"
#include "customize/CustomizeSheet.h"

void CBarWindow::OnCustomize() { Customize(0); }

void CBarWindow::Customize(UINT startPage) {
  CCustomizeSheet sheet("Customize Quorvane", m_hWnd, startPage);
  // A partial copy would let OK save a shortened toolbar list.
  if (!sheet.SetSettings(Settings())) return;
  sheet.SetHeldHotKey(m_bHotKeyHeld ? m_nHeldHotKey : 0);
  // The sheet must be able to come in front of the bar.
  ::SetWindowPos(m_hWnd, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  if (sheet.DoModal() != IDOK) {
    ApplyZOrder();
    return;
  }

  Redo(m_model.ApplyCustomize(sheet.Settings()));
}
