// toolbar/CascadeMenu.h: CCascadeMenu, a folder's items as a cascading popup
// menu: each item with its small icon and name, each sub-folder a sub-menu
// read only when it opens, so that a large tree costs nothing until it is
// walked. While the menu is up it answers its owner's menu messages: a
// sub-menu opening, an item's right click (the item's shell menu, over the
// menu) and an item dragged out of the menu.
#pragma once

#include <windows.h>
#include <shlobj.h>

#include <cstddef>
#include <deque>
#include <utility>
#include <vector>

#include "framework/Handles.h"
#include "settings/BarSettings.h"
#include "toolbar/CascadeMenuShell.h"
#include "toolbar/portable/CascadePlacement.h"

class CCascadeMenu {
 public:
  // Opens an item as OpenItem does.
  using OpenFn = int (*)(HWND owner, LPCITEMIDLIST folder, LPCITEMIDLIST item,
                         POINT screenPt, int rightClick);

  // Folders are read as toolbars on them in `sortOrder`, by `settings`'
  // hidden types; items open through `opener`, `itemOwner` owning what
  // they show.
  CCascadeMenu(ICascadeMenuShell& shell, OpenFn opener,
               const CBarSettings& settings, UINT sortOrder, HWND itemOwner);
  CCascadeMenu(const CCascadeMenu&) = delete;
  CCascadeMenu& operator=(const CCascadeMenu&) = delete;
  ~CCascadeMenu();

  // Shows the menu of `folder` (an absolute list) where `place` says, its
  // messages going to `owner`, until it closes; then opens the item chosen
  // as a click on its button would. Once per object.
  void Run(LPCITEMIDLIST folder, HWND owner, const qv::CascadePlacement& place);

 private:
  // One menu of the tree: its folder, its popup (owned by the root menu)
  // and, once it opened, the folder's items.
  struct Node {
    Node(qv::UniqueIdList list, HMENU popup)
        : folder(std::move(list)), menu(popup) {}
    qv::UniqueIdList folder;
    HMENU menu = nullptr;
    bool filled = false;
    CascadeItems items;
  };

  static LRESULT CALLBACK OwnerProc(HWND wnd, UINT message, WPARAM wParam,
                                    LPARAM lParam, UINT_PTR id,
                                    DWORD_PTR self) noexcept;
  bool Handle(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
  // Reads the folder of node `index` into its menu, the first time.
  void Fill(size_t index);
  void InsertItem(size_t node, size_t item);
  // The command of the item at `position` of `menu`, 0 when it is none of
  // ours.
  UINT CommandAt(HMENU menu, UINT position) const;
  bool IsCommand(UINT command) const {
    return command >= 1 && command <= m_commands.size();
  }
  // Opens the item of `command` as OpenItem's `rightClick` says.
  void Open(UINT command, int rightClick);

  ICascadeMenuShell& m_shell;
  OpenFn m_opener;
  const CBarSettings& m_settings;
  UINT m_sortOrder;
  HWND m_itemOwner;
  qv::UniqueHMenu m_root;
  // Nodes keep their place as the tree grows: the menus' items refer to
  // them by index.
  std::deque<Node> m_nodes;
  // Command c names item m_commands[c - 1].second of node .first.
  std::vector<std::pair<size_t, size_t>> m_commands;
  HIMAGELIST m_images = nullptr;
};
