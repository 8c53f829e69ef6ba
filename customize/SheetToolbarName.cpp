// customize/SheetToolbarName.cpp: a toolbar's name in the sheet's lists.
#include "customize/SheetToolbarName.h"

#include "settings/portable/ToolbarLabel.h"

std::string SheetToolbarName(const ToolbarRecord& toolbar,
                             qv::CRecentFolder& recent, HWND owner) {
  std::string name;
  if (!qv::FolderDisplayName(toolbar.folder.get(), &name))
    return "(folder not available)";
  return qv::ToolbarLabel(name, recent.Is(toolbar.folder.get(), owner),
                          toolbar.info);
}
