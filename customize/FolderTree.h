// customize/FolderTree.h: the Toolbars page's tree of the shell namespace's
// folders: each item owns the record of its folder, children are read on the
// first expansion and sorted in the shell's own order.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <memory>

#include "framework/Handles.h"

struct FolderItemData {
  qv::ComPtr<IShellFolder> parent;  // the folder that holds the item
  qv::UniqueIdList relative;        // the item, relative to `parent`
  qv::UniqueIdList absolute;        // from the desktop
};

class CFolderTree {
 public:
  // `tree` shows `images` (the system's small icons, not owned); `owner`
  // parents the shell's messages.
  void Attach(HWND tree, HWND owner, HIMAGELIST images);
  // The desktop's folders, then "Start Menu" and "Documents".
  void Fill();
  // TVN_ITEMEXPANDING: an item's first expansion reads its children.
  void OnItemExpanding(const NMTREEVIEWA& notify);
  // TVN_DELETEITEM: the item's record goes with it.
  static void OnDeleteItem(const NMTREEVIEWA& notify);
  // The selected item's record, or null.
  const FolderItemData* Selection() const;
  // Deletes every item, so no record (and no folder reference) outlives the
  // page, and forgets the control.
  void Detach();

 private:
  void InsertChildren(IShellFolder* folder, LPCITEMIDLIST folderList,
                      HTREEITEM parent);
  void InsertSpecial(IShellFolder* desktop, int csidl, const char* label,
                     bool showChildren);
  void Insert(HTREEITEM parent, const char* text,
              std::unique_ptr<FolderItemData> data, bool children);
  void SortChildren(HTREEITEM parent);

  HWND m_tree = nullptr;
  HWND m_owner = nullptr;
};
