// tabs/TabPainter.cpp: strokes, fills and text of the tab strip.
#include "tabs/TabPainter.h"

#include "framework/Handles.h"
#include "res/resource.h"

namespace {

struct DrawingObjects {
  qv::UniqueHPen shadow{
      ::CreatePen(PS_SOLID, 0, ::GetSysColor(COLOR_BTNSHADOW))};
  qv::UniqueHPen highlight{
      ::CreatePen(PS_SOLID, 0, ::GetSysColor(COLOR_BTNHIGHLIGHT))};
  qv::UniqueHPen text{::CreatePen(PS_SOLID, 0, ::GetSysColor(COLOR_BTNTEXT))};
  qv::UniqueHBrush lightGrey{::CreateSolidBrush(RGB(192, 192, 192))};
};

const DrawingObjects& Objects() {
  static const DrawingObjects objects;
  return objects;
}

struct ArrowBitmaps {
  qv::UniqueHBitmap Load(int id) {
    return qv::UniqueHBitmap(
        ::LoadBitmapA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id)));
  }
  qv::UniqueHBitmap horz = Load(IDB_TAB_ARROWS_HORZ);
  qv::UniqueHBitmap leftEdge = Load(IDB_TAB_ARROWS_LEFT_EDGE);
  qv::UniqueHBitmap rightEdge = Load(IDB_TAB_ARROWS_RIGHT_EDGE);
};

}  // namespace

HPEN TabPenFor(qv::TabPen pen) {
  switch (pen) {
    case qv::TabPen::kShadow:
      return Objects().shadow.get();
    case qv::TabPen::kHighlight:
      return Objects().highlight.get();
    default:
      return Objects().text.get();
  }
}

HBRUSH TabLightGreyBrush() { return Objects().lightGrey.get(); }

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

void DrawTabStrokes(HDC dc, const qv::TabStroke* strokes, int count) {
  for (int i = 0; i < count; ++i) {
    const qv::TabStroke& s = strokes[i];
    qv::SelectScope pen(dc, TabPenFor(s.pen));
    ::MoveToEx(dc, s.from.x, s.from.y, nullptr);
    ::LineTo(dc, s.to.x, s.to.y);
  }
}

void DrawTab(const CTabItem& tab, HDC dc, HFONT font, BOOL bSelected,
             BOOL bFirst, int orientation, int start) {
  const int full =
      orientation == qv::kTabsHorizontal ? tab.m_nWidth : tab.m_nHeight;
  const qv::TabShape shape = qv::MakeTabShape(
      orientation, tab.m_rect, full, bSelected != 0, bFirst != 0, start);
  if (shape.filled) {
    POINT points[4];
    for (int i = 0; i < 4; ++i) points[i] = {shape.fill[i].x, shape.fill[i].y};
    qv::UniqueHRgn region(::CreatePolygonRgn(points, 4, ALTERNATE));
    qv::UniqueHBrush white(::CreateSolidBrush(RGB(255, 255, 255)));
    if (region && white) {
      qv::SelectScope brush(dc, white.get());
      ::PaintRgn(dc, region.get());
    }
  }
  DrawTabStrokes(dc, shape.strokes, shape.strokeCount);

  // The text, centred on the whole tab and cut at its rectangle.
  qv::SelectScope pen(dc, TabPenFor(qv::TabPen::kText));
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
}
