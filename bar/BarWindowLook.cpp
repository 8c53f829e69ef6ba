// bar/BarWindowLook.cpp: the bar's colours follow the look the user chose
// for the system (light or dark app mode, high contrast), at once when it
// changes.
#include "bar/BarWindow.h"

void CBarWindow::SetSystemLook(qv::ISystemLook& look) {
  m_look = &look;
  if (m_hWnd) ApplyLook();
}

void CBarWindow::ApplyLook() {
  m_palette = qv::CurrentPalette(*m_look);
  m_background.reset(::CreateSolidBrush(m_palette.background));
  m_pane.SetPalette(m_palette);
  m_tabStrip.SetPalette(m_palette);
  qv::UseDarkFrame(m_hWnd, m_palette.dark);
  if (m_pane.m_hWnd) qv::UseDarkScrollBars(m_pane.m_hWnd, m_palette.dark);
  ::RedrawWindow(m_hWnd, nullptr, nullptr,
                 RDW_ERASE | RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
}

BOOL CBarWindow::OnEraseBkgnd(HDC dc) {
  const RECT rc = GetClientRect();
  ::FillRect(
      dc, &rc,
      m_background ? m_background.get() : ::GetSysColorBrush(COLOR_BTNFACE));
  return TRUE;
}

LRESULT CBarWindow::OnCtlColorDialog(WPARAM, LPARAM) {
  return reinterpret_cast<LRESULT>(
      m_background ? m_background.get() : ::GetSysColorBrush(COLOR_BTNFACE));
}

LRESULT CBarWindow::OnSettingChange(WPARAM wParam, LPARAM area) {
  if (qv::IsLookChange(WM_SETTINGCHANGE, wParam, area)) ApplyLook();
  // The bar's windows are ANSI ones: the area's name comes converted.
  ShellStateChanged(reinterpret_cast<const char*>(area));
  return 0;
}

LRESULT CBarWindow::OnColorsChanged(WPARAM, LPARAM) {
  ApplyLook();
  return 0;
}
