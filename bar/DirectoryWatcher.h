// bar/DirectoryWatcher.h: the directory watcher (MakeDirectoryWatcher) with
// the opener of its directories in its hands, for a test to hold an open as
// an offline share holds it.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "bar/FolderWatcher.h"

// Opens the directory `path` (in the file API's form) for change reads, as
// OpenWatchedDirectory does: the handle, or INVALID_HANDLE_VALUE. Called on
// the thread pool, as an open on an offline share waits for the network.
using DirectoryOpener = std::function<HANDLE(const std::wstring& path)>;
HANDLE OpenWatchedDirectory(const std::wstring& path);

// The directory watcher, opening its folders with `open`.
std::unique_ptr<IFolderWatcher> MakeDirectoryWatcher(DirectoryOpener open);
