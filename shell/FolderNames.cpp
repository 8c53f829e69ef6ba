// shell/FolderNames.cpp: folder names asked of the folders' parents, and
// the Recent folder told by its identity.
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

bool CRecentFolder::Is(LPCITEMIDLIST folder, HWND owner,
                       IShellFolder* desktop) {
  if (!m_bRead) {
    m_bRead = true;
    if (FAILED(::SHGetSpecialFolderLocation(owner, CSIDL_RECENT, m_list.put())))
      m_list.reset();  // no half-made answer is kept
  }
  if (!m_list || !folder) return false;
  ComPtr<IShellFolder> shellDesktop;
  if (!desktop) {
    if (FAILED(::SHGetDesktopFolder(&shellDesktop))) return false;
    desktop = shellDesktop.Get();
  }
  const HRESULT hr = desktop->CompareIDs(0, m_list.get(), folder);
  return SUCCEEDED(hr) && HRESULT_CODE(hr) == 0;
}

}  // namespace qv
