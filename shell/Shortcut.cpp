// shell/Shortcut.cpp: writing shortcut files through the shell's link object.
#include "shell/Shortcut.h"

#include <shlobj.h>

#include <cstring>
#include <string>

#include "shell/FileSearch.h"
#include "shell/portable/ShortcutName.h"
#include "framework/Handles.h"
#include "framework/WinApp.h"

namespace {

bool FileExists(const std::string& path) {
  WIN32_FIND_DATAA found;
  return static_cast<bool>(FileSearch(path.c_str(), &found));
}

// The whole path in UTF-16: a path cut to fit a buffer would save the link
// under another name.
std::wstring Widen(const char* text) {
  const int size = ::MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
  if (size <= 0) return std::wstring();
  std::wstring wide(static_cast<size_t>(size), L'\0');
  ::MultiByteToWideChar(CP_ACP, 0, text, -1, &wide[0], size);
  wide.resize(static_cast<size_t>(size - 1));
  return wide;
}

}  // namespace

int CreateShortcut(const char* folder, const char* target, char* name) {
  if (!target || !name || !folder) return 0;
  const std::string description = std::string("Shortcut to ") + name;
  const std::string cut = qv::CutAtFirstDot(name);
  name[cut.size()] = '\0';
  if (cut.empty()) return 0;

  const std::string path = qv::FreeShortcutFile(folder, cut, FileExists);
  if (path.empty()) return 0;
  return SUCCEEDED(MakeShellLink(target, path.c_str(), description.c_str()))
             ? 1
             : 0;
}

HRESULT MakeShellLink(const char* target, const char* linkPath,
                      const char* description) {
  qv::ComPtr<IShellLinkA> link;
  HRESULT result =
      ::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                         IID_PPV_ARGS(link.GetAddressOf()));
  if (FAILED(result)) return result;
  qv::ComPtr<IPersistFile> file;
  result = link.As(&file);
  if (FAILED(result)) return result;

  if (FAILED(link->SetPath(target)))
    qv::AppMessageBox("SetPath failed!", MB_OK);
  if (FAILED(link->SetDescription(description)))
    qv::AppMessageBox("SetDescription failed!", MB_OK);
  const std::wstring widePath = Widen(linkPath);
  result = widePath.empty() ? E_INVALIDARG : file->Save(widePath.c_str(), TRUE);
  if (FAILED(result)) qv::AppMessageBox("Save failed!", MB_OK);
  return result;
}
