// settings/portable/ToolbarLabel.cpp: a toolbar's shown name.
#include "settings/portable/ToolbarLabel.h"

namespace qv {

std::string ToolbarLabel(const std::string& folderName, bool isRecent,
                         const ToolbarInfo& info) {
  std::string label = isRecent ? "Documents" : folderName;
  if (info.kind == kKindBrowse) label = "Browse " + label;
  return label;
}

}  // namespace qv
