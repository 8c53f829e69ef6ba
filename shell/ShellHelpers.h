// shell/ShellHelpers.h: the free functions every part of the bar uses to
// talk to the shell namespace: item identifier lists from the shell
// allocator, folders, display names, paths and system icon indexes.
//
// None shows a message or keeps state. Failure is a null result or 0; every
// list returned is a new block from the shell allocator that the caller owns
// and frees with qv::UniqueIdList. No helper frees or
// changes its inputs.
#pragma once

#include <windows.h>
#include <shlobj.h>

#include <cstddef>
#include <string>

#include "shell/portable/NameStrings.h"

namespace qv {

// Names and paths are ANSI and hold at most this many characters; buffers
// that receive them have room for one more, the terminator.
constexpr int kMaxShellName = 260;

// GetSysIconIndex flags for an ID list's small and large system icon index.
constexpr UINT kSmallIconIndexFlags =
    SHGFI_SYSICONINDEX | SHGFI_PIDL | SHGFI_SMALLICON;
constexpr UINT kLargeIconIndexFlags = SHGFI_SYSICONINDEX | SHGFI_PIDL;

// Whole byte length including the 2-byte terminator; 0 for null.
UINT GetIdListSize(LPCITEMIDLIST list);

// `first`'s items (null counts as empty) followed by the whole of `second`:
// an item's absolute list from its folder's list and its relative list.
LPITEMIDLIST ConcatIdLists(LPCITEMIDLIST first, LPCITEMIDLIST second);

// Every item but the last; null when the list has fewer than two items (the
// parent of a folder on the desktop is the desktop itself).
LPITEMIDLIST CopyParentIdList(LPCITEMIDLIST list);

// A one-item list copying the last item; null for a null or empty list.
LPITEMIDLIST CopyLastItemId(LPCITEMIDLIST list);

// Binds an absolute list to its folder. 0 for a null list or without the
// desktop folder. The empty list (the desktop) answers 1 and leaves `folder`
// untouched, so callers set it to null first and treat null as failure. The
// caller releases the folder.
int BindToFolder(LPCITEMIDLIST list, IShellFolder** folder);

// Converts a wide name into at most kMaxShellName bytes with its terminator
// in `name` (kMaxShellName + 1 bytes). A name too long for that is cut at the
// longest prefix that converts whole rather than left unterminated.
bool WideToName(const wchar_t* wide, char* name);

// The display name of `item` in `folder`, converted to ANSI into `name`
// (kMaxShellName + 1 bytes). 1, or 0 when the folder does not answer S_OK or
// hands back a form of string we do not know.
int GetItemDisplayName(IShellFolder* folder, LPCITEMIDLIST item, DWORD flags,
                       char* name);

// The absolute list of a path (parsed by the desktop folder), or null.
LPITEMIDLIST PathToIdList(const char* path, HWND owner);
LPITEMIDLIST PathToIdList(const std::string& path, HWND owner);

// Index of the item's icon in the system image list (SHGetFileInfoA with
// SHGFI_SYSICONINDEX among `flags`). The list overload always asks with
// SHGFI_PIDL and the path overload never does, whatever `flags` says.
// 0 when the shell cannot tell.
int GetSysIconIndex(LPCITEMIDLIST list, UINT flags);
int GetSysIconIndex(const char* path, UINT flags);

}  // namespace qv
