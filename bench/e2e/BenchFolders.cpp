// bench/e2e/BenchFolders.cpp
#include "bench/e2e/BenchFolders.h"

#include <windows.h>
#include <shlobj.h>

#include <cstdio>

#include "framework/Handles.h"
#include "tests/e2e/harness/SettingsKey.h"

namespace bench {
namespace {

std::wstring Wide(const std::string& text) {
  return std::wstring(text.begin(), text.end());
}

bool MakeShortcut(const std::string& target, const std::string& lnk) {
  qv::ComPtr<IShellLinkW> link;
  qv::ComPtr<IPersistFile> file;
  return SUCCEEDED(::CoCreateInstance(CLSID_ShellLink, nullptr,
                                      CLSCTX_INPROC_SERVER,
                                      IID_PPV_ARGS(link.GetAddressOf()))) &&
         SUCCEEDED(link->SetPath(Wide(target).c_str())) &&
         SUCCEEDED(link.As(&file)) &&
         SUCCEEDED(file->Save(Wide(lnk).c_str(), TRUE));
}

}  // namespace

bool MakeFiles(const std::string& folder, int count,
               const std::string& prefix) {
  // Types whose icons come by type from the registry, and programs, whose
  // icons are asked of each file.
  static const char* const kTypes[] = {".txt", ".bmp", ".doc",
                                       ".exe", ".ini", ".htm"};
  if (!::CreateDirectoryA(folder.c_str(), nullptr)) return false;
  for (int i = 0; i < count; ++i) {
    char number[16];
    std::snprintf(number, sizeof number, " %04d", i);
    const std::string path = folder + "\\" + prefix + number + kTypes[i % 6];
    HANDLE file = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr,
                                CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    ::WriteFile(file, number, 4, &written, nullptr);
    ::CloseHandle(file);
  }
  return true;
}

bool MakeShortcuts(const std::string& folder, const std::string& targets) {
  if (!::CreateDirectoryA(folder.c_str(), nullptr)) return false;
  WIN32_FIND_DATAA found{};
  HANDLE search = ::FindFirstFileA((targets + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return false;
  bool made = true;
  do {
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
    const std::string name = found.cFileName;
    made = MakeShortcut(targets + "\\" + name,
                        folder + "\\link to " + name + ".lnk");
  } while (made && ::FindNextFileA(search, &found));
  ::FindClose(search);
  return made;
}

void RemoveTree(const std::string& folder) {
  const std::string from = folder + '\0';
  SHFILEOPSTRUCTA remove{};
  remove.wFunc = FO_DELETE;
  remove.pFrom = from.c_str();
  remove.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
  ::SHFileOperationA(&remove);
}

bool StoreToolbars(const std::vector<std::string>& folders, int current) {
  e2e::SettingsKey::Delete();
  e2e::SettingsKey::CreateQuiet();
  e2e::SettingsKey::SetDword("Max. No. of Chars", 12);
  for (size_t i = 0; i < folders.size(); ++i)
    if (!e2e::SettingsKey::StoreToolbar(static_cast<int>(i), folders[i]))
      return false;
  e2e::SettingsKey::SetDword("No. of Folders",
                             static_cast<DWORD>(folders.size()));
  e2e::SettingsKey::SetDword("Current Tab", static_cast<DWORD>(current));
  return true;
}

}  // namespace bench
