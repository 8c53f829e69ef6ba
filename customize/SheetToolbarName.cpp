// customize/SheetToolbarName.cpp: a toolbar's name in the sheet's lists.
#include "customize/SheetToolbarName.h"

#include "settings/portable/ToolbarLabel.h"
#include "shell/FolderNames.h"

std::string SheetToolbarName(const ToolbarRecord& toolbar,
                             const std::string& recentName) {
  std::string name;
  if (!qv::FolderDisplayName(toolbar.folder.get(), &name))
    return "(folder not available)";
  return qv::ToolbarLabel(name, recentName, toolbar.info);
}
