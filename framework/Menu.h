// framework/Menu.h: menus from the program's resources, owned, and the few
// operations on a popup that the bar's context menus need.
#pragma once

#include <windows.h>

#include "framework/Handles.h"

namespace qv {

// A view of a popup menu owned elsewhere; its items are named by command id.
class PopupMenu {
 public:
  explicit PopupMenu(HMENU menu = nullptr) : m_menu(menu) {}

  HMENU get() const { return m_menu; }
  explicit operator bool() const { return m_menu != nullptr; }

  void Check(UINT id, bool checked) const {
    ::CheckMenuItem(m_menu, id,
                    MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
  }
  void Enable(UINT id, bool enabled) const {
    ::EnableMenuItem(m_menu, id,
                     MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
  }
  // Takes the item out of this menu (and frees a sub-menu it opens).
  void Remove(UINT id) const { ::DeleteMenu(m_menu, id, MF_BYCOMMAND); }
  // Shows the menu at a screen point and returns when it closes: with
  // TPM_RETURNCMD the chosen id (0 for none), else nonzero on success, the
  // choice going to `owner` as WM_COMMAND.
  UINT Track(UINT flags, POINT screen, HWND owner) const {
    return static_cast<UINT>(
        ::TrackPopupMenu(m_menu, flags, screen.x, screen.y, 0, owner, nullptr));
  }

 private:
  HMENU m_menu;
};

// A menu resource of the program, loaded and owned; null when it is missing.
class ResourceMenu {
 public:
  explicit ResourceMenu(UINT id)
      : m_menu(::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id))) {
  }

  explicit operator bool() const { return static_cast<bool>(m_menu); }
  // Context menus are the resource's first popup.
  PopupMenu FirstPopup() const {
    return PopupMenu(m_menu ? ::GetSubMenu(m_menu.get(), 0) : nullptr);
  }

 private:
  UniqueHMenu m_menu;
};

}  // namespace qv
