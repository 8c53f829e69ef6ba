// toolbar/ButtonFont.h: the font of the buttons' names, which the pane also
// measures to size the cells.
#pragma once

#include "framework/Handles.h"

// "MS Sans Serif" at 8 points, or the face and size that the program's
// string 62000 names, at `dpi`. Null on a double-byte system without that
// string: the names are then drawn in the device context's own font.
qv::UniqueHFont CreateButtonFont(int dpi);
