// shell/FileSystemPath.h: the file-system path of a shell item, whole at any
// length, and paths handed to the wide file functions so that folders
// deeper than MAX_PATH characters work where the file system allows them.
#pragma once

#include <windows.h>
#include <shlobj.h>

#include <string>

namespace qv {

// The path of the folder or file `list` names; empty for a null list or an
// item with no file-system path (My Computer, a printer).
std::wstring WideFileSystemPath(LPCITEMIDLIST list);
std::string FileSystemPath(LPCITEMIDLIST list);

// `path` in UTF-16, in its "\\?\" form when it is long, for the wide file
// functions.
std::wstring FileApiPath(const std::string& path);
std::wstring FileApiPath(const std::wstring& path);

// GetFileAttributesW of `path` at any length; INVALID_FILE_ATTRIBUTES when
// it is not there.
DWORD FileAttributesOf(const std::string& path);
DWORD FileAttributesOf(const std::wstring& path);

}  // namespace qv
