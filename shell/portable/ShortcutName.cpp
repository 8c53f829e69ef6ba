// shell/portable/ShortcutName.cpp: shortcut file names and their numbering.
#include "shell/portable/ShortcutName.h"

#include <algorithm>

namespace qv {

namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

}  // namespace

std::string NamePart(const std::string& path) {
  size_t end = path.size();
  while (end > 0 && IsSeparator(path[end - 1])) --end;
  size_t begin = end;
  while (begin > 0 && !IsSeparator(path[begin - 1])) --begin;
  std::string name = path.substr(begin, end - begin);
  name.erase(std::remove(name.begin(), name.end(), ':'), name.end());
  return name;
}

std::string CutAtFirstDot(const std::string& name) {
  const size_t start = name.find_first_not_of('.');
  if (start == std::string::npos) return name;
  const size_t dot = name.find('.', start);
  return dot == std::string::npos ? name : name.substr(0, dot);
}

std::string ShortcutFileCandidate(const std::string& folder,
                                  const std::string& name, int number) {
  std::string path = folder + "\\" + name;
  if (number > 1) path += " (" + std::to_string(number) + ")";
  return path + ".LNK";
}

std::string FreeShortcutFile(
    const std::string& folder, const std::string& name,
    const std::function<bool(const std::string&)>& exists) {
  for (int number = 1; number <= kMaxShortcutNumber; ++number) {
    std::string path = ShortcutFileCandidate(folder, name, number);
    if (!exists(path)) return path;
  }
  return std::string();
}

}  // namespace qv
