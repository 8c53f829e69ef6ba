// bench/e2e/BenchFolders.h: the folders the benchmark shows as toolbars, made
// in a temporary folder of their own and removed afterwards.
#pragma once

#include <string>
#include <vector>

namespace bench {

// Makes `folder` holding `count` files of six types, a few bytes each, named
// `prefix` and a number: folders of different prefixes look different on
// screen (the bar shows names).
bool MakeFiles(const std::string& folder, int count, const std::string& prefix);
// Makes `folder` holding a shortcut (.lnk, made with IShellLink) to each file
// in `targets`.
bool MakeShortcuts(const std::string& folder, const std::string& targets);
// Removes a folder and everything in it.
void RemoveTree(const std::string& folder);
// Writes the bar's settings key afresh, quiet (no title, no first run), names
// shown, with `folders` as its toolbars, sorted by name, and `current` the
// current one.
bool StoreToolbars(const std::vector<std::string>& folders, int current);

}  // namespace bench
