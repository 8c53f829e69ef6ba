// customize/SheetToolbarName.h: the name a toolbar has in the Customize
// sheet's lists: the name its tab shows, or a note that its folder cannot be
// read now (a removed drive), so that the lists keep one line per toolbar and
// the toolbar keeps its order until the user removes it.
#pragma once

#include <string>

#include "settings/ToolbarRecord.h"
#include "shell/FolderNames.h"

std::string SheetToolbarName(const ToolbarRecord& toolbar,
                             qv::CRecentFolder& recent, HWND owner);
