// shell/ItemNames.cpp
#include "shell/ItemNames.h"

#include <cstring>
#include <cwchar>

#include "shell/FileSystemPath.h"
#include "shell/IconIndexCache.h"
#include "shell/ShellHelpers.h"
#include "shell/portable/NoCase.h"

namespace qv {

namespace {

// A name no code page can have cut converting it (at most three bytes a
// character): its extension is still there to go by.
bool ConvertsWhole(const wchar_t* file) {
  return std::wcslen(file) * 3 < static_cast<size_t>(kMaxShellName) - 1;
}

bool HasNamingFile(LPCITEMIDLIST folderList) {
  const std::wstring path = WideFileSystemPath(folderList);
  if (path.empty()) return true;  // no files to go by
  const std::wstring ini =
      path + (path.back() == L'\\' ? L"" : L"\\") + L"desktop.ini";
  return FileAttributesOf(ini) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace

ItemNames::ItemNames(LPCITEMIDLIST folderList)
    : m_askEach(HasNamingFile(folderList)) {}

bool ItemNames::Of(IShellFolder* folder, LPCITEMIDLIST item, char* name) {
  WIN32_FIND_DATAW data;
  char file[kMaxShellName + 1];
  // A folder may be named by its own desktop.ini: folders are asked.
  if (m_askEach || !ItemFindData(folder, item, &data) ||
      (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ||
      !ConvertsWhole(data.cFileName) || !WideToName(data.cFileName, file))
    return GetItemDisplayName(folder, item, SHGDN_NORMAL, name) != 0;

  const char* dot = std::strrchr(file, '.');
  const std::string type = FoldCase(dot ? dot : "");
  const auto known = m_forms.find(type);
  if (known == m_forms.end() || known->second == NameForm::kOther) {
    if (!GetItemDisplayName(folder, item, SHGDN_NORMAL, name)) return false;
    if (known == m_forms.end()) m_forms.emplace(type, FormOf(file, name));
    return true;
  }
  const std::string_view shown = InForm(file, known->second);
  std::memcpy(name, shown.data(), shown.size());
  name[shown.size()] = '\0';
  return true;
}

}  // namespace qv
