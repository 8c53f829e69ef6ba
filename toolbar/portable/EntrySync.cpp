// toolbar/portable/EntrySync.cpp
#include "toolbar/portable/EntrySync.h"

#include <algorithm>
#include <unordered_set>

#include "shell/portable/NameStrings.h"
#include "shell/portable/NoCase.h"

namespace qv {

int IsHiddenTypeName(const char* name,
                     const std::vector<std::string>& hiddenTypes) {
  char key[kExtension3Size];
  if (!GetExtension3(name, key)) return 0;
  for (const std::string& type : hiddenTypes) {
    char typeKey[kExtension3Size + 1];
    // One byte more than a key holds, so "html" stays longer than "htm".
    CopyUntilTab(type.c_str(), typeKey);
    if (CompareNoCase(key, typeKey) == 0) return 1;
  }
  return 0;
}

void SyncEntries(std::vector<ButtonEntry>& entries,
                 const std::vector<std::string>& listedNames) {
  // Folded names in sets keep a folder of a thousand files from costing a
  // million string comparisons.
  std::unordered_set<std::string> listed;
  for (const std::string& name : listedNames) {
    listed.insert(FoldCase(name.c_str()));
  }
  const auto gone = [&listed](const ButtonEntry& entry) {
    return entry.type != kEntrySpace && entry.type != kEntryNewLine &&
           listed.count(FoldCase(entry.name.c_str())) == 0;
  };
  entries.erase(std::remove_if(entries.begin(), entries.end(), gone),
                entries.end());

  std::unordered_set<std::string> known;
  for (const ButtonEntry& entry : entries) {
    if (entry.type != kEntrySpace && entry.type != kEntryNewLine) {
      known.insert(FoldCase(entry.name.c_str()));
    }
  }
  for (const std::string& name : listedNames) {
    if (known.insert(FoldCase(name.c_str())).second) {
      entries.push_back(ButtonEntry{kEntryShownFile, name});
    }
  }
}

}  // namespace qv
