// bar/BarWindowAutoHide.cpp: the bar as its edge's auto-hide bar: a 2-pixel
// strip that slides out when the mouse touches it and back when it leaves.
#include "bar/BarRects.h"
#include "bar/BarWindow.h"
#include "bar/portable/DragZones.h"

namespace {

constexpr UINT kWatchMilliseconds = 1000;

// The sizing borders of the strip that reveal a hidden bar.
bool RevealsBar(qv::Edge edge, UINT hit) {
  if (qv::IsVertical(edge))
    return hit == HTLEFT || hit == HTRIGHT ||
           qv::IsCornerHit(static_cast<int>(hit));
  return hit >= HTTOP && hit <= HTBOTTOMRIGHT;
}

// Only the bar's inner edge, facing the middle of the screen, shows a
// sizing cursor.
bool KeepsCursor(qv::Edge edge, UINT hit) {
  return qv::IsCornerHit(static_cast<int>(hit)) ||
         qv::IsOuterBorderHit(edge, static_cast<int>(hit));
}

}  // namespace

int CBarWindow::UpdateAutoHide() {
  // Give up every edge first, then ask for the current one.
  APPBARDATA abd = m_abd;
  abd.lParam = 0;
  for (UINT edge : {ABE_BOTTOM, ABE_LEFT, ABE_RIGHT, ABE_TOP}) {
    abd.uEdge = edge;
    if (reinterpret_cast<HWND>(
            m_appBarService.Send(ABM_GETAUTOHIDEBAR, &abd)) == m_hWnd)
      m_appBarService.Send(ABM_SETAUTOHIDEBAR, &abd);
  }
  m_abd.hWnd = m_hWnd;
  m_abd.uEdge = qv::EdgeNumber(Settings().m_nAlignment);
  m_abd.lParam = Settings().m_bAutoHide;
  return m_appBarService.Send(ABM_SETAUTOHIDEBAR, &m_abd) ? 1 : 0;
}

int CBarWindow::ShowHiddenBar() {
  if (m_bHiddenMode != 1) return 0;
  if (m_bShown == 0) {
    if (!::SetTimer(m_hWnd, AUTOHIDE_TIMER, kWatchMilliseconds, nullptr))
      return 0;
    LayoutBar(false, Settings().m_bAnimate ? Slide::kOut : Slide::kNone);
    ::SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    m_bShown = 1;
  }
  return 1;
}

BOOL CBarWindow::OnSetCursor(HWND, UINT hitTest, UINT) {
  const qv::Edge edge = Settings().m_nAlignment;
  if (RevealsBar(edge, hitTest)) ShowHiddenBar();
  if (KeepsCursor(edge, hitTest)) return FALSE;
  return static_cast<BOOL>(Default());
}

void CBarWindow::OnTimer(UINT_PTR id) {
  if (id == FOLDER_TIMER) {
    OnFolderTimer();
    return;
  }
  if (id == SETTINGS_TIMER) {
    OnSettingsTimer();
    return;
  }
  if (id != AUTOHIDE_TIMER) return;
  RECT slack = GetWindowRect();
  ::InflateRect(&slack, 5, 5);
  slack.left -= 5;
  slack.top -= 5;
  POINT cursor;
  ::GetCursorPos(&cursor);
  if (::PtInRect(&slack, cursor) || m_bMenuUp == 1 || KeyboardHoldsBar())
    return;
  LayoutBar(true, Settings().m_bAnimate ? Slide::kIn : Slide::kNone);
  ApplyZOrder();
}

void CBarWindow::SlideTo(const RECT* target, Slide slide) {
  RECT current = GetWindowRect();
  while (SlideStep(target, &current, slide)) {
    ::MoveWindow(m_hWnd, current.left, current.top,
                 current.right - current.left, current.bottom - current.top,
                 TRUE);
  }
  ::MoveWindow(m_hWnd, target->left, target->top, target->right - target->left,
               target->bottom - target->top, TRUE);
}

int CBarWindow::SlideStep(const RECT* target, RECT* current,
                          Slide slide) const {
  qv::Rect moving = ToRect(*current);
  // The step arithmetic numbers the directions: 1 out, 2 in.
  const bool more =
      qv::SlideStep(Settings().m_nAlignment, slide == Slide::kOut ? 1 : 2,
                    ToRect(*target), moving);
  *current = ToRECT(moving);
  return more ? 1 : 0;
}
