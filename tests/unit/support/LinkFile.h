// tests/unit/support/LinkFile.h: what a saved shortcut file says, and the
// names a folder holds, for tests that make shortcuts.
#pragma once

#include <windows.h>
#include <shlobj.h>
#include <wrl/client.h>

#include <set>
#include <string>
#include <vector>

#include "framework/WideText.h"
#include "shell/FileSearch.h"

struct LinkFile {
  bool loaded = false;
  std::string target;
  std::string description;

  static LinkFile Read(const std::string& path) {
    LinkFile link;
    Microsoft::WRL::ComPtr<IShellLinkW> shellLink;
    Microsoft::WRL::ComPtr<IPersistFile> file;
    if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr,
                                  CLSCTX_INPROC_SERVER,
                                  IID_PPV_ARGS(&shellLink))) ||
        FAILED(shellLink.As(&file)) ||
        FAILED(file->Load(qv::FileApiPath(path).c_str(), STGM_READ)))
      return link;
    std::vector<wchar_t> text(0x8000);
    const int size = static_cast<int>(text.size());
    link.loaded = true;
    if (SUCCEEDED(shellLink->GetPath(text.data(), size, nullptr, SLGP_RAWPATH)))
      link.target = qv::Narrow(text.data());
    text[0] = L'\0';
    if (SUCCEEDED(shellLink->GetDescription(text.data(), size)))
      link.description = qv::Narrow(text.data());
    return link;
  }
};

// The names of the files and folders in `folder` ("." and ".." left out).
inline std::set<std::string> FolderNames(const std::string& folder) {
  std::set<std::string> names;
  WIN32_FIND_DATAW found;
  FileSearch search(folder + "\\*", &found);
  if (!search) return names;
  do {
    const std::string name = qv::Narrow(found.cFileName);
    if (name != "." && name != "..") names.insert(name);
  } while (search.Next(&found));
  return names;
}
