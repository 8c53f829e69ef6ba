// shell/portable/IconTypeKey.h: which items share one icon by their type, so
// a folder's fill asks the shell once per type instead of once per item.
#pragma once

#include <string>

namespace qv {

// The key under which a file-system item's icon is the same for every item:
// the folded extension of a file ("" never counts as one), or one key for
// every plain folder. Empty when the icon may be the item's own: programs,
// shortcuts, icon and cursor files, files without an extension, and folders
// marked read-only or system (the marks that let a folder carry its own
// icon). The type's registered class may still make it the item's own; the
// caller checks that.
std::string SharedIconKey(const std::string& fileName, bool directory,
                          bool markedFolder);

}  // namespace qv
