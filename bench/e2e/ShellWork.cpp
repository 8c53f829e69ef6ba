// bench/e2e/ShellWork.cpp
#include "bench/e2e/ShellWork.h"

#include <windows.h>
#include <shlobj.h>

#include "framework/Handles.h"
#include "shell/ShellHelpers.h"

namespace bench {

int BareShellWork(const std::string& path) {
  const qv::UniqueIdList folder(qv::PathToIdList(path, nullptr));
  qv::ComPtr<IShellFolder> shellFolder;
  if (!folder || !qv::BindToFolder(folder.get(), shellFolder.GetAddressOf()) ||
      !shellFolder)
    return 0;
  qv::ComPtr<IEnumIDList> items;
  if (shellFolder->EnumObjects(nullptr, SHCONTF_FOLDERS | SHCONTF_NONFOLDERS,
                               &items) != S_OK)
    return 0;
  int count = 0;
  qv::UniqueIdList item;
  while (items->Next(1, item.put(), nullptr) == S_OK) {
    char name[qv::kMaxShellName + 1];
    qv::GetItemDisplayName(shellFolder.Get(), item.get(), SHGDN_NORMAL, name);
    LPCITEMIDLIST one = item.get();
    SFGAOF attributes = SFGAO_FOLDER | SFGAO_LINK | SFGAO_HIDDEN;
    shellFolder->GetAttributesOf(1, &one, &attributes);
    const qv::UniqueIdList absolute(qv::ConcatIdLists(folder.get(), one));
    SHFILEINFOA info{};
    ::SHGetFileInfoA(reinterpret_cast<LPCSTR>(absolute.get()), 0, &info,
                     sizeof info, qv::kSmallIconIndexFlags);
    ++count;
  }
  return count;
}

}  // namespace bench
