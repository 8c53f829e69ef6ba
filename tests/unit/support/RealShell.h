// tests/unit/support/RealShell.h: the real shell behind IToolbarShell, for
// tests that change or count one of its answers and pass the rest on.
#pragma once

#include <string>
#include <vector>

#include "toolbar/ToolbarShell.h"

class RealShell : public IToolbarShell {
 public:
  int Fill(const ToolbarRecord& toolbar, const CBarSettings& settings,
           HWND owner, ToolbarButtons* out) override {
    return ShellToolbarShell().Fill(toolbar, settings, owner, out);
  }
  bool SyncEntries(ToolbarRecord& toolbar,
                   const CBarSettings& settings) override {
    return ShellToolbarShell().SyncEntries(toolbar, settings);
  }
  bool RowEntries(const ToolbarRecord& toolbar, const ToolbarButtons& buttons,
                  std::vector<ButtonEntry>* entries) override {
    return ShellToolbarShell().RowEntries(toolbar, buttons, entries);
  }
  qv::ComPtr<IDropTarget> FolderDropTarget(LPCITEMIDLIST folder,
                                           LPCITEMIDLIST item,
                                           HWND owner) override {
    return ShellToolbarShell().FolderDropTarget(folder, item, owner);
  }
  bool IsUnreachable(LPCITEMIDLIST folder) override {
    return ShellToolbarShell().IsUnreachable(folder);
  }
  qv::ComPtr<IShellFolder> Desktop() override {
    return ShellToolbarShell().Desktop();
  }
  bool FolderName(LPCITEMIDLIST folder, std::string* name) override {
    return ShellToolbarShell().FolderName(folder, name);
  }
  HIMAGELIST SystemImages(bool small, SIZE* iconSize) override {
    return ShellToolbarShell().SystemImages(small, iconSize);
  }
};
