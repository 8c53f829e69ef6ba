// shell/FolderNames.h: the display names that label toolbars: a folder's own
// name and the Recent folder's, which such labels replace by "Documents".
#pragma once

#include <windows.h>
#include <shlobj.h>

#include <string>

namespace qv {

// The display name of the absolute list `folder` as its parent folder shows
// it (the desktop's name for the whole list when the parent cannot be
// bound); false when it cannot be read.
bool FolderDisplayName(LPCITEMIDLIST folder, std::string* name);

// The name the desktop gives the Recent folder's last item; empty when it
// cannot be read.
std::string RecentFolderName(IShellFolder* desktop, HWND owner);

}  // namespace qv
