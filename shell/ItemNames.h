// shell/ItemNames.h: the display names of one folder's items, asked of the
// shell once per file type rather than once per item. Asking is costly (the
// shell looks up the user's setting and the type's class every time), and
// it names every file of a type alike, with or without the extension, so
// the rest of the type's files are named from their file names.
#pragma once

#include <windows.h>
#include <shlobj.h>

#include <string>
#include <unordered_map>

#include "shell/portable/NameForm.h"

namespace qv {

class ItemNames {
 public:
  // For the items of the folder `folderList`.
  explicit ItemNames(LPCITEMIDLIST folderList);

  // The name the shell shows for `item` of `folder` (SHGDN_NORMAL), in
  // `name` (kMaxShellName + 1 bytes); false when the shell gives none.
  bool Of(IShellFolder* folder, LPCITEMIDLIST item, char* name);

 private:
  // A desktop.ini may give any item a name of its own (a Start menu's
  // localised shortcuts): then each item is asked.
  bool m_askEach;
  std::unordered_map<std::string, NameForm> m_forms;  // extension -> form
};

}  // namespace qv
