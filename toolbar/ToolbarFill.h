// toolbar/ToolbarFill.h: reading a toolbar's folder, or its custom button
// list, into buttons, and keeping a custom list in step with the files of
// its folder.
#pragma once

#include <windows.h>
#include <shlobj.h>

#include <string>
#include <vector>

#include "settings/BarSettings.h"
#include "toolbar/ToolbarButton.h"

// 1 when `name` is of a hidden file type of `settings`; never while "Show All
// Files" is 1.
int IsHiddenFileType(const char* name, const CBarSettings& settings);

// The names (files and sub-folders) in the directory `folderPath`, in the
// order the file system lists them, without "." and "..", hidden, system and
// temporary entries, and names of hidden file types. 0 when the directory
// cannot be read, and `names` is then left empty.
int ListFolderFiles(const char* folderPath, const CBarSettings& settings,
                    std::vector<std::string>* names);

// Brings the toolbar's custom button list in step with its folder: files
// that are gone leave it and new ones join at the end, shown. Nothing happens
// for a folder without a file-system path or one that cannot be read, so an
// unreachable folder never empties the list. Only the record changes; true
// when it did, and the caller stores it.
bool SyncToolbarEntries(ToolbarRecord& toolbar, const CBarSettings& settings);

// The shell's items of `folder` (an absolute list), in enumeration order, at
// most kMaxToolbarButtons, leaving out hidden file types unless "Show All
// Files" is set. An item whose icon may be its own (a program, a shortcut...)
// shows its kind's icon, marked ownIcon for the caller to ask the item's own.
// 0, with nothing made, when the folder cannot be bound or enumerated or its
// directory is gone; a folder that cannot name an item ends the process.
int FillItemsFromFolder(LPCITEMIDLIST folder, const CBarSettings& settings,
                        HWND owner, ToolbarButtons* out);

// The toolbar's custom button list as it stands (SyncToolbarEntries brings it
// in step with the folder beforehand) as buttons: gaps, line breaks and the
// shown files, at most kMaxToolbarButtons. A file that cannot be found is left
// out (its entry stays until the next synchronisation drops it). 0, with
// nothing made, for a folder that cannot be bound or a folder directory that no
// longer exists.
int FillItemsFromOrder(const ToolbarRecord& toolbar,
                       const CBarSettings& settings, HWND owner,
                       ToolbarButtons* out);

// True for a file-system folder whose directory is not there now (deleted,
// or on a missing drive). The shell still binds its stored list and may
// enumerate it as empty, so the fills fail instead.
bool IsMissingDirectory(LPCITEMIDLIST folder);

// True when the folder's path lies on a drive or network share that is not
// there now (unplugged, offline): its toolbar waits for it instead of going
// like one whose folder was deleted.
bool IsFolderUnreachable(LPCITEMIDLIST folder);

// Toolbar `toolbar`'s buttons `buttons` as entries of a custom list: its
// items by file name (shown), its gaps and line breaks. False when the
// folder cannot be bound or an item has no file name (My Computer's
// drives, say).
bool RowEntries(const ToolbarRecord& toolbar, const ToolbarButtons& buttons,
                std::vector<ButtonEntry>* entries);

// A toolbar's folder `folder` (absolute), the desktop for the empty list;
// null when it cannot be bound.
qv::ComPtr<IShellFolder> BindToolbarFolder(LPCITEMIDLIST folder);

// The drop target of `item`, a folder in `folder` (absolute): the folder's
// own, bound, or else the one its parent hands out for it; null when it
// takes no drops. (Wine's parent folders hand out their own target for any
// item, which would drop into the parent.)
qv::ComPtr<IDropTarget> ItemDropTarget(LPCITEMIDLIST folder, LPCITEMIDLIST item,
                                       HWND owner);

// The toolbar's buttons as the bar shows them: its custom list when it keeps
// one, otherwise its folder's items sorted by its sort order. 0 as the fills.
int FillToolbar(const ToolbarRecord& toolbar, const CBarSettings& settings,
                HWND owner, ToolbarButtons* out);
