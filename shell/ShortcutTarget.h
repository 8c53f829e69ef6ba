// shell/ShortcutTarget.h: where a shortcut file leads, for a shortcut to a
// folder that should open as the folder does.
#pragma once

#include <windows.h>
#include <shlobj.h>

#include "framework/Handles.h"

namespace qv {

// The absolute list of the folder the shortcut `item` (relative to `folder`,
// an absolute list) leads to; null when it is no shortcut file, cannot be
// read, or leads to something other than a folder. The link is read as it
// is stored: a target that moved is not searched for.
UniqueIdList ShortcutFolderTarget(LPCITEMIDLIST folder, LPCITEMIDLIST item);

}  // namespace qv
