// toolbar/ToolbarSort.cpp
#include "toolbar/ToolbarSort.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "framework/ShellMemory.h"
#include "toolbar/FileSearch.h"
#include "toolbar/ShellHelpers.h"
#include "toolbar/portable/NoCase.h"
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

// Date, size and type keys of `item` from its file-system path; an item
// without one (or whose file cannot be found) keeps its "missing" flags.
void ReadFileKeys(LPCITEMIDLIST folder, LPCITEMIDLIST item, UINT order,
                  TypeNames& types, qv::ItemSortKey& key) {
  qv::UniqueIdList absolute(qv::ConcatIdLists(folder, item));
  char path[MAX_PATH] = {};
  if (!absolute || !::SHGetPathFromIDListA(absolute.get(), path) || !*path) {
    return;
  }
  WIN32_FIND_DATAA data;
  const FileSearch found(path, &data);
  if (found) {
    key.hasFileData = true;
    key.writeTime = (uint64_t{data.ftLastWriteTime.dwHighDateTime} << 32) |
                    data.ftLastWriteTime.dwLowDateTime;
    key.size = (uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
  }
  if (order == qv::kSortByType) {
    key.hasType = true;
    key.type = types.Of(path, found ? &data : nullptr);
  }
}

}  // namespace

void SortToolbarItems(LPCITEMIDLIST folder, UINT sortOrder, ToolbarItem* items,
                      UINT count) {
  if (!items || count < 2 || !qv::IsSortingOrder(sortOrder)) return;
  count = std::min<UINT>(count, kItemArrayCapacity);
  qv::ComPtr<IShellFolder> shellFolder;
  if (!folder || !qv::BindToFolder(folder, shellFolder.GetAddressOf()) ||
      !shellFolder) {
    return;
  }

  // Every key is read here, once per item: asking the shell and the file
  // system inside the comparison would cost that work n log n times.
  std::vector<qv::ItemSortKey> keys(count);
  TypeNames types;
  for (UINT i = 0; i < count; ++i) {
    qv::ItemSortKey& key = keys[i];
    key.position = i;
    key.name = qv::FoldCase(items[i].pszText);
    LPCITEMIDLIST item = ItemIdList(items[i]);
    if (!item) continue;  // a gap or line break: no folder, no file
    SFGAOF attributes = SFGAO_FOLDER;
    key.folder =
        SUCCEEDED(shellFolder->GetAttributesOf(1, &item, &attributes)) &&
        (attributes & SFGAO_FOLDER);
    if (sortOrder != qv::kSortByName) {
      ReadFileKeys(folder, item, sortOrder, types, key);
    }
  }

  // The records own their names and lists: moving them as a whole moves
  // ownership, so no record is freed or duplicated.
  const std::vector<size_t> places = qv::SortedPositions(keys, sortOrder);
  std::vector<ToolbarItem> sorted(count);
  for (UINT i = 0; i < count; ++i) sorted[i] = items[places[i]];
  std::copy(sorted.begin(), sorted.end(), items);
}
