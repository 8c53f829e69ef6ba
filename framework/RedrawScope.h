// framework/RedrawScope.h: a window that draws nothing while a scope changes
// it, and draws once, when the message loop is next idle, after the scope.
// A layout that moves children, shows and hides scroll bars and changes the
// frame would otherwise draw the window at each step.
#pragma once

#include <windows.h>

namespace qv {

class RedrawScope {
 public:
  // A window already hidden is left alone: turning drawing back on would
  // show it.
  explicit RedrawScope(HWND wnd)
      : m_wnd(wnd && (::GetWindowLongPtrA(wnd, GWL_STYLE) & WS_VISIBLE)
                  ? wnd
                  : nullptr) {
    if (m_wnd) ::SendMessageA(m_wnd, WM_SETREDRAW, FALSE, 0);
  }
  ~RedrawScope() {
    if (!m_wnd) return;
    ::SendMessageA(m_wnd, WM_SETREDRAW, TRUE, 0);
    ::RedrawWindow(m_wnd, nullptr, nullptr,
                   RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
  }
  RedrawScope(const RedrawScope&) = delete;
  RedrawScope& operator=(const RedrawScope&) = delete;

 private:
  HWND m_wnd;
};

}  // namespace qv
