// toolbar/portable/EntrySync.h: the name rules of a toolbar's contents: which
// names are of a hidden file type, and how a custom button list follows the
// files of its folder.
#pragma once

#include <string>
#include <vector>

#include "settings/portable/ToolbarInfo.h"

namespace qv {

// 1 when the extension key of `name` (GetExtension3: at most three characters
// after the last dot) equals, ignoring case, the key of one of `hiddenTypes`
// (each "extension<TAB>description", the key being the part before the tab).
// A name without a dot is never hidden, so a display name that shows no
// extension is not hidden either.
int IsHiddenTypeName(const char* name,
                     const std::vector<std::string>& hiddenTypes);

// Brings a custom button list in step with the names now in its folder:
// file entries (hidden or shown) whose name matches, ignoring case, no listed
// name are removed; spaces and line breaks stay where they are; every listed
// name that no entry has yet is appended, shown, in listing order.
void SyncEntries(std::vector<ButtonEntry>& entries,
                 const std::vector<std::string>& listedNames);

}  // namespace qv
