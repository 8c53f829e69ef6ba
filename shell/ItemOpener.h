// shell/ItemOpener.h: opening a toolbar's button the way the shell opens
// the item: through the item's context-menu object, never by path or by a
// file association of our own.
#pragma once

#include <windows.h>
#include <shlobj.h>

// Opens `item` (a one-item list relative to the toolbar folder `folder`, an
// absolute list). A left click (rightClick 0) runs the menu's default
// command; a right click (1) shows the item's whole shell context menu at
// `screenPt` and runs what the user picks, and so does kOpenOverMenu for an
// item of a menu that is up, over that menu; `owner` owns the menu and any
// window the command shows. Answers 1 when a context
// menu was built, else 0; a folder that offers no context-menu object is
// reported with "GetUIObjectOf failed! hr=%lx".
constexpr int kOpenOverMenu = 2;
int OpenItem(HWND owner, LPCITEMIDLIST folder, LPCITEMIDLIST item,
             POINT screenPt, int rightClick);

// The same on `folder`, bound by the caller from `folderList`.
// When the default-only menu is empty although the item's full menu has a
// default command (Wine's shell builds it so), a left click runs the item's
// default verb through ShellExecuteEx on its ID list; a null `folderList`
// leaves that out.
int OpenItemInFolder(IShellFolder* folder, LPCITEMIDLIST folderList, HWND owner,
                     LPCITEMIDLIST item, POINT screenPt, int rightClick);
