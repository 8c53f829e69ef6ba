// tabs/TabPainter.h: drawing the tab strip's pieces: the shared pens and
// brush, the arrow bitmaps, and one tab with its text.
#pragma once

#include <windows.h>

#include "tabs/portable/TabGeometry.h"
#include "tabs/portable/TabItem.h"

// Process-wide objects made from the system colours at first use; the
// strips share them and never free them.
HPEN TabPenFor(qv::TabPen pen);
HBRUSH TabLightGreyBrush();

// The arrow pair bitmap (five frames) of an orientation, loaded once per
// process; null when the resource is missing.
HBITMAP TabArrowBitmap(int orientation);

void DrawTabStrokes(HDC dc, const qv::TabStroke* strokes, int count);

// Draws `tab` in its rectangle: white-filled when selected, its edges, and
// its text in `font` (none: the DC's font). `start` is where the run begins.
void DrawTab(const CTabItem& tab, HDC dc, HFONT font, BOOL bSelected,
             BOOL bFirst, int orientation, int start);
