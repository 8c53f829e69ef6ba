// toolbar/ToolbarShell.cpp: the shell's answers to a rebuild's requests.
#include "toolbar/ToolbarShell.h"

#include "framework/Handles.h"
#include "framework/ImageList.h"
#include "shell/ShellHelpers.h"
#include "toolbar/ToolbarFill.h"

namespace {

class RealToolbarShell : public IToolbarShell {
 public:
  int Fill(ToolbarRecord& toolbar, const CBarSettings& settings, HWND owner,
           ToolbarButtons* out) override {
    return FillToolbar(toolbar, settings, owner, out);
  }

  bool FolderName(LPCITEMIDLIST folder, std::string* name) override {
    char text[qv::kMaxShellName + 1] = {};
    qv::UniqueIdList parent(qv::CopyParentIdList(folder));
    qv::UniqueIdList last(qv::CopyLastItemId(folder));
    qv::ComPtr<IShellFolder> parentFolder;
    bool named = false;
    if (parent && last &&
        qv::BindToFolder(parent.get(), parentFolder.GetAddressOf())) {
      named = qv::GetItemDisplayName(parentFolder.Get(), last.get(),
                                     SHGDN_NORMAL, text);
    } else {
      qv::ComPtr<IShellFolder> desktop;
      named = folder && SUCCEEDED(::SHGetDesktopFolder(&desktop)) &&
              qv::GetItemDisplayName(desktop.Get(), folder, SHGDN_NORMAL, text);
    }
    if (named) *name = text;
    return named;
  }

  HIMAGELIST SystemImages(bool small, SIZE* iconSize) override {
    SHFILEINFOA info{};
    const UINT flags = small ? SHGFI_SYSICONINDEX | SHGFI_SMALLICON
                             : SHGFI_SYSICONINDEX | SHGFI_ICON;
    const qv::ImageList images(reinterpret_cast<HIMAGELIST>(
        ::SHGetFileInfoA("C:\\", 0, &info, sizeof info, flags)));
    const qv::UniqueHIcon icon(info.hIcon);
    IMAGEINFO image{};
    *iconSize = {0, 0};
    if (images.GetImageInfo(0, &image))
      *iconSize = {image.rcImage.right - image.rcImage.left,
                   image.rcImage.bottom - image.rcImage.top};
    return images.get();
  }
};

}  // namespace

IToolbarShell& ShellToolbarShell() {
  static RealToolbarShell shell;
  return shell;
}
