// tests/unit/support/LinkFile.h: what a saved shortcut file says, and the
// names a folder holds, for tests that make shortcuts.
#pragma once

#include <windows.h>
#include <shlobj.h>
#include <wrl/client.h>

#include <set>
#include <string>

#include "shell/FileSearch.h"

struct LinkFile {
  bool loaded = false;
  std::string target;
  std::string description;

  static LinkFile Read(const std::string& path) {
    LinkFile link;
    Microsoft::WRL::ComPtr<IShellLinkA> shellLink;
    Microsoft::WRL::ComPtr<IPersistFile> file;
    wchar_t wide[MAX_PATH] = {};
    ::MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, MAX_PATH);
    if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr,
                                  CLSCTX_INPROC_SERVER,
                                  IID_PPV_ARGS(&shellLink))) ||
        FAILED(shellLink.As(&file)) || FAILED(file->Load(wide, STGM_READ)))
      return link;
    char text[MAX_PATH] = {};
    link.loaded = true;
    if (SUCCEEDED(shellLink->GetPath(text, MAX_PATH, nullptr, SLGP_RAWPATH)))
      link.target = text;
    text[0] = '\0';
    if (SUCCEEDED(shellLink->GetDescription(text, MAX_PATH)))
      link.description = text;
    return link;
  }
};

// The names of the files and folders in `folder` ("." and ".." left out).
inline std::set<std::string> FolderNames(const std::string& folder) {
  std::set<std::string> names;
  WIN32_FIND_DATAA found;
  FileSearch search((folder + "\\*").c_str(), &found);
  if (!search) return names;
  do {
    const std::string name = found.cFileName;
    if (name != "." && name != "..") names.insert(name);
  } while (search.Next(&found));
  return names;
}
