// settings/LegacyNames.h: custom-list names stored by a release that ran in
// the system's own ANSI code page, read by one whose ANSI code page is UTF-8.
#pragma once

#include "settings/portable/ToolbarInfo.h"

namespace qv {

// In a process whose ANSI code page is UTF-8 (the manifest asks for it), a
// stored file name that is not valid UTF-8 was written in the system's
// legacy ANSI code page: re-encodes it, so that it still names its file and
// the next save stores it as UTF-8. Other names, and every name in a process
// that runs in a legacy code page, stay as they are.
void ReencodeLegacyNames(ToolbarInfo& info);

}  // namespace qv
