// settings/portable/ToolbarLabel.cpp: a toolbar's shown name.
#include "settings/portable/ToolbarLabel.h"

namespace qv {

std::string ToolbarLabel(const std::string& folderName,
                         const std::string& recentName,
                         const ToolbarInfo& info) {
  std::string label = folderName;
  if (!recentName.empty() && label == recentName) label = "Documents";
  if (info.kind == kKindBrowse) label = "Browse " + label;
  return label;
}

}  // namespace qv
