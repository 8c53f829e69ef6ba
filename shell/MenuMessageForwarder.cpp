// shell/MenuMessageForwarder.cpp: the owner's menu messages routed to the
// shell's menu handler through a subclass of the owner window, which any
// window takes and which comes off cleanly even inside the menu's loop.
#include "shell/MenuMessageForwarder.h"

#include <commctrl.h>

namespace qv {
namespace {

// The owner's own owner-drawn controls send the same draw messages: only
// those for menu items are the handler's.
bool IsMenuMessage(UINT message, LPARAM lParam) {
  switch (message) {
    case WM_INITMENUPOPUP:
    case WM_MENUCHAR:
      return true;
    case WM_MEASUREITEM:
      return lParam &&
             reinterpret_cast<const MEASUREITEMSTRUCT*>(lParam)->CtlType ==
                 ODT_MENU;
    case WM_DRAWITEM:
      return lParam &&
             reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)->CtlType ==
                 ODT_MENU;
    default:
      return false;
  }
}

}  // namespace

MenuMessageForwarder::MenuMessageForwarder(HWND owner, IContextMenu* menu) {
  if (!owner || !menu) return;
  // Version 3 is also version 2: one of the two is enough.
  if (FAILED(menu->QueryInterface(
          IID_IContextMenu3, reinterpret_cast<void**>(m_menu3.GetAddressOf()))))
    menu->QueryInterface(IID_IContextMenu2,
                         reinterpret_cast<void**>(m_menu2.GetAddressOf()));
  if (m_menu3 || m_menu2)
    m_hook.emplace(owner, &MenuMessageForwarder::Forward, this);
}

bool MenuMessageForwarder::Handle(UINT message, WPARAM wParam, LPARAM lParam,
                                  LRESULT* result) const {
  if (!IsMenuMessage(message, lParam)) return false;
  if (m_menu3) {
    return SUCCEEDED(m_menu3->HandleMenuMsg2(message, wParam, lParam, result));
  }
  // Only version 3 can answer which item a typed character picks.
  if (message == WM_MENUCHAR ||
      FAILED(m_menu2->HandleMenuMsg(message, wParam, lParam)))
    return false;
  *result = message == WM_INITMENUPOPUP ? 0 : TRUE;
  return true;
}

LRESULT CALLBACK MenuMessageForwarder::Forward(HWND wnd, UINT message,
                                               WPARAM wParam, LPARAM lParam,
                                               UINT_PTR,
                                               DWORD_PTR self) noexcept {
  LRESULT result = 0;
  if (reinterpret_cast<const MenuMessageForwarder*>(self)->Handle(
          message, wParam, lParam, &result))
    return result;
  return ::DefSubclassProc(wnd, message, wParam, lParam);
}

}  // namespace qv
