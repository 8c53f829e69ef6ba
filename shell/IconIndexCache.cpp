// shell/IconIndexCache.cpp: icon indexes by type, checked against the
// type's registered class.
#include "shell/IconIndexCache.h"

#include "framework/Handles.h"
#include "framework/WideText.h"
#include "shell/ShellHelpers.h"
#include "shell/portable/IconTypeKey.h"
#include "shell/portable/NoCase.h"

namespace qv {

namespace {

// The default value of HKCR\`subkey`; false when the key is missing.
bool ClassesDefault(const std::string& subkey, std::string* value) {
  UniqueHKey key;
  if (::RegOpenKeyExA(HKEY_CLASSES_ROOT, subkey.c_str(), 0, KEY_QUERY_VALUE,
                      key.put()) != ERROR_SUCCESS)
    return false;
  char text[MAX_PATH] = {};
  DWORD size = sizeof text - 1;
  DWORD type = 0;
  if (value &&
      ::RegQueryValueExA(key.get(), nullptr, nullptr, &type,
                         reinterpret_cast<BYTE*>(text),
                         &size) == ERROR_SUCCESS &&
      (type == REG_SZ || type == REG_EXPAND_SZ))
    *value = text;
  return true;
}

bool HasIconHandler(const std::string& key) {
  return ClassesDefault(key + "\\shellex\\IconHandler", nullptr);
}

}  // namespace

bool ItemFindData(IShellFolder* folder, LPCITEMIDLIST item,
                  WIN32_FIND_DATAW* data) {
  return SUCCEEDED(::SHGetDataFromIDListW(folder, item, SHGDFIL_FINDDATA, data,
                                          sizeof *data)) &&
         data->cFileName[0];
}

bool IconIndexCache::ClassGivesOwnIcon(const std::string& extension) {
  const auto known = m_ownByClass.find(extension);
  if (known != m_ownByClass.end()) return known->second;
  bool own = HasIconHandler(extension);
  std::string progId;
  if (!own && ClassesDefault(extension, &progId) && !progId.empty()) {
    std::string icon;
    own = HasIconHandler(progId) ||
          (ClassesDefault(progId + "\\DefaultIcon", &icon) &&
           icon.find("%1") != std::string::npos);
  }
  m_ownByClass.emplace(extension, own);
  return own;
}

int IconIndexCache::KindIndex(const WIN32_FIND_DATAW* data) {
  const bool directory =
      data && (data->dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
  const std::string file = data && !directory ? Narrow(data->cFileName) : "";
  const size_t dot = file.rfind('.');
  const std::string kind = directory ? "\\"
                           : dot != std::string::npos
                               ? FoldCase(file.c_str() + dot)
                               : "";
  const auto known = m_byKind.find(kind);
  if (known != m_byKind.end()) return known->second;
  // Asked by a made-up name and the attributes alone: the shell answers from
  // the type without opening any file. An item that is no file shows a
  // plain document's icon.
  const std::string name = "item" + (directory ? std::string() : kind);
  SHFILEINFOA info{};
  ::SHGetFileInfoA(name.c_str(),
                   directory ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_NORMAL,
                   &info, sizeof info,
                   (m_flags & ~SHGFI_PIDL) | SHGFI_USEFILEATTRIBUTES);
  m_byKind.emplace(kind, info.iIcon);
  return info.iIcon;
}

int IconIndexCache::IndexOf(IShellFolder* folder, LPCITEMIDLIST folderList,
                            LPCITEMIDLIST item, bool* own) {
  WIN32_FIND_DATAW data{};
  std::string key;
  const bool found = ItemFindData(folder, item, &data);
  if (found) {
    const DWORD attributes = data.dwFileAttributes;
    key = SharedIconKey(
        Narrow(data.cFileName), (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0,
        (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_SYSTEM)) != 0);
    if (!key.empty() && key[0] == '.' && ClassGivesOwnIcon(key)) key.clear();
  }
  if (!key.empty()) {
    const auto known = m_byType.find(key);
    if (known != m_byType.end()) return known->second;
  } else if (own) {
    *own = true;
    return KindIndex(found ? &data : nullptr);
  }
  const UniqueIdList absolute(ConcatIdLists(folderList, item));
  const int index = GetSysIconIndex(absolute.get(), m_flags);
  if (!key.empty()) m_byType.emplace(std::move(key), index);
  return index;
}

}  // namespace qv
