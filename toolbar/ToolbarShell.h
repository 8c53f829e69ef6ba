// toolbar/ToolbarShell.h: IToolbarShell, every request a rebuild makes of the
// shell for the toolbars it shows: reading a toolbar, sorting it, naming its
// folder, an item's own icon, the system image list. Tests count the
// requests through it.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <string>
#include <vector>

#include "framework/Handles.h"
#include "settings/BarSettings.h"
#include "toolbar/ToolbarButton.h"

class IToolbarShell {
 public:
  // As FillToolbar: the toolbar's buttons, 0 when its folder cannot be read.
  virtual int Fill(const ToolbarRecord& toolbar, const CBarSettings& settings,
                   HWND owner, ToolbarButtons* out) = 0;
  // As SyncToolbarEntries: brings a custom list in step with the folder;
  // true when the list changed.
  virtual bool SyncEntries(ToolbarRecord& toolbar,
                           const CBarSettings& settings) = 0;
  // As RowEntries: the buttons as entries of a custom list.
  virtual bool RowEntries(const ToolbarRecord& toolbar,
                          const ToolbarButtons& buttons,
                          std::vector<ButtonEntry>* entries) = 0;
  // The drop target of `item`, a folder in the folder `folder` (absolute),
  // as the desktop hands a drop on it: null when it takes no drops.
  virtual qv::ComPtr<IDropTarget> FolderDropTarget(LPCITEMIDLIST folder,
                                                   LPCITEMIDLIST item,
                                                   HWND owner) = 0;
  // As IsFolderUnreachable: the folder's drive or share is missing.
  virtual bool IsUnreachable(LPCITEMIDLIST folder) = 0;
  // The folder is on a network share (a UNC path, or a drive the network
  // redirects): asking it may wait for the network's timeout, so it is never
  // read on the window's thread.
  virtual bool IsRemote(LPCITEMIDLIST folder);
  // The desktop folder, or null when the shell cannot give it.
  virtual qv::ComPtr<IShellFolder> Desktop() = 0;
  // The display name of the folder `folder` (absolute), asked of its parent
  // folder; false when it cannot be read.
  virtual bool FolderName(LPCITEMIDLIST folder, std::string* name) = 0;
  // The system image list of small or large icons, with the icon's size.
  virtual HIMAGELIST SystemImages(bool small, SIZE* iconSize) = 0;
  // As SortToolbarItems: puts buttons read from the toolbar's folder in the
  // toolbar's sort order as they are; false for an order that only a read
  // gives (the folder's own), when nothing changes.
  virtual bool Sort(const ToolbarRecord& toolbar, ToolbarButtons* buttons);
  // The system icon index of the item `item` (absolute) itself, for a
  // button that shows its kind's icon meanwhile; one index names the icon in
  // the small and the large list. Called on the icon thread, never the
  // window's.
  virtual int ItemIcon(LPCITEMIDLIST item);

 protected:
  ~IToolbarShell() = default;
};

// The real shell.
IToolbarShell& ShellToolbarShell();
