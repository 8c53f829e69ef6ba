// framework/ListAccessible.h: what a screen reader sees of a window that
// draws its own items (buttons, tabs) instead of making them windows: each
// item a simple child element with its name, role, state and place.
#pragma once

#include <windows.h>
#include <oleacc.h>

#include <string>

#include "framework/Handles.h"

namespace qv {

// What the accessible object asks its window about the items.
class IAccessibleItems {
 public:
  virtual int ItemCount() const = 0;
  // The item's whole name, however little of it is drawn.
  virtual std::string ItemName(int index) const = 0;
  // In screen coordinates; empty while the item is not shown.
  virtual RECT ItemScreenRect(int index) const = 0;
  // The item with the keyboard focus; -1 while the window has no focus.
  virtual int FocusedItem() const = 0;
  // The selected item; -1 for none (or items that are never selected).
  virtual int SelectedItem() const = 0;

 protected:
  ~IAccessibleItems() = default;
};

struct AccessibleRoles {
  long window;      // ROLE_SYSTEM_* of the window itself
  long item;        // of each item
  bool selectable;  // items can be selected (tabs)
};

class ListAccessible;

// The window's accessible object, made at the first WM_GETOBJECT and cut
// off from the window when it goes: a screen reader still holding it then
// gets RPC_E_DISCONNECTED instead of reaching freed data.
class AccessibleAnchor {
 public:
  AccessibleAnchor(const IAccessibleItems& items, AccessibleRoles roles);
  AccessibleAnchor(const AccessibleAnchor&) = delete;
  AccessibleAnchor& operator=(const AccessibleAnchor&) = delete;
  ~AccessibleAnchor();

  // The answer to WM_GETOBJECT for OBJID_CLIENT; false for any other object
  // id, which the window leaves to DefWindowProc.
  bool Answer(HWND window, WPARAM wParam, LPARAM objectId, LRESULT* result);
  // The window is being destroyed.
  void Disconnect();

 private:
  const IAccessibleItems& m_items;
  AccessibleRoles m_roles;
  ComPtr<ListAccessible> m_object;
};

}  // namespace qv
