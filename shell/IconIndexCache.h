// shell/IconIndexCache.h: system icon indexes for the items of one folder,
// asked of the shell once per file type where the type decides the icon and
// once per item where the item does, or left for later with the icon of the
// item's kind standing in.
#pragma once

#include <windows.h>
#include <shlobj.h>

#include <map>
#include <string>

namespace qv {

class IconIndexCache {
 public:
  // `flags` as for GetSysIconIndex (the icon size); the same for every item.
  explicit IconIndexCache(UINT flags) : m_flags(flags) {}

  // The index GetSysIconIndex gives for `item` of `folder` (bound from the
  // absolute list `folderList`). With `own`, an item whose icon may be its
  // own is not asked: the icon of its kind (a program's, a shortcut's, a
  // folder's...) stands in, `*own` is set, and the caller asks later.
  int IndexOf(IShellFolder* folder, LPCITEMIDLIST folderList,
              LPCITEMIDLIST item, bool* own = nullptr);

 private:
  // True when the extension's registered class lets each file have its own
  // icon (a "%1" default icon or an icon handler).
  bool ClassGivesOwnIcon(const std::string& extension);
  // The icon every item of `data`'s kind shows while its own is not known,
  // asked once per kind and never of the item's file.
  int KindIndex(const WIN32_FIND_DATAW* data);

  UINT m_flags;
  std::map<std::string, int> m_byType;       // shared key -> index
  std::map<std::string, bool> m_ownByClass;  // extension -> answer
  std::map<std::string, int> m_byKind;       // kind -> stand-in index
};

// The item's directory entry as the folder knows it (name, attributes, times,
// size), read from the item itself; false for an item that is no file or
// folder of the file system.
bool ItemFindData(IShellFolder* folder, LPCITEMIDLIST item,
                  WIN32_FIND_DATAW* data);

}  // namespace qv
