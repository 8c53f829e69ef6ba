// shell/FileSystemPath.cpp: items' paths through the wide shell functions.
#include "shell/FileSystemPath.h"

#include "framework/Handles.h"
#include "framework/WideText.h"
#include "shell/portable/ExtendedPath.h"

namespace qv {

std::wstring WideFileSystemPath(LPCITEMIDLIST list) {
  if (!list) return std::wstring();
  // The shell hands the whole path in a block of its own, where
  // SHGetPathFromIDList would cut it (or fail) at MAX_PATH.
  ShellPtr<wchar_t> path;
  if (FAILED(::SHGetNameFromIDList(reinterpret_cast<PCIDLIST_ABSOLUTE>(list),
                                   SIGDN_FILESYSPATH, path.put())) ||
      !path) {
    return std::wstring();
  }
  return path.get();
}

std::string FileSystemPath(LPCITEMIDLIST list) {
  return Narrow(WideFileSystemPath(list));
}

std::wstring FileApiPath(const std::string& path) {
  return ExtendedLengthPath(Widen(path));
}

std::wstring FileApiPath(const std::wstring& path) {
  return ExtendedLengthPath(path);
}

DWORD FileAttributesOf(const std::string& path) {
  return FileAttributesOf(Widen(path));
}

DWORD FileAttributesOf(const std::wstring& path) {
  if (path.empty()) return INVALID_FILE_ATTRIBUTES;
  return ::GetFileAttributesW(ExtendedLengthPath(path).c_str());
}

}  // namespace qv
