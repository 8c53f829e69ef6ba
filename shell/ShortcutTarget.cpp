// shell/ShortcutTarget.cpp: reading a shortcut file's target.
#include "shell/ShortcutTarget.h"

#include "shell/ShellHelpers.h"

namespace qv {

UniqueIdList ShortcutFolderTarget(LPCITEMIDLIST folder, LPCITEMIDLIST item) {
  UniqueIdList absolute(ConcatIdLists(folder, item));
  wchar_t path[MAX_PATH] = {};
  if (!absolute || !::SHGetPathFromIDListW(absolute.get(), path) || !*path)
    return UniqueIdList();

  ComPtr<IShellLinkW> link;
  ComPtr<IPersistFile> file;
  UniqueIdList target;
  if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                IID_PPV_ARGS(&link))) ||
      FAILED(link.As(&file)) || FAILED(file->Load(path, STGM_READ)) ||
      FAILED(link->GetIDList(target.put())) || !target)
    return UniqueIdList();

  // A file-system target is named as the desktop parses its path, which
  // every shell binds and enumerates (a link's stored list need not be).
  wchar_t targetPath[MAX_PATH] = {};
  ComPtr<IShellFolder> desktop;
  UniqueIdList parsed;
  if (::SHGetPathFromIDListW(target.get(), targetPath) && *targetPath &&
      SUCCEEDED(::SHGetDesktopFolder(desktop.GetAddressOf())) &&
      SUCCEEDED(desktop->ParseDisplayName(nullptr, nullptr, targetPath, nullptr,
                                          parsed.put(), nullptr)) &&
      parsed)
    target = std::move(parsed);

  SHFILEINFOW info = {};
  info.dwAttributes = SFGAO_FOLDER;
  if (!::SHGetFileInfoW(reinterpret_cast<LPCWSTR>(target.get()), 0, &info,
                        sizeof info,
                        SHGFI_PIDL | SHGFI_ATTRIBUTES | SHGFI_ATTR_SPECIFIED) ||
      !(info.dwAttributes & SFGAO_FOLDER))
    return UniqueIdList();
  return target;
}

}  // namespace qv
