// tabs/TabPainter.h: drawing the tab strip's pieces: the shared pens and
// brush, the arrow bitmaps, and one tab with its text.
#pragma once

#include <windows.h>

#include "framework/Handles.h"
#include "framework/portable/Palette.h"
#include "tabs/portable/TabGeometry.h"
#include "tabs/portable/TabItem.h"

// The pens, brushes and arrow bitmaps of one palette, made when the strip's
// palette changes and freed with it.
class TabColors {
 public:
  explicit TabColors(const qv::Palette& palette);

  HPEN Pen(qv::TabPen pen) const;
  // The arrow pair bitmap of an orientation in this palette's colours.
  HBITMAP Arrows(int orientation) const;
  HBRUSH Groove() const { return m_groove.get(); }
  HBRUSH SelectedFill() const { return m_selected.get(); }
  COLORREF TextColor(bool selected) const {
    return selected ? m_selectedText : m_text;
  }

 private:
  qv::UniqueHPen m_shadowPen;
  qv::UniqueHPen m_highlightPen;
  qv::UniqueHPen m_textPen;
  qv::UniqueHBrush m_groove;
  qv::UniqueHBrush m_selected;
  // Repainted copies for the dark and high-contrast looks; empty in the
  // light look, which draws the bitmaps as they are.
  qv::UniqueHBitmap m_arrows[3];
  COLORREF m_text;
  COLORREF m_selectedText;
};

// The arrow pair bitmap (five frames) of an orientation, loaded once per
// process; null when the resource is missing.
HBITMAP TabArrowBitmap(int orientation);

void DrawTabStrokes(HDC dc, const TabColors& colors,
                    const qv::TabStroke* strokes, int count);

// Draws `tab` in its rectangle: filled when selected, its edges, and its
// text in `font` (none: the DC's font). `start` is where the run begins.
void DrawTab(const CTabItem& tab, HDC dc, HFONT font, const TabColors& colors,
             BOOL bSelected, BOOL bFirst, int orientation, int start);
