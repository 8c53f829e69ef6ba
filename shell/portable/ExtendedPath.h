// shell/portable/ExtendedPath.h: the "\\?\" form of a long path, the one
// form in which the wide file functions take a path of MAX_PATH characters
// or more on a system that is not set up for long paths.
#pragma once

#include <string>

namespace qv {

// Paths shorter than this go to the file functions as they are: the plain
// form is the one every caller expects, and directories are refused from
// 248 characters on (room for an 8.3 file name inside).
constexpr size_t kPlainPathLimit = 248;

// `path` itself when it is shorter than kPlainPathLimit, relative, or
// already in a "\\?\" or "\\.\" form; otherwise "\\?\X:\..." for a drive
// path and "\\?\UNC\server\share\..." for a network path, with forward
// slashes turned into backslashes (the prefix turns off that translation).
std::wstring ExtendedLengthPath(const std::wstring& path);

}  // namespace qv
