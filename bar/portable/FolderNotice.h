// bar/portable/FolderNotice.h: which notices from a watched folder change
// what a toolbar on it shows.
#pragma once

#include <string>

namespace qv {

enum class FolderNotice {
  kNames,     // an entry added, removed or renamed, or its marks changed
  kModified,  // an entry written to, its size or time changed
};

// True when `notice` about the entry `name` changes the toolbar's buttons.
// Names always do; a write only re-sorts a toolbar ordered by date or size
// (`followWrites`), but a shortcut rewritten in place may show another icon
// under any order.
bool NoticeChangesButtons(FolderNotice notice, const std::wstring& name,
                          bool followWrites);

}  // namespace qv
