// shell/portable/ExtendedPath.cpp: long paths in their "\\?\" form.
#include "shell/portable/ExtendedPath.h"

#include <algorithm>

namespace qv {

namespace {

bool IsSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }
bool IsLetter(wchar_t c) {
  return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z');
}

}  // namespace

std::wstring ExtendedLengthPath(const std::wstring& path) {
  if (path.size() < kPlainPathLimit) return path;
  if (path.size() >= 4 && IsSeparator(path[0]) && IsSeparator(path[1]) &&
      (path[2] == L'?' || path[2] == L'.') && IsSeparator(path[3])) {
    return path;
  }
  std::wstring extended;
  if (path.size() >= 3 && IsLetter(path[0]) && path[1] == L':' &&
      IsSeparator(path[2])) {
    extended = L"\\\\?\\" + path;
  } else if (IsSeparator(path[0]) && IsSeparator(path[1])) {
    extended = L"\\\\?\\UNC\\" + path.substr(2);
  } else {
    return path;
  }
  std::replace(extended.begin(), extended.end(), L'/', L'\\');
  return extended;
}

}  // namespace qv
