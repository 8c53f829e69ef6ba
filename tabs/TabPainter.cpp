// tabs/TabPainter.cpp: strokes, fills and text of the tab strip.
#include "tabs/TabPainter.h"

#include <algorithm>
#include <vector>

#include "framework/DibInfo.h"
#include "framework/Handles.h"
#include "res/resource.h"
#include "tabs/portable/ArrowRecolour.h"

namespace {

struct ArrowBitmaps {
  qv::UniqueHBitmap Load(int id) {
    return qv::UniqueHBitmap(
        ::LoadBitmapA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id)));
  }
  qv::UniqueHBitmap horz = Load(IDB_TAB_ARROWS_HORZ);
  qv::UniqueHBitmap leftEdge = Load(IDB_TAB_ARROWS_LEFT_EDGE);
  qv::UniqueHBitmap rightEdge = Load(IDB_TAB_ARROWS_RIGHT_EDGE);
};

constexpr int kOrientations[] = {qv::kTabsHorizontal, qv::kTabsLeftEdge,
                                 qv::kTabsRightEdge};

// A 32-bit copy of `source` with each pixel repainted in `palette`.
qv::UniqueHBitmap Recoloured(HBITMAP source, const qv::Palette& palette) {
  BITMAP size{};
  if (!source || !::GetObjectA(source, sizeof size, &size)) return {};
  BITMAPINFO info = qv::TopDownDib32(size.bmWidth, size.bmHeight);
  std::vector<RGBQUAD> pixels(static_cast<size_t>(size.bmWidth) *
                              static_cast<size_t>(size.bmHeight));
  const qv::UniqueHdc dc(::CreateCompatibleDC(nullptr));
  if (!dc || ::GetDIBits(dc.get(), source, 0, size.bmHeight, pixels.data(),
                         &info, DIB_RGB_COLORS) != size.bmHeight)
    return {};
  for (int y = 0; y < size.bmHeight; ++y) {
    for (int x = 0; x < size.bmWidth; ++x) {
      RGBQUAD& p = pixels[static_cast<size_t>(y) * size.bmWidth + x];
      const qv::Rgb colour = qv::RecolourArrowPixel(
          x, y, RGB(p.rgbRed, p.rgbGreen, p.rgbBlue), palette);
      p = RGBQUAD{GetBValue(colour), GetGValue(colour), GetRValue(colour), 0};
    }
  }
  void* bits = nullptr;
  qv::UniqueHBitmap copy(
      ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (copy && bits)
    std::copy(pixels.begin(), pixels.end(), static_cast<RGBQUAD*>(bits));
  return copy;
}

int OrientationSlot(int orientation) {
  for (int i = 0; i < 3; ++i)
    if (kOrientations[i] == orientation) return i;
  return 0;
}

}  // namespace

TabColors::TabColors(const qv::Palette& palette)
    : m_shadowPen(::CreatePen(PS_SOLID, 0, palette.edgeShadow)),
      m_highlightPen(::CreatePen(PS_SOLID, 0, palette.edgeLight)),
      m_textPen(::CreatePen(PS_SOLID, 0, palette.text)),
      m_groove(::CreateSolidBrush(palette.arrowGroove)),
      m_selected(::CreateSolidBrush(palette.selectedTab)),
      m_text(palette.text),
      m_selectedText(palette.selectedText) {
  if (palette.dark || palette.highContrast)
    for (int i = 0; i < 3; ++i)
      m_arrows[i] = Recoloured(TabArrowBitmap(kOrientations[i]), palette);
}

HBITMAP TabColors::Arrows(int orientation) const {
  const qv::UniqueHBitmap& own = m_arrows[OrientationSlot(orientation)];
  return own ? own.get() : TabArrowBitmap(orientation);
}

HPEN TabColors::Pen(qv::TabPen pen) const {
  switch (pen) {
    case qv::TabPen::kShadow:
      return m_shadowPen.get();
    case qv::TabPen::kHighlight:
      return m_highlightPen.get();
    default:
      return m_textPen.get();
  }
}

HBITMAP TabArrowBitmap(int orientation) {
  static const ArrowBitmaps bitmaps;
  switch (orientation) {
    case qv::kTabsRightEdge:
      return bitmaps.rightEdge.get();
    case qv::kTabsLeftEdge:
      return bitmaps.leftEdge.get();
    default:
      return bitmaps.horz.get();
  }
}

void DrawTabStrokes(HDC dc, const TabColors& colors,
                    const qv::TabStroke* strokes, int count) {
  for (int i = 0; i < count; ++i) {
    const qv::TabStroke& s = strokes[i];
    qv::SelectScope pen(dc, colors.Pen(s.pen));
    ::MoveToEx(dc, s.from.x, s.from.y, nullptr);
    ::LineTo(dc, s.to.x, s.to.y);
  }
}

void DrawTab(const CTabItem& tab, HDC dc, HFONT font, const TabColors& colors,
             BOOL bSelected, BOOL bFirst, int orientation, int start) {
  const int full =
      orientation == qv::kTabsHorizontal ? tab.m_nWidth : tab.m_nHeight;
  const qv::TabShape shape = qv::MakeTabShape(
      orientation, tab.m_rect, full, bSelected != 0, bFirst != 0, start);
  if (shape.filled) {
    POINT points[4];
    for (int i = 0; i < 4; ++i) points[i] = {shape.fill[i].x, shape.fill[i].y};
    qv::UniqueHRgn region(::CreatePolygonRgn(points, 4, ALTERNATE));
    if (region) {
      qv::SelectScope brush(dc, colors.SelectedFill());
      ::PaintRgn(dc, region.get());
    }
  }
  DrawTabStrokes(dc, colors, shape.strokes, shape.strokeCount);

  // The text, centred on the whole tab and cut at its rectangle.
  qv::SelectScope pen(dc, colors.Pen(qv::TabPen::kText));
  const COLORREF oldText = ::SetTextColor(dc, colors.TextColor(bSelected));
  qv::SelectScope selectedFont(dc, font);
  const int length = static_cast<int>(tab.m_strText.size());
  SIZE extent{};
  ::GetTextExtentPointA(dc, tab.m_strText.c_str(), length, &extent);
  const qv::TabPoint origin =
      qv::TabTextOrigin(orientation, tab.m_rect, full, extent.cx, extent.cy);
  const RECT clip{tab.m_rect.left, tab.m_rect.top, tab.m_rect.right,
                  tab.m_rect.bottom};
  ::ExtTextOutA(dc, origin.x, origin.y, ETO_CLIPPED, &clip,
                tab.m_strText.c_str(), length, nullptr);
  ::SetTextColor(dc, oldText);
}
