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
#include "shell/FileSearch.h"
#include "shell/ShellHelpers.h"
#include "shell/portable/NoCase.h"
#include "toolbar/portable/SortKeys.h"

namespace {

// Type names by (directory, folded extension): with the attributes given,
// the shell names a type from these alone, so one call per extension does.
class TypeNames {
 public:
  std::string Of(const char* path, const WIN32_FIND_DATAA* data) {
    SHFILEINFOA info = {};
    if (!data) {
      // No directory entry to go by (a drive root, say): ask about the path.
      ::SHGetFileInfoA(path, 0, &info, sizeof(info), SHGFI_TYPENAME);
      return qv::FoldCase(info.szTypeName);
    }
    const bool directory = data->dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY;
    const char* dot = std::strrchr(data->cFileName, '.');
    auto key = std::make_pair(directory, qv::FoldCase(dot ? dot : ""));
    auto found = m_names.find(key);
    if (found != m_names.end()) return found->second;
    ::SHGetFileInfoA(path, data->dwFileAttributes, &info, sizeof(info),
                     SHGFI_TYPENAME | SHGFI_USEFILEATTRIBUTES);
    return m_names.emplace(std::move(key), qv::FoldCase(info.szTypeName))
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
    char path[MAX_PATH] = {};
    if (!folder || !::SHGetPathFromIDListA(folder, path) || !*path) return;
    m_path = path;
    if (m_path.back() != '\\') m_path += '\\';
    WIN32_FIND_DATAA data;
    const FileSearch search((m_path + "*.*").c_str(), &data);
    if (!search) return;
    do {
      m_entries.emplace(qv::FoldCase(data.cFileName), data);
    } while (search.Next(&data));
  }

  // The entry of `item` of `folder`, and its path; null when the item is no
  // plain entry of the directory (a drive, a virtual item).
  const WIN32_FIND_DATAA* Find(IShellFolder* folder, LPCITEMIDLIST item,
                               std::string* path) const {
    char name[qv::kMaxShellName + 1];
    if (m_entries.empty() ||
        !qv::GetItemDisplayName(folder, item, SHGDN_INFOLDER | SHGDN_FORPARSING,
                                name)) {
      return nullptr;
    }
    const auto found = m_entries.find(qv::FoldCase(name));
    if (found == m_entries.end()) return nullptr;
    *path = m_path + found->second.cFileName;
    return &found->second;
  }

 private:
  std::string m_path;  // ends in a backslash
  std::unordered_map<std::string, WIN32_FIND_DATAA> m_entries;
};

// Date, size and type keys of `item` from its directory entry; an item
// without a path (or whose file cannot be found) keeps its "missing" flags.
void ReadFileKeys(LPCITEMIDLIST folder, IShellFolder* shellFolder,
                  LPCITEMIDLIST item, UINT order, const FolderEntries& entries,
                  TypeNames& types, qv::ItemSortKey& key) {
  std::string path;
  WIN32_FIND_DATAA data;
  const WIN32_FIND_DATAA* entry = entries.Find(shellFolder, item, &path);
  if (!entry) {
    // Not in the folder's listing: go by the item's own path.
    qv::UniqueIdList absolute(qv::ConcatIdLists(folder, item));
    char own[MAX_PATH] = {};
    if (!absolute || !::SHGetPathFromIDListA(absolute.get(), own) || !*own) {
      return;
    }
    path = own;
    if (FileSearch(own, &data)) entry = &data;
  }
  if (entry) {
    key.hasFileData = true;
    key.writeTime = (uint64_t{entry->ftLastWriteTime.dwHighDateTime} << 32) |
                    entry->ftLastWriteTime.dwLowDateTime;
    key.size = (uint64_t{entry->nFileSizeHigh} << 32) | entry->nFileSizeLow;
  }
  if (order == qv::kSortByType) {
    key.hasType = true;
    key.type = types.Of(path.c_str(), entry);
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
