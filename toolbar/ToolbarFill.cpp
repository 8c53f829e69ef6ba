// toolbar/ToolbarFill.cpp: reading a toolbar's buttons from the shell.
#include "toolbar/ToolbarFill.h"

#include <cstring>
#include <new>
#include <unordered_map>
#include <utility>

#include "framework/Handles.h"
#include "framework/WideText.h"
#include "framework/WinApp.h"
#include "shell/FileSearch.h"
#include "shell/FileSystemPath.h"
#include "shell/IconIndexCache.h"
#include "shell/ItemNames.h"
#include "shell/ShellHelpers.h"
#include "toolbar/ToolbarSort.h"
#include "toolbar/portable/EntrySync.h"
#include "shell/portable/IdListBytes.h"
#include "shell/portable/NoCase.h"
#include "shell/portable/VolumeRoot.h"

namespace {

// The display attributes the fill asks every item for: a folder that cannot
// answer them cannot be shown.
constexpr SFGAOF kDisplayAttributes = 0xF0000;
// Hidden, system and temporary entries never join a custom list.
constexpr DWORD kUnlistedAttributes =
    FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_TEMPORARY;

// The icon size every button of a fill asks for.
UINT IconFlags(const CBarSettings& settings) {
  return settings.m_bSmallIcons ? qv::kSmallIconIndexFlags
                                : qv::kLargeIconIndexFlags;
}

std::string JoinPath(const char* folderPath, const std::string& name) {
  std::string path = folderPath;
  if (!path.empty() && path.back() != '\\') path += '\\';
  return path + name;
}

bool IsDirectory(const char* path) {
  const DWORD attributes = qv::FileAttributesOf(std::string(path));
  return attributes != INVALID_FILE_ATTRIBUTES &&
         (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// A button showing `name` for `relative`, which it owns, with the icon the
// cache gives at once; an icon only the item itself can tell is asked later,
// off the window's thread.
ToolbarButton ItemButton(const char* name, qv::IconIndexCache& icons,
                         IShellFolder* folder, LPCITEMIDLIST folderList,
                         qv::UniqueIdList relative) {
  ToolbarButton button;
  button.name = name;
  button.image =
      icons.IndexOf(folder, folderList, relative.get(), &button.ownIcon);
  button.item = std::move(relative);
  return button;
}

int BoundFolder(LPCITEMIDLIST list, qv::ComPtr<IShellFolder>* folder) {
  // The desktop binds without a folder object: it is no toolbar folder.
  return list && qv::BindToFolder(list, folder->GetAddressOf()) && *folder;
}

// The folder's items by folded file name (their parsing name in the
// folder). One enumeration costs far less than parsing every entry's path.
std::unordered_map<std::string, qv::UniqueIdList> ItemsByName(
    IShellFolder* folder, HWND owner) {
  std::unordered_map<std::string, qv::UniqueIdList> byName;
  qv::ComPtr<IEnumIDList> items;
  if (FAILED(folder->EnumObjects(owner, SHCONTF_FOLDERS | SHCONTF_NONFOLDERS,
                                 &items)) ||
      !items) {
    return byName;
  }
  qv::UniqueIdList item;
  while (items->Next(1, item.put(), nullptr) == S_OK && item) {
    // The file name comes with the item; the parsing name is the fallback
    // for an item that carries none.
    WIN32_FIND_DATAW data;
    char name[qv::kMaxShellName + 1];
    if (qv::ItemFindData(folder, item.get(), &data)) {
      byName.emplace(qv::FoldCase(qv::Narrow(data.cFileName).c_str()),
                     std::move(item));
    } else if (qv::GetItemDisplayName(folder, item.get(),
                                      SHGDN_INFOLDER | SHGDN_FORPARSING,
                                      name)) {
      byName.emplace(qv::FoldCase(name), std::move(item));
    }
  }
  return byName;
}

void ReadItemName(qv::ItemNames& names, IShellFolder* folder,
                  LPCITEMIDLIST item, char* name) {
  if (!names.Of(folder, item, name)) {
    qv::FatalExit("Fatal Error Occurred, GetName Failed...", MB_ICONSTOP, -3);
  }
}

}  // namespace

int IsHiddenFileType(const char* name, const CBarSettings& settings) {
  if (settings.m_bShowAllFiles) return 0;
  return qv::IsHiddenTypeName(name, settings.m_hiddenTypes);
}

int ListFolderFiles(const char* folderPath, const CBarSettings& settings,
                    std::vector<std::string>* names) {
  names->clear();
  if (!folderPath || !*folderPath) return 0;
  WIN32_FIND_DATAW data;
  const FileSearch find(JoinPath(folderPath, "*.*"), &data);
  if (!find) {
    // Only an empty drive root finds nothing at all; a missing or refused
    // directory must not look like an empty one.
    return ::GetLastError() == ERROR_FILE_NOT_FOUND && IsDirectory(folderPath)
               ? 1
               : 0;
  }
  do {
    if (std::wcscmp(data.cFileName, L".") == 0 ||
        std::wcscmp(data.cFileName, L"..") == 0)
      continue;
    if (data.dwFileAttributes & kUnlistedAttributes) continue;
    std::string name = qv::Narrow(data.cFileName);
    if (IsHiddenFileType(name.c_str(), settings)) continue;
    names->push_back(std::move(name));
  } while (find.Next(&data));
  if (::GetLastError() != ERROR_NO_MORE_FILES) {
    names->clear();
    return 0;
  }
  return 1;
}

bool SyncToolbarEntries(ToolbarRecord& toolbar, const CBarSettings& settings) {
  const std::string path = qv::FileSystemPath(toolbar.folder.get());
  if (path.empty()) return false;
  std::vector<std::string> names;
  if (!ListFolderFiles(path.c_str(), settings, &names)) return false;
  const std::string before = qv::FormatToolbarInfo(toolbar.info);
  qv::SyncEntries(toolbar.info.entries, names);
  return qv::FormatToolbarInfo(toolbar.info) != before;
}

int FillItemsFromFolder(LPCITEMIDLIST folder, const CBarSettings& settings,
                        HWND owner, ToolbarButtons* out) {
  qv::ComPtr<IShellFolder> shellFolder;
  if (!out || !BoundFolder(folder, &shellFolder) ||
      IsMissingDirectory(folder)) {
    return 0;
  }
  qv::ComPtr<IEnumIDList> items;
  if (FAILED(shellFolder->EnumObjects(
          owner, SHCONTF_FOLDERS | SHCONTF_NONFOLDERS, &items))) {
    return 0;
  }
  ToolbarButtons filled;
  qv::IconIndexCache icons(IconFlags(settings));
  qv::ItemNames names(folder);
  // A folder with nothing in it may answer without an enumerator.
  while (items && filled.size() < kMaxToolbarButtons) {
    qv::UniqueIdList item;
    ULONG fetched = 0;
    if (items->Next(1, item.put(), &fetched) != S_OK || !item) break;
    LPCITEMIDLIST child = item.get();
    SFGAOF attributes = kDisplayAttributes;
    if (FAILED(shellFolder->GetAttributesOf(1, &child, &attributes))) {
      qv::FatalExit("Fatal Error Occurred, GetAttributesOf failed ...",
                    MB_ICONSTOP, -3);
    }
    char name[qv::kMaxShellName + 1];
    ReadItemName(names, shellFolder.Get(), child, name);
    // The display name decides: an item whose name shows no extension (a
    // shortcut, for one) is never of a hidden type here.
    if (!settings.m_bShowAllFiles &&
        qv::IsHiddenTypeName(name, settings.m_hiddenTypes)) {
      continue;
    }
    filled.push_back(
        ItemButton(name, icons, shellFolder.Get(), folder, std::move(item)));
  }
  *out = std::move(filled);
  return 1;
}

int FillItemsFromOrder(const ToolbarRecord& toolbar,
                       const CBarSettings& settings, HWND owner,
                       ToolbarButtons* out) {
  LPCITEMIDLIST folder = toolbar.folder.get();
  qv::ComPtr<IShellFolder> shellFolder;
  if (!out || !BoundFolder(folder, &shellFolder)) return 0;
  const bool hasPath = !qv::WideFileSystemPath(folder).empty();
  // A folder that is gone fails before its list is touched.
  if (IsMissingDirectory(folder)) return 0;
  auto items = ItemsByName(shellFolder.Get(), owner);

  ToolbarButtons filled;
  qv::IconIndexCache icons(IconFlags(settings));
  qv::ItemNames names(folder);
  for (const ButtonEntry& entry : toolbar.info.entries) {
    if (filled.size() >= kMaxToolbarButtons) break;
    if (entry.type == qv::kEntrySpace || entry.type == qv::kEntryNewLine) {
      ToolbarButton gap;
      gap.kind = entry.type == qv::kEntrySpace ? ToolbarButton::Kind::kSpace
                                               : ToolbarButton::Kind::kNewLine;
      filled.push_back(std::move(gap));
      continue;
    }
    if (entry.type != qv::kEntryShownFile || !hasPath) continue;
    // A file removed since the folder was listed is left out rather than
    // failing the fill, which would drop the whole toolbar and its order.
    const auto found = items.find(qv::FoldCase(entry.name.c_str()));
    if (found == items.end() || !found->second) continue;
    qv::UniqueIdList relative = std::move(found->second);
    char name[qv::kMaxShellName + 1];
    ReadItemName(names, shellFolder.Get(), relative.get(), name);
    filled.push_back(ItemButton(name, icons, shellFolder.Get(), folder,
                                std::move(relative)));
  }
  *out = std::move(filled);
  return 1;
}

bool IsMissingDirectory(LPCITEMIDLIST folder) {
  // Asked in UTF-16: where the ANSI code page is a legacy one, a path with a
  // character it cannot hold would name no directory, and the toolbar would
  // go as if its folder had been deleted.
  const std::wstring path = qv::WideFileSystemPath(folder);
  if (path.empty()) return false;
  const DWORD attributes = qv::FileAttributesOf(path);
  return attributes == INVALID_FILE_ATTRIBUTES ||
         !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool IsFolderUnreachable(LPCITEMIDLIST folder) {
  const std::string path = qv::FileSystemPath(folder);
  if (path.empty()) return false;
  // A root that cannot be read (not there, no medium, refused) keeps the
  // toolbar: only a folder missing on a present volume is gone.
  const std::string root = qv::VolumeRoot(path);
  return !root.empty() && qv::FileAttributesOf(root) == INVALID_FILE_ATTRIBUTES;
}

bool RowEntries(const ToolbarRecord& toolbar, const ToolbarButtons& buttons,
                std::vector<ButtonEntry>* entries) {
  qv::ComPtr<IShellFolder> folder;
  if (!BoundFolder(toolbar.folder.get(), &folder)) return false;
  entries->clear();
  for (const ToolbarButton& button : buttons) {
    if (button.kind != ToolbarButton::Kind::kItem) {
      entries->push_back({button.kind == ToolbarButton::Kind::kSpace
                              ? qv::kEntrySpace
                              : qv::kEntryNewLine,
                          {}});
      continue;
    }
    WIN32_FIND_DATAW data;
    if (!button.item ||
        !qv::ItemFindData(folder.Get(), button.item.get(), &data))
      return false;
    entries->push_back({qv::kEntryShownFile, qv::Narrow(data.cFileName)});
  }
  return true;
}

qv::ComPtr<IShellFolder> BindToolbarFolder(LPCITEMIDLIST folder) {
  qv::ComPtr<IShellFolder> bound;
  if (qv::GetIdListSize(folder) <= qv::kIdListTerminatorSize) {
    ::SHGetDesktopFolder(bound.GetAddressOf());
  } else {
    qv::BindToFolder(folder, bound.GetAddressOf());
  }
  return bound;
}

qv::ComPtr<IDropTarget> ItemDropTarget(LPCITEMIDLIST folder, LPCITEMIDLIST item,
                                       HWND owner) {
  const qv::ComPtr<IShellFolder> parent = BindToolbarFolder(folder);
  qv::ComPtr<IDropTarget> target;
  if (!parent || !item) return target;
  SFGAOF attributes = SFGAO_FOLDER;
  if (FAILED(parent->GetAttributesOf(1, &item, &attributes)) ||
      !(attributes & SFGAO_FOLDER))
    return target;
  qv::ComPtr<IShellFolder> child;
  if (SUCCEEDED(parent->BindToObject(
          item, nullptr, IID_IShellFolder,
          reinterpret_cast<void**>(child.GetAddressOf()))) &&
      child &&
      SUCCEEDED(child->CreateViewObject(
          owner, IID_IDropTarget,
          reinterpret_cast<void**>(target.GetAddressOf()))) &&
      target)
    return target;
  target.Reset();
  if (FAILED(parent->GetUIObjectOf(
          owner, 1, &item, IID_IDropTarget, nullptr,
          reinterpret_cast<void**>(target.GetAddressOf()))))
    target.Reset();
  return target;
}

int FillToolbar(const ToolbarRecord& toolbar, const CBarSettings& settings,
                HWND owner, ToolbarButtons* out) {
  if (toolbar.HasCustomOrder())
    return FillItemsFromOrder(toolbar, settings, owner, out);
  if (!FillItemsFromFolder(toolbar.folder.get(), settings, owner, out))
    return 0;
  SortToolbarItems(toolbar.folder.get(), toolbar.sortOrder, *out);
  return 1;
}
