// bar/BarWindowDock.cpp: the band the bar reserves at its screen edge,
// negotiated with the shell's appbar service, and the shell's notifications.
#include "bar/BarRects.h"
#include "bar/BarWindow.h"

namespace {

APPBARDATA FreshRecord(HWND wnd) {
  APPBARDATA abd{};
  abd.cbSize = sizeof abd;
  abd.hWnd = wnd;
  return abd;
}

}  // namespace

int CBarWindow::RegisterAppBar(int bRegister) {
  m_abd.cbSize = sizeof m_abd;
  m_abd.hWnd = m_hWnd;
  if (bRegister) {
    m_abd.rc = RECT{0, 0, 0, 0};
    m_abd.uEdge = qv::EdgeNumber(Settings().m_nAlignment);
    m_abd.uCallbackMessage = UWM_APPBAR_CALLBACK;
    if (!m_appBarService.Send(ABM_NEW, &m_abd)) return 0;
    m_bRegistered = 1;
    return 1;
  }
  m_appBarService.Send(ABM_REMOVE, &m_abd);
  ::ShowWindow(m_hWnd, SW_HIDE);
  m_bRegistered = 0;
  return 1;
}

void CBarWindow::DockToEdge(qv::Edge edge) {
  qv::BarShape shape;
  shape.paneExists = m_pane.m_hWnd != nullptr;
  shape.hiddenMode = m_bHiddenMode == 1;
  shape.showTabs = Settings().m_bShowTabs;
  if (shape.paneExists || !shape.hiddenMode) UpdateButtonSize();
  shape.rows = ShownCells(false);
  shape.columns = ShownCells(true);
  shape.cxButton = m_cxButton;
  shape.cyButton = m_cyButton;

  RECT rc = ToRECT(qv::WantedDockRect(edge, shape, Metrics()));
  SetAppBarPos(edge, &rc);
}

void CBarWindow::SetAppBarPos(qv::Edge edge, RECT* rc) {
  m_bMoved = 0;
  m_abd.rc = *rc;
  m_abd.uEdge = qv::EdgeNumber(edge);
  const qv::Rect wanted = ToRect(*rc);
  const int thickness = qv::IsVertical(edge) ? wanted.Width() : wanted.Height();
  m_abd.rc = ToRECT(qv::StretchAlongEdge(edge, wanted, Metrics()));
  const RECT before = GetWindowRect();

  m_appBarService.Send(ABM_QUERYPOS, &m_abd);
  m_abd.rc = ToRECT(qv::ReapplyThickness(edge, ToRect(m_abd.rc), thickness));
  m_appBarService.Send(ABM_SETPOS, &m_abd);
  ::MoveWindow(m_hWnd, m_abd.rc.left, m_abd.rc.top,
               m_abd.rc.right - m_abd.rc.left, m_abd.rc.bottom - m_abd.rc.top,
               TRUE);

  if (ToRect(GetWindowRect()) != ToRect(before)) m_bMoved = 1;
}

void CBarWindow::ApplyZOrder() {
  // Not activating: after a rebuild or a slide-in the keyboard stays where it
  // was, with the Customize sheet when it is up over the disabled bar.
  ::SetWindowPos(m_hWnd,
                 Settings().m_bAlwaysOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0,
                 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

LRESULT CBarWindow::OnAppBarCallback(WPARAM code, LPARAM param) {
  switch (code) {
    case ABN_STATECHANGE: {
      APPBARDATA abd = FreshRecord(m_hWnd);
      m_appBarService.Send(ABM_GETSTATE, &abd);
      ApplyZOrder();
      return 0;
    }
    case ABN_FULLSCREENAPP:
      if (param) {
        ::SetWindowPos(m_hWnd, HWND_NOTOPMOST, 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
      } else {
        APPBARDATA abd = FreshRecord(m_hWnd);
        m_appBarService.Send(ABM_GETSTATE, &abd);
        ApplyZOrder();
      }
      [[fallthrough]];
    case ABN_POSCHANGED:
      DockToEdge(qv::EdgeFromNumber(m_abd.uEdge));
      if (m_bMoved == 1) {
        LayoutBar(m_bHiddenMode == 1);
        m_bMoved = 0;
      }
      return 0;
    default:
      return 0;
  }
}

bool CBarWindow::FollowMonitor() {
  const MonitorInfo chosen = ChooseMonitor(m_monitors, Settings().m_strMonitor);
  // On the same monitor the window's DPI stays what WM_DPICHANGED last
  // said; another monitor brings its own.
  const bool moved = m_nDpi == 0 || chosen.device != m_monitor.device;
  m_monitor = chosen;
  if (!moved || chosen.dpi == m_nDpi) return false;
  ApplyDpi(chosen.dpi);
  return true;
}

void CBarWindow::ApplyDpi(int dpi) {
  // The icons are chosen again at their new size by UpdateButtonSize, and
  // the rebuild that follows remakes the rows and tabs in the new fonts.
  m_nDpi = dpi;
  m_pane.SetDpi(dpi);
  m_tabStrip.SetDpi(dpi);
}

LRESULT CBarWindow::OnDisplayChange(WPARAM, LPARAM) {
  // The monitors changed: the bar's own may be gone (the bar goes to the
  // primary), back again, or of another size. The band must span the new
  // side and the bar be laid out on it, shown or hidden as it was; at
  // another DPI everything is made anew.
  if (!m_bRegistered) return 0;
  if (FollowMonitor()) {
    Rebuild(RebuildRequest::Layout());
    return 0;
  }
  DockToEdge(Settings().m_nAlignment);
  LayoutBar(m_bHiddenMode == 1 && m_bShown == 0);
  return 0;
}

LRESULT CBarWindow::OnDpiChanged(WPARAM dpi, LPARAM) {
  // The suggested rectangle keeps a window's place at the new scale; a
  // docked bar's place is its band, negotiated again at the new thickness.
  const int next = HIWORD(dpi);
  if (next <= 0 || next == m_nDpi) return 0;
  ApplyDpi(next);
  // Inside a rebuild (docking moved the bar) the next one finishes this.
  if (m_bBusy)
    PostRebuild(RebuildRequest::Layout(true));
  else
    Rebuild(RebuildRequest::Layout(true));
  return 0;
}

void CBarWindow::ShellRestarted() {
  // A restarted shell has forgotten every appbar: register again and
  // reserve the edge anew, or maximised windows would cover the bar.
  if (!m_bRegistered) return;
  m_bRegistered = 0;
  if (!RegisterAppBar(1)) return;
  Rebuild(RebuildRequest::Layout());
}

void CBarWindow::OnWindowPosChanged(WINDOWPOS*) {
  APPBARDATA abd = FreshRecord(m_hWnd);
  m_appBarService.Send(ABM_WINDOWPOSCHANGED, &abd);
}

void CBarWindow::OnActivate(UINT state, HWND, BOOL) {
  APPBARDATA abd = FreshRecord(m_hWnd);
  m_appBarService.Send(ABM_ACTIVATE, &abd);
  // Another window has had the keyboard since: Esc gives back no older one.
  if (state == WA_INACTIVE) m_hwndBeforeKeys = nullptr;
}
