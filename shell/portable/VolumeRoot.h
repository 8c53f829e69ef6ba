// shell/portable/VolumeRoot.h: the volume or network share a path lies on,
// which tells a folder on a missing drive or share from a deleted one.
#pragma once

#include <string>

namespace qv {

// The root of the path's volume with a trailing backslash: "X:\" for a
// drive path, "\\server\share\" for a network path (also in its "\\?\" and
// "\\?\UNC\" forms). Empty for a path that names neither.
std::string VolumeRoot(const std::string& path);

}  // namespace qv
