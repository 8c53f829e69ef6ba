// bar/FolderWatcher.h: IFolderWatcher, what the bar needs to follow its
// toolbars' folders: watch a set of file-system folders and learn which of
// them changed. The bar coalesces the changes and re-reads those toolbars.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

class IFolderWatcher {
 public:
  virtual ~IFolderWatcher() = default;
  // Watches exactly `paths` from now on. After a change in one of them
  // `message` is posted to `window`, once until TakeChanged is called.
  virtual void Watch(HWND window, UINT message,
                     const std::vector<std::string>& paths) = 0;
  // The watched folders that changed since the last call.
  virtual std::vector<std::string> TakeChanged() = 0;
};

// Directory change notifications, waited for on a thread of its own.
std::unique_ptr<IFolderWatcher> MakeDirectoryWatcher();
