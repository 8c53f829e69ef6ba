// toolbar/CascadeMenuShell.h: ICascadeMenuShell, what a folder's cascading
// menu asks of the shell and of the menu system: a folder's items, showing
// the menu, dragging an item out. The menu loop and the drag are modal, so
// tests put their own in its place and play the user's part.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <string>
#include <vector>

#include "framework/Handles.h"
#include "settings/BarSettings.h"

struct CascadeItem {
  std::string name;       // display name
  int image = 0;          // index in the system image list
  bool folder = false;    // opens as a sub-menu
  qv::UniqueIdList item;  // one-item list relative to the menu's folder
};
using CascadeItems = std::vector<CascadeItem>;

class ICascadeMenuShell {
 public:
  // The items of `folder` (an absolute list) as a toolbar on it in sort
  // order `sortOrder` would show them: hidden file types left out, folders
  // first. False when the folder cannot be read.
  virtual bool Items(LPCITEMIDLIST folder, UINT sortOrder,
                     const CBarSettings& settings, HWND owner,
                     CascadeItems* out) = 0;
  // The system image list of small icons.
  virtual HIMAGELIST SmallImages() = 0;
  // Shows `menu` (TrackPopupMenuEx) clear of `exclude` until it closes; its
  // messages go to `owner`. The command chosen, 0 for none.
  virtual UINT Track(HMENU menu, UINT flags, POINT at, HWND owner,
                     const RECT& exclude) = 0;
  // Drags `item` of `folder` out of the menu (DragShellItem).
  virtual void Drag(LPCITEMIDLIST folder, LPCITEMIDLIST item, HWND owner) = 0;

 protected:
  ~ICascadeMenuShell() = default;
};

// The real shell and menus.
ICascadeMenuShell& ShellCascadeMenuShell();
