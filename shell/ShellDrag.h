// shell/ShellDrag.h: dragging a shell item out of the bar as the desktop
// drags it: with its folder's own data object, so that whatever takes the
// drop (Explorer, the desktop, another program) sees the item itself.
#pragma once

#include <windows.h>
#include <shlobj.h>

// Drags `item` (a one-item list relative to `folder`, an absolute list) with
// copy, move and link allowed, until it is dropped or cancelled (Esc).
// Answers the effect the drop target reported, DROPEFFECT_NONE when it was
// cancelled or the folder offers no data object for the item.
DWORD DragShellItem(LPCITEMIDLIST folder, LPCITEMIDLIST item, HWND owner);
