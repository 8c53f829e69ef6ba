// bench/e2e/ShellWork.h: the bare shell work over a folder, the least any
// fill of it must ask: the items, and each one's name, attributes and small
// icon index. The figures of the bar are read against it.
#pragma once

#include <string>

namespace bench {

// Does the work once over the folder at `path`; answers the items seen (0
// when the folder cannot be read).
int BareShellWork(const std::string& path);

}  // namespace bench
