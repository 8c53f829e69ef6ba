// toolbar/CascadeMenuShell.cpp: a cascading menu's requests answered by the
// shell and the menu system.
#include "toolbar/CascadeMenuShell.h"

#include "shell/ShellDrag.h"
#include "shell/ShellHelpers.h"
#include "toolbar/ToolbarFill.h"
#include "toolbar/ToolbarSort.h"

namespace {

class RealCascadeMenuShell : public ICascadeMenuShell {
 public:
  bool Items(LPCITEMIDLIST folder, UINT sortOrder, const CBarSettings& settings,
             HWND owner, CascadeItems* out) override {
    // Read and sorted as a toolbar on the folder is, so that the menu
    // shows what the button row would.
    ToolbarButtons buttons;
    qv::ComPtr<IShellFolder> shellFolder;
    if (!FillItemsFromFolder(folder, settings, owner, &buttons) ||
        !qv::BindToFolder(folder, shellFolder.GetAddressOf()) || !shellFolder)
      return false;
    SortToolbarItems(folder, sortOrder, buttons);
    out->clear();
    out->reserve(buttons.size());
    for (ToolbarButton& button : buttons) {
      LPCITEMIDLIST child = button.item.get();
      SFGAOF attributes = SFGAO_FOLDER;
      CascadeItem entry;
      entry.folder =
          SUCCEEDED(shellFolder->GetAttributesOf(1, &child, &attributes)) &&
          (attributes & SFGAO_FOLDER);
      entry.name = std::move(button.name);
      entry.image = button.image;
      entry.item = std::move(button.item);
      out->push_back(std::move(entry));
    }
    return true;
  }

  HIMAGELIST SmallImages() override {
    SHFILEINFOA info{};
    return reinterpret_cast<HIMAGELIST>(::SHGetFileInfoA(
        "C:\\", 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
  }

  UINT Track(HMENU menu, UINT flags, POINT at, HWND owner,
             const RECT& exclude) override {
    TPMPARAMS params{sizeof params, exclude};
    return static_cast<UINT>(
        ::TrackPopupMenuEx(menu, flags, at.x, at.y, owner, &params));
  }

  void Drag(LPCITEMIDLIST folder, LPCITEMIDLIST item, HWND owner) override {
    DragShellItem(folder, item, owner);
  }
};

}  // namespace

ICascadeMenuShell& ShellCascadeMenuShell() {
  static RealCascadeMenuShell shell;
  return shell;
}
