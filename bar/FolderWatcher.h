// bar/FolderWatcher.h: IFolderWatcher, what the bar needs to follow its
// toolbars' folders: watch a set of file-system folders and learn which of
// them changed. The bar coalesces the changes and re-reads those toolbars.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

struct WatchedFolder {
  std::string path;
  // Writes and size changes count too (a toolbar sorted by date or size).
  bool followWrites = false;

  bool operator==(const WatchedFolder& other) const {
    return path == other.path && followWrites == other.followWrites;
  }
};

class IFolderWatcher {
 public:
  virtual ~IFolderWatcher() = default;
  // Watches exactly `folders` from now on. After a change in one of them
  // `message` is posted to `window`, once until TakeChanged is called. A
  // folder that cannot be watched (its drive or share missing, its handle
  // failed) is tried again later, and counts as changed once it is watched.
  virtual void Watch(HWND window, UINT message,
                     const std::vector<WatchedFolder>& folders) = 0;
  // The watched folders that changed since the last call.
  virtual std::vector<std::string> TakeChanged() = 0;
  // Tries at once every folder that could not be watched (a drive arrived,
  // Refresh).
  virtual void Retry() = 0;
  // The system asks to remove the device of the directory handle `handle`
  // (from a WM_DEVICECHANGE handle notice): it is closed before this returns,
  // and its folder is tried again later.
  virtual void Release(HANDLE handle) = 0;
};

// Overlapped directory change reads, completed on a thread of their own.
std::unique_ptr<IFolderWatcher> MakeDirectoryWatcher();
