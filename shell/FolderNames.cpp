// shell/FolderNames.cpp: folder names, their own or asked of their parents,
// and the Recent folder told by its identity.
#include "shell/FolderNames.h"

#include <cwchar>

#include "framework/Handles.h"
#include "shell/FileSystemPath.h"
#include "shell/ShellHelpers.h"

namespace qv {

namespace {

// A plain folder on a local disk shows its own name, and that needs no
// folder bound on the way to it (one each tab at every start). The shell
// names drive roots and namespace junctions itself, and a desktop.ini can
// rename a folder marked read-only or system: those are asked.
bool PlainFolderName(LPCITEMIDLIST folder, std::string* name) {
  const std::wstring path = WideFileSystemPath(folder);
  if (path.size() < 4 || path[1] != L':' || path.back() == L'\\') return false;
  const wchar_t root[] = {path[0], L':', L'\\', L'\0'};
  if (::GetDriveTypeW(root) != DRIVE_FIXED) return false;
  const DWORD attributes = FileAttributesOf(path);
  if (attributes == INVALID_FILE_ATTRIBUTES ||
      !(attributes & FILE_ATTRIBUTE_DIRECTORY) ||
      (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_SYSTEM)) ||
      FileAttributesOf(path + L"\\desktop.ini") != INVALID_FILE_ATTRIBUTES)
    return false;
  const wchar_t* own = path.c_str() + path.rfind(L'\\') + 1;
  char text[kMaxShellName + 1];
  if (!*own || std::wcschr(own, L'{') || !WideToName(own, text)) return false;
  *name = text;
  return true;
}

}  // namespace

bool FolderDisplayName(LPCITEMIDLIST folder, std::string* name) {
  if (PlainFolderName(folder, name)) return true;
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
