// shell/MenuMessageForwarder.h: while an item's shell context menu is up,
// hands its owner window's menu messages to the menu's handler, so that the
// submenus that handlers fill and draw themselves ("Send to", "Open with")
// come out as they do in the desktop's own windows.
#pragma once

#include <windows.h>
#include <shlobj.h>

#include <optional>

#include "framework/Handles.h"
#include "framework/SubclassScope.h"

namespace qv {

// For its lifetime, WM_INITMENUPOPUP, the menu's WM_MEASUREITEM and
// WM_DRAWITEM (IContextMenu2) and WM_MENUCHAR (IContextMenu3) sent to `owner`
// go first to `menu`; what the handler does not take reaches the owner as
// before. A menu that is neither version, or no owner, forwards nothing.
class MenuMessageForwarder {
 public:
  MenuMessageForwarder(HWND owner, IContextMenu* menu);
  MenuMessageForwarder(const MenuMessageForwarder&) = delete;
  MenuMessageForwarder& operator=(const MenuMessageForwarder&) = delete;

 private:
  static LRESULT CALLBACK Forward(HWND wnd, UINT message, WPARAM wParam,
                                  LPARAM lParam, UINT_PTR id,
                                  DWORD_PTR self) noexcept;
  bool Handle(UINT message, WPARAM wParam, LPARAM lParam,
              LRESULT* result) const;

  ComPtr<IContextMenu2> m_menu2;
  ComPtr<IContextMenu3> m_menu3;
  // Last: the subclass comes off before the handler it calls goes.
  std::optional<SubclassScope> m_hook;
};

}  // namespace qv
