// toolbar/ToolbarSort.cpp
#include "toolbar/ToolbarSort.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "framework/Handles.h"
#include "framework/WideText.h"
#include "shell/FileSearch.h"
#include "shell/FileSystemPath.h"
#include "shell/ShellHelpers.h"
#include "shell/portable/NoCase.h"
#include "toolbar/portable/SortKeys.h"

namespace {

// Type names by (directory, folded extension): with the attributes given,
// the shell names a type from these alone, so one call per extension does.
class TypeNames {
 public:
  std::string Of(const std::string& path, const WIN32_FIND_DATAW* data) {
    SHFILEINFOW info = {};
    if (!data) {
      // No directory entry to go by (a drive root, say): ask about the path.
      ::SHGetFileInfoW(qv::Widen(path).c_str(), 0, &info, sizeof(info),
                       SHGFI_TYPENAME);
      return qv::FoldCase(qv::Narrow(info.szTypeName).c_str());
    }
    const bool directory = data->dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY;
    const wchar_t* dot = std::wcsrchr(data->cFileName, L'.');
    auto key = std::make_pair(
        directory, qv::FoldCase(qv::Narrow(dot ? dot : L"").c_str()));
    auto found = m_names.find(key);
    if (found != m_names.end()) return found->second;
    // With the attributes given the shell reads nothing from the disk: the
    // name alone, never a path too long for it, tells the type.
    ::SHGetFileInfoW(data->cFileName, data->dwFileAttributes, &info,
                     sizeof(info), SHGFI_TYPENAME | SHGFI_USEFILEATTRIBUTES);
    return m_names
        .emplace(std::move(key),
                 qv::FoldCase(qv::Narrow(info.szTypeName).c_str()))
        .first->second;
  }

 private:
  std::map<std::pair<bool, std::string>, std::string> m_names;
};

// The directory entries of a file-system folder, read with one search and
// found by folded name: one search of the folder costs about what a handful
// of searches for single files do.
class FolderEntries {
 public:
  explicit FolderEntries(LPCITEMIDLIST folder) {
    m_path = qv::FileSystemPath(folder);
    if (m_path.empty()) return;
    if (m_path.back() != '\\') m_path += '\\';
    WIN32_FIND_DATAW data;
    const FileSearch search(m_path + "*.*", &data);
    if (!search) return;
    do {
      m_entries.emplace(qv::FoldCase(qv::Narrow(data.cFileName).c_str()), data);
    } while (search.Next(&data));
  }

  // The entry of `item` of `folder`, and its path; null when the item is no
  // plain entry of the directory (a drive, a virtual item).
  const WIN32_FIND_DATAW* Find(IShellFolder* folder, LPCITEMIDLIST item,
                               std::string* path) const {
    char name[qv::kMaxShellName + 1];
    if (m_entries.empty() ||
        !qv::GetItemDisplayName(folder, item, SHGDN_INFOLDER | SHGDN_FORPARSING,
                                name)) {
      return nullptr;
    }
    const auto found = m_entries.find(qv::FoldCase(name));
    if (found == m_entries.end()) return nullptr;
    *path = m_path + qv::Narrow(found->second.cFileName);
    return &found->second;
  }

 private:
  std::string m_path;  // ends in a backslash
  std::unordered_map<std::string, WIN32_FIND_DATAW> m_entries;
};

// Date, size and type keys of `item` from its directory entry; an item
// without a path (or whose file cannot be found) keeps its "missing" flags.
void ReadFileKeys(LPCITEMIDLIST folder, IShellFolder* shellFolder,
                  LPCITEMIDLIST item, UINT order, const FolderEntries& entries,
                  TypeNames& types, qv::ItemSortKey& key) {
  std::string path;
  WIN32_FIND_DATAW data;
  const WIN32_FIND_DATAW* entry = entries.Find(shellFolder, item, &path);
  if (!entry) {
    // Not in the folder's listing: go by the item's own path.
    qv::UniqueIdList absolute(qv::ConcatIdLists(folder, item));
    path = qv::FileSystemPath(absolute.get());
    if (path.empty()) return;
    if (FileSearch(path, &data)) entry = &data;
  }
  if (entry) {
    key.hasFileData = true;
    key.writeTime = (uint64_t{entry->ftLastWriteTime.dwHighDateTime} << 32) |
                    entry->ftLastWriteTime.dwLowDateTime;
    key.size = (uint64_t{entry->nFileSizeHigh} << 32) | entry->nFileSizeLow;
  }
  if (order == qv::kSortByType) {
    key.hasType = true;
    key.type = types.Of(path, entry);
  }
}

}  // namespace

void SortToolbarItems(LPCITEMIDLIST folder, UINT sortOrder,
                      ToolbarButtons& buttons) {
  const size_t count = buttons.size();
  if (count < 2 || !qv::IsSortingOrder(sortOrder)) return;
  qv::ComPtr<IShellFolder> shellFolder;
  if (!folder || !qv::BindToFolder(folder, shellFolder.GetAddressOf()) ||
      !shellFolder) {
    return;
  }

  // Every key is read here, once per item: asking the shell and the file
  // system inside the comparison would cost that work n log n times.
  std::vector<qv::ItemSortKey> keys(count);
  TypeNames types;
  const FolderEntries entries(sortOrder == qv::kSortByName ? nullptr : folder);
  for (size_t i = 0; i < count; ++i) {
    qv::ItemSortKey& key = keys[i];
    key.position = i;
    key.name = qv::FoldCase(buttons[i].name.c_str());
    LPCITEMIDLIST item = buttons[i].item.get();
    if (!item) continue;  // a gap or line break: no folder, no file
    SFGAOF attributes = SFGAO_FOLDER;
    key.folder =
        SUCCEEDED(shellFolder->GetAttributesOf(1, &item, &attributes)) &&
        (attributes & SFGAO_FOLDER);
    if (sortOrder != qv::kSortByName) {
      ReadFileKeys(folder, shellFolder.Get(), item, sortOrder, entries, types,
                   key);
    }
  }

  const std::vector<size_t> places = qv::SortedPositions(keys, sortOrder);
  ToolbarButtons sorted;
  sorted.reserve(count);
  for (size_t place : places) sorted.push_back(std::move(buttons[place]));
  buttons = std::move(sorted);
}
