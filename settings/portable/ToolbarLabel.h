// settings/portable/ToolbarLabel.h: the name a toolbar shows, on its tab and
// in the Customize sheet's toolbar list.
#pragma once

#include <string>

#include "settings/portable/ToolbarInfo.h"

namespace qv {

// `folderName` as its folder's parent shows it; "Documents" for the Recent
// folder (`isRecent`); the browse toolbar starts with "Browse ".
std::string ToolbarLabel(const std::string& folderName, bool isRecent,
                         const ToolbarInfo& info);

}  // namespace qv
