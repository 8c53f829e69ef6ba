// toolbar/ToolbarSort.h: sorting a toolbar's filled records by its sort order
// (name, date, type or size, folders first).
#pragma once

#include <windows.h>
#include <shlobj.h>

#include "toolbar/ToolbarButton.h"

// Sorts `buttons`, the items of the toolbar folder `folder` (an absolute
// list), in place by `sortOrder` (1 name, 2 date, 3 type, 4 size; any other
// value keeps the fill order). Each item's keys are read from the shell
// once, before sorting. Nothing happens with fewer than two buttons or a
// folder that cannot be bound.
void SortToolbarItems(LPCITEMIDLIST folder, UINT sortOrder,
                      ToolbarButtons& buttons);
