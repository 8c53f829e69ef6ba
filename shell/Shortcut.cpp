// shell/Shortcut.cpp: writing shortcut files through the shell's link object.
#include "shell/Shortcut.h"

#include <shlobj.h>

#include <cstring>
#include <string>

#include "shell/FileSearch.h"
#include "shell/portable/ShortcutName.h"
#include "framework/Handles.h"
#include "framework/WideText.h"
#include "framework/WinApp.h"

namespace {

bool FileExists(const std::string& path) {
  WIN32_FIND_DATAW found;
  return static_cast<bool>(FileSearch(path, &found));
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
  // Wide throughout: the target and the link's own path may be longer than
  // MAX_PATH, and a path cut to fit a buffer would name another file.
  qv::ComPtr<IShellLinkW> link;
  HRESULT result =
      ::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                         IID_PPV_ARGS(link.GetAddressOf()));
  if (FAILED(result)) return result;
  qv::ComPtr<IPersistFile> file;
  result = link.As(&file);
  if (FAILED(result)) return result;

  if (FAILED(link->SetPath(qv::Widen(target).c_str())))
    qv::AppMessageBox("SetPath failed!", MB_OK);
  if (FAILED(link->SetDescription(qv::Widen(description).c_str())))
    qv::AppMessageBox("SetDescription failed!", MB_OK);
  const std::wstring widePath = qv::FileApiPath(std::string(linkPath));
  result = widePath.empty() ? E_INVALIDARG : file->Save(widePath.c_str(), TRUE);
  if (FAILED(result)) qv::AppMessageBox("Save failed!", MB_OK);
  return result;
}
