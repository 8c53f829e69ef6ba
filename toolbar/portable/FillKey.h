// toolbar/portable/FillKey.h: everything a toolbar's fill reads besides its
// folder's contents: kept buttons whose key still matches need no new read.
#pragma once

#include <string>
#include <vector>

#include "settings/portable/ToolbarInfo.h"

namespace qv {

struct FillKey {
  std::string folder;  // the folder's item identifier list, as bytes
  unsigned sortOrder = 0;
  int kind = 0;
  std::vector<ButtonEntry> entries;  // only for a custom order
  unsigned showAllFiles = 0;
  std::vector<std::string> hiddenTypes;
};

bool operator==(const FillKey& a, const FillKey& b);

// The key of a toolbar on the folder `folderBytes`. The custom list counts
// only when it gives the order (`customOrder`); otherwise it is not read. The
// icon size does not count: a system icon index names the icon in the small
// and the large list alike.
FillKey MakeFillKey(std::string folderBytes, unsigned sortOrder,
                    const ToolbarInfo& info, bool customOrder,
                    unsigned showAllFiles,
                    const std::vector<std::string>& hiddenTypes);

}  // namespace qv
