// shell/FolderNames.cpp: folder names asked of the folders' parents.
#include "shell/FolderNames.h"

#include "framework/Handles.h"
#include "shell/ShellHelpers.h"

namespace qv {

bool FolderDisplayName(LPCITEMIDLIST folder, std::string* name) {
  char text[kMaxShellName + 1] = {};
  UniqueIdList parent(CopyParentIdList(folder));
  UniqueIdList last(CopyLastItemId(folder));
  ComPtr<IShellFolder> parentFolder;
  bool named = false;
  if (parent && last && BindToFolder(parent.get(), &parentFolder)) {
    named = parentFolder && GetItemDisplayName(parentFolder.Get(), last.get(),
                                               SHGDN_NORMAL, text);
  } else {
    ComPtr<IShellFolder> desktop;
    named = folder && SUCCEEDED(::SHGetDesktopFolder(&desktop)) &&
            GetItemDisplayName(desktop.Get(), folder, SHGDN_NORMAL, text);
  }
  if (named) *name = text;
  return named;
}

std::string RecentFolderName(IShellFolder* desktop, HWND owner) {
  char name[kMaxShellName + 1] = {};
  UniqueIdList recent;
  if (FAILED(::SHGetSpecialFolderLocation(owner, CSIDL_RECENT, recent.put())))
    return {};
  UniqueIdList last(CopyLastItemId(recent.get()));
  if (!last || !GetItemDisplayName(desktop, last.get(), SHGDN_NORMAL, name))
    return {};
  return name;
}

}  // namespace qv
