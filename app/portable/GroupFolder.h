// app/portable/GroupFolder.h: where the first start puts a program group's
// folder, from the "Path" value of the program's App Paths registration.
#pragma once

#include <string>

namespace qv {

// The installation folder is the first directory of `pathValue` (which may
// list several, separated by ";"), without one trailing backslash; the group
// folder is inside it. Empty when the value names no directory: the group
// would otherwise land at the root of the current drive.
std::string GroupFolderPath(const std::string& pathValue,
                            const std::string& group);

}  // namespace qv
