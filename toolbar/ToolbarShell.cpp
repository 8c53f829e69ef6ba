// toolbar/ToolbarShell.cpp: the shell's answers to a rebuild's requests.
#include "toolbar/ToolbarShell.h"

#include <commoncontrols.h>

#include "framework/Handles.h"
#include "shell/FolderNames.h"
#include "shell/FileSystemPath.h"
#include "shell/ShellHelpers.h"
#include "shell/portable/VolumeRoot.h"
#include "toolbar/ToolbarFill.h"
#include "toolbar/ToolbarSort.h"
#include "toolbar/portable/SortKeys.h"

namespace {

class RealToolbarShell : public IToolbarShell {
 public:
  int Fill(const ToolbarRecord& toolbar, const CBarSettings& settings,
           HWND owner, ToolbarButtons* out) override {
    return FillToolbar(toolbar, settings, owner, out);
  }

  bool SyncEntries(ToolbarRecord& toolbar,
                   const CBarSettings& settings) override {
    return SyncToolbarEntries(toolbar, settings);
  }

  bool RowEntries(const ToolbarRecord& toolbar, const ToolbarButtons& buttons,
                  std::vector<ButtonEntry>* entries) override {
    return ::RowEntries(toolbar, buttons, entries);
  }

  qv::ComPtr<IDropTarget> FolderDropTarget(LPCITEMIDLIST folder,
                                           LPCITEMIDLIST item,
                                           HWND owner) override {
    return ItemDropTarget(folder, item, owner);
  }

  bool IsUnreachable(LPCITEMIDLIST folder) override {
    return IsFolderUnreachable(folder);
  }

  qv::ComPtr<IShellFolder> Desktop() override {
    qv::ComPtr<IShellFolder> desktop;
    if (FAILED(::SHGetDesktopFolder(desktop.GetAddressOf()))) desktop.Reset();
    return desktop;
  }

  bool FolderName(LPCITEMIDLIST folder, std::string* name) override {
    return qv::FolderDisplayName(folder, name);
  }

  HIMAGELIST SystemImages(bool small, SIZE* iconSize) override {
    // The lists themselves, with no item looked up to reach them: asking
    // for a path's icon, as SHGetFileInfo does, reads that path.
    *iconSize = {0, 0};
    qv::ComPtr<IImageList> list;
    if (FAILED(::SHGetImageList(small ? SHIL_SMALL : SHIL_LARGE,
                                __uuidof(IImageList),
                                reinterpret_cast<void**>(list.GetAddressOf()))))
      return nullptr;
    // The interface is the list's handle; the shell keeps the list for as
    // long as the process lives.
    const auto images = reinterpret_cast<HIMAGELIST>(list.Get());
    int cx = 0, cy = 0;
    if (::ImageList_GetIconSize(images, &cx, &cy)) *iconSize = {cx, cy};
    return images;
  }
};

}  // namespace

bool IToolbarShell::Sort(const ToolbarRecord& toolbar,
                         ToolbarButtons* buttons) {
  if (!qv::IsSortingOrder(toolbar.sortOrder)) return false;
  SortToolbarItems(toolbar.folder.get(), toolbar.sortOrder, *buttons);
  return true;
}

bool IToolbarShell::IsRemote(LPCITEMIDLIST folder) {
  const std::string root = qv::VolumeRoot(qv::FileSystemPath(folder));
  if (root.size() > 2 && root[0] == '\\' && root[1] == '\\') return true;
  // A mapped drive answers from its mapping, without the network.
  return !root.empty() && ::GetDriveTypeA(root.c_str()) == DRIVE_REMOTE;
}

int IToolbarShell::ItemIcon(LPCITEMIDLIST item) {
  return qv::GetSysIconIndex(item, qv::kSmallIconIndexFlags);
}

IToolbarShell& ShellToolbarShell() {
  static RealToolbarShell shell;
  return shell;
}
