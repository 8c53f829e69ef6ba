// shell/FolderNames.h: what labels toolbars: a folder's own name, and
// whether it is the Recent folder, which such labels call "Documents".
#pragma once

#include <windows.h>
#include <shlobj.h>

#include <string>

#include "framework/Handles.h"

namespace qv {

// The display name of the absolute list `folder` as its parent folder shows
// it (the desktop's name for the whole list when the parent cannot be
// bound); false when it cannot be read.
bool FolderDisplayName(LPCITEMIDLIST folder, std::string* name);

// Tells the Recent folder by its identity, whatever its name: a folder
// named like it is another folder, and localised systems name it otherwise.
class CRecentFolder {
 public:
  // Whether the absolute list `folder` is the Recent folder, as `desktop`
  // (the shell's when null) compares them. Its own list is read on the first
  // question; when it cannot be read, no folder is.
  bool Is(LPCITEMIDLIST folder, HWND owner, IShellFolder* desktop = nullptr);

 private:
  bool m_bRead = false;
  UniqueIdList m_list;
};

}  // namespace qv
