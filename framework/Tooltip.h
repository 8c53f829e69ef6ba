// framework/Tooltip.h: a tooltip control as the bar uses it: one popup shared
// by the button rows, which register their cells as its tools and relay it
// their mouse moves.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "framework/Wnd.h"

namespace qv {

// A view of a tooltip control owned elsewhere; null when there is none.
class Tooltip {
 public:
  explicit Tooltip(HWND wnd = nullptr) : m_wnd(wnd) {}

  // Creates `control` as a tooltip that always shows, a popup owned by
  // `owner`.
  static BOOL CreatePopup(CWnd& control, HWND owner) {
    CreateArgs args;
    args.className = TOOLTIPS_CLASSA;
    args.style = WS_POPUP | TTS_ALWAYSTIP;
    args.parent = owner;
    return control.Create(args);
  }

  HWND get() const { return m_wnd; }
  explicit operator bool() const { return m_wnd != nullptr; }

  BOOL AddTool(const TTTOOLINFOA& info) const {
    return static_cast<BOOL>(::SendMessageA(m_wnd, TTM_ADDTOOLA, 0,
                                            reinterpret_cast<LPARAM>(&info)));
  }
  void DelTool(const TTTOOLINFOA& info) const {
    ::SendMessageA(m_wnd, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&info));
  }
  // Lets the tooltip see a mouse message of one of its tools' windows.
  void RelayEvent(const MSG& msg) const {
    ::SendMessageA(m_wnd, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
  }

 private:
  HWND m_wnd;
};

}  // namespace qv
