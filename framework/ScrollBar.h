// framework/ScrollBar.h: one of a window's own scroll bars (WS_HSCROLL or
// WS_VSCROLL), set and read the way the toolbar pane scrolls its rows.
#pragma once

#include <windows.h>

namespace qv {

class ScrollBar {
 public:
  // `bar` is SB_HORZ or SB_VERT.
  ScrollBar(HWND wnd, int bar) : m_wnd(wnd), m_bar(bar) {}

  BOOL SetRange(int min, int max, bool redraw = true) const {
    return ::SetScrollRange(m_wnd, m_bar, min, max, redraw);
  }
  // Answers the previous position.
  int SetPos(int pos, bool redraw = true) const {
    return ::SetScrollPos(m_wnd, m_bar, pos, redraw);
  }
  // Range, page and position; all zero when the bar has none.
  SCROLLINFO Info() const {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    if (!::GetScrollInfo(m_wnd, m_bar, &info)) info = SCROLLINFO{};
    return info;
  }

 private:
  HWND m_wnd;
  int m_bar;
};

// Whether two shown bars look alike. With no page, the thumb has one size,
// so a bar at the start of any range looks the same.
inline bool SameScrollLook(const SCROLLINFO& a, const SCROLLINFO& b) {
  if (a.nPage != b.nPage) return false;
  if (a.nPage == 0 && a.nPos == a.nMin && b.nPos == b.nMin) return true;
  return a.nMin == b.nMin && a.nMax == b.nMax && a.nPos == b.nPos;
}

}  // namespace qv
