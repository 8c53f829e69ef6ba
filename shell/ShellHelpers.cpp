// shell/ShellHelpers.cpp: item identifier lists through the shell
// allocator, and the shell namespace calls the bar needs.
#include "shell/ShellHelpers.h"

#include <cstring>

#include "framework/Handles.h"
#include "framework/WideText.h"
#include "shell/portable/IdListBytes.h"

namespace qv {

namespace {

const unsigned char* Bytes(LPCITEMIDLIST list) {
  return reinterpret_cast<const unsigned char*>(list);
}

LPITEMIDLIST AsIdList(unsigned char* bytes) {
  return reinterpret_cast<LPITEMIDLIST>(bytes);
}

ComPtr<IShellFolder> DesktopFolder() {
  ComPtr<IShellFolder> desktop;
  if (FAILED(::SHGetDesktopFolder(&desktop))) return nullptr;
  return desktop;
}

// Copies at most kMaxShellName characters of `text`, stopping early at a
// terminator within `limit` bytes, and terminates `name`.
void CopyBoundedName(const char* text, size_t limit, char* name) {
  if (limit > static_cast<size_t>(kMaxShellName)) limit = kMaxShellName;
  const size_t length = strnlen(text, limit);
  std::memcpy(name, text, length);
  name[length] = '\0';
}

}  // namespace

bool WideToName(const wchar_t* wide, char* name) {
  int count = -1;  // the whole string, terminator included
  for (;;) {
    const int written = ::WideCharToMultiByte(
        CP_ACP, 0, wide, count, name,
        count < 0 ? kMaxShellName : kMaxShellName - 1, nullptr, nullptr);
    if (written > 0) {
      if (count >= 0) name[written] = '\0';
      return true;
    }
    if (::GetLastError() != ERROR_INSUFFICIENT_BUFFER) return false;
    if (count < 0) count = static_cast<int>(wcsnlen(wide, kMaxShellName));
    if (--count <= 0) return false;
  }
}

namespace {

int IconIndex(LPCSTR pathOrList, UINT flags) {
  SHFILEINFOA info = {};
  ::SHGetFileInfoA(pathOrList, 0, &info, sizeof(info), flags);
  // Only the index is wanted; a caller that asked for the icon too must not
  // leak it.
  UniqueHIcon icon(info.hIcon);
  return info.iIcon;
}

// A zero-filled block from the shell allocator, or null.
void* AllocShellMem(size_t size) {
  ComPtr<IMalloc> malloc;
  if (FAILED(::SHGetMalloc(&malloc))) return nullptr;
  void* block = malloc->Alloc(size);
  if (block) std::memset(block, 0, size);
  return block;
}

}  // namespace

UINT GetIdListSize(LPCITEMIDLIST list) {
  return static_cast<UINT>(IdListBytesSize(Bytes(list)));
}

LPITEMIDLIST ConcatIdLists(LPCITEMIDLIST first, LPCITEMIDLIST second) {
  return AsIdList(
      ConcatIdListBytes(Bytes(first), Bytes(second), AllocShellMem));
}

LPITEMIDLIST CopyParentIdList(LPCITEMIDLIST list) {
  return AsIdList(CopyParentIdListBytes(Bytes(list), AllocShellMem));
}

LPITEMIDLIST CopyLastItemId(LPCITEMIDLIST list) {
  return AsIdList(CopyLastItemIdBytes(Bytes(list), AllocShellMem));
}

int BindToFolder(LPCITEMIDLIST list, IShellFolder** folder) {
  if (!list || !folder) return 0;
  ComPtr<IShellFolder> desktop = DesktopFolder();
  if (!desktop) return 0;
  // The desktop is no sub-folder of itself; callers treat the missing folder
  // object as a folder they cannot read.
  if (ItemIdSize(Bytes(list)) == 0) return 1;
  return SUCCEEDED(desktop->BindToObject(list, nullptr, IID_IShellFolder,
                                         reinterpret_cast<void**>(folder)))
             ? 1
             : 0;
}

int GetItemDisplayName(IShellFolder* folder, LPCITEMIDLIST item, DWORD flags,
                       char* name) {
  if (!folder || !item || !name) return 0;
  STRRET result = {};
  const HRESULT hr = folder->GetDisplayNameOf(item, flags, &result);
  // A wide string is ours to free whatever else happens.
  ShellPtr<wchar_t> wide(
      SUCCEEDED(hr) && result.uType == STRRET_WSTR ? result.pOleStr : nullptr);
  if (hr != S_OK) return 0;
  switch (result.uType) {
    case STRRET_WSTR:
      return wide && WideToName(wide.get(), name) ? 1 : 0;
    case STRRET_OFFSET: {
      // The text lives inside the item; never read past the item's bytes.
      const size_t size = GetIdListSize(item);
      if (result.uOffset >= size) return 0;
      CopyBoundedName(reinterpret_cast<const char*>(item) + result.uOffset,
                      size - result.uOffset, name);
      return 1;
    }
    case STRRET_CSTR:
      CopyBoundedName(result.cStr, sizeof(result.cStr), name);
      return 1;
    default:
      return 0;
  }
}

LPITEMIDLIST PathToIdList(const char* path, HWND owner) {
  if (!path) return nullptr;
  ComPtr<IShellFolder> desktop = DesktopFolder();
  if (!desktop) return nullptr;
  // Whole, at any length: the shell decides how deep a path it takes.
  std::wstring wide = Widen(path);
  if (wide.empty()) return nullptr;
  UniqueIdList list;
  if (FAILED(desktop->ParseDisplayName(owner, nullptr, &wide[0], nullptr,
                                       list.put(), nullptr))) {
    return nullptr;
  }
  return list.release();
}

LPITEMIDLIST PathToIdList(const std::string& path, HWND owner) {
  return PathToIdList(path.c_str(), owner);
}

int GetSysIconIndex(LPCITEMIDLIST list, UINT flags) {
  if (!list) return 0;
  return IconIndex(reinterpret_cast<LPCSTR>(list), flags | SHGFI_PIDL);
}

int GetSysIconIndex(const char* path, UINT flags) {
  if (!path) return 0;
  return IconIndex(path, flags & ~SHGFI_PIDL);
}

}  // namespace qv
