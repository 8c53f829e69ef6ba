// toolbar/portable/FillKey.cpp: making and comparing fill keys.
#include "toolbar/portable/FillKey.h"

#include <utility>

namespace qv {

bool operator==(const FillKey& a, const FillKey& b) {
  if (a.folder != b.folder || a.sortOrder != b.sortOrder || a.kind != b.kind ||
      a.showAllFiles != b.showAllFiles || a.hiddenTypes != b.hiddenTypes ||
      a.entries.size() != b.entries.size())
    return false;
  for (size_t i = 0; i < a.entries.size(); ++i)
    if (a.entries[i].type != b.entries[i].type ||
        a.entries[i].name != b.entries[i].name)
      return false;
  return true;
}

FillKey MakeFillKey(std::string folderBytes, unsigned sortOrder,
                    const ToolbarInfo& info, bool customOrder,
                    unsigned showAllFiles,
                    const std::vector<std::string>& hiddenTypes) {
  FillKey key;
  key.folder = std::move(folderBytes);
  key.sortOrder = sortOrder;
  key.kind = info.kind;
  if (customOrder) key.entries = info.entries;
  key.showAllFiles = showAllFiles;
  key.hiddenTypes = hiddenTypes;
  return key;
}

}  // namespace qv
