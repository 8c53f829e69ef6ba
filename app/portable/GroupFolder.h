// app/portable/GroupFolder.h: where the first start puts a program group's
// folder.
#pragma once

#include <string>

namespace qv {

// `group` inside folder `parent` (written with or without one trailing
// backslash). Empty when `parent` names no directory: the group would
// otherwise land at the root of the current drive.
std::string GroupFolderPath(const std::string& parent,
                            const std::string& group);

}  // namespace qv
