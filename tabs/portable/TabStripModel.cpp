// tabs/portable/TabStripModel.cpp: selection, scrolling and layout of the tab
// run.
#include "tabs/portable/TabStripModel.h"

namespace qv {

void TabStripModel::AddTab(const char* text) {
  m_tabs.push_back(std::make_unique<CTabItem>(text, -1));
  if (HasWindow()) {
    SetFirstTab(m_nFirstTab);
    Invalidate(nullptr, true);
  }
}

void TabStripModel::RemoveTab(int index) {
  if (index < 0 || index >= GetTabCount()) return;
  m_tabs.erase(m_tabs.begin() + index);
  if (index < m_nCurSel) --m_nCurSel;
  if (m_nCurSel >= GetTabCount()) m_nCurSel = 0;
  if (HasWindow()) {
    SetFirstTab(0);
    Invalidate(nullptr, true);
  }
}

int TabStripModel::SelectTab(int index) { return ChangeSelection(index, true); }

int TabStripModel::SetCurSel(int index) {
  return ChangeSelection(index, false);
}

int TabStripModel::ChangeSelection(int index, bool notify) {
  if (index < 0 || index >= GetTabCount()) return 0;
  if (index == m_nCurSel) {
    if (!IsTabVisible(index, 1)) EnsureVisible(index);
    return 1;
  }
  if (notify && Notify(kTabSelChanging) != 0) return 0;
  // The parent may have rebuilt the tabs while it was asked.
  if (index >= GetTabCount()) return 0;
  const int old = m_nCurSel;
  m_nCurSel = index;
  if (notify) Notify(kTabSelChanged);
  InvalidateTab(old);
  InvalidateTab(index);
  EnsureVisible(index);
  return 1;
}

void TabStripModel::SetFirstTab(int first) {
  Layout(first);
  m_nFirstTab = first;
}

void TabStripModel::Layout(int first) {
  if (first < 0 || first >= GetTabCount()) return;
  const TabSize client = ClientSize();
  if (m_nOrientation == kTabsLeftEdge) {
    m_nVertThickness = kStripThickness;
    PlaceUpwards(first, client.cy);
    // Overflowing: begin again above the arrows, which sit at the bottom.
    if (ArrowsNeeded()) PlaceUpwards(first, client.cy - kArrowReserve);
  } else if (m_nOrientation == kTabsRightEdge) {
    m_nVertThickness = kStripThickness;
    PlaceForward(first, client.cy);
  } else {
    m_nHorzThickness = kStripThickness;
    PlaceForward(first, client.cx);
  }
}

int TabStripModel::FullLength(const CTabItem& tab) const {
  return m_nOrientation == kTabsHorizontal ? tab.m_nWidth : tab.m_nHeight;
}

// Orientations 1 and 2: from coordinate 0 towards `length`, the arrows at the
// end. A tab that would leave less than a slant before the arrows is hidden;
// the last one that fits is cut at them.
void TabStripModel::PlaceForward(int first, int length) {
  const bool horizontal = m_nOrientation == kTabsHorizontal;
  auto lead = [horizontal](TabRect& r) -> int& {
    return horizontal ? r.left : r.top;
  };
  auto trail = [horizontal](TabRect& r) -> int& {
    return horizontal ? r.right : r.bottom;
  };
  int pos = 0;
  for (int i = 0; i < GetTabCount(); ++i) {
    CTabItem& tab = *m_tabs[i];
    if (FullLength(tab) < 0) {
      const int full = 2 * kTabSlant + MeasureText(tab.m_strText);
      (horizontal ? tab.m_nWidth : tab.m_nHeight) = full;
    }
    if (i < first) {
      tab.m_rect = {};
      continue;
    }
    const int len = FullLength(tab);
    tab.m_rect = horizontal ? TabRect{pos, 0, pos + len, kStripThickness}
                            : TabRect{0, pos, kStripThickness, pos + len};
    pos += len - kTabOverlap;
  }
  const int limit = length - kArrowReserve;
  const int bound = first > 0 ? limit : length;
  if (bound >= trail(m_tabs.back()->m_rect)) return;
  for (int i = GetTabCount() - 1; i >= first; --i) {
    TabRect& r = m_tabs[i]->m_rect;
    if (lead(r) + kTabSlant > limit) {
      r = {};
      continue;
    }
    if (trail(r) > limit) trail(r) = limit;
    break;
  }
}

// Orientation 3: upwards from `start`; a tab that would show less than a
// slant at the top is hidden, the last one that fits reaches the top.
void TabStripModel::PlaceUpwards(int first, int start) {
  for (int i = 0; i < GetTabCount(); ++i) {
    CTabItem& tab = *m_tabs[i];
    if (tab.m_nHeight < 0)
      tab.m_nHeight = 2 * kTabSlant + MeasureText(tab.m_strText);
    if (i < first) {
      tab.m_rect = {};
      continue;
    }
    tab.m_rect = {0, start - tab.m_nHeight, kStripThickness, start};
    start -= tab.m_nHeight - kTabOverlap;
  }
  if (m_tabs.back()->m_rect.top >= 0) return;
  for (int i = GetTabCount() - 1; i >= first; --i) {
    TabRect& r = m_tabs[i]->m_rect;
    if (r.bottom < kTabSlant) {
      r = {};
      continue;
    }
    if (r.top < kTabSlant) r.top = 0;
    break;
  }
}

void TabStripModel::EnsureVisible(int index) {
  if (index < 0 || index >= GetTabCount()) return;
  const int start = m_nFirstTab;
  while (!IsTabVisible(index, 1) && m_nFirstTab != index)
    SetFirstTab(start < index ? m_nFirstTab + 1 : m_nFirstTab - 1);
  if (m_nFirstTab != start) Invalidate(nullptr, true);
}

int TabStripModel::IsTabVisible(int index, int bFully) const {
  const CTabItem* tab = GetTab(index);
  if (!tab || IsEmpty(tab->m_rect)) return 0;
  if (!bFully) return 1;
  return LengthAlong(m_nOrientation, tab->m_rect) >= FullLength(*tab) ? 1 : 0;
}

int TabStripModel::ArrowsNeeded() const {
  if (m_tabs.empty()) return 0;
  return IsTabVisible(0, 0) && IsTabVisible(GetTabCount() - 1, 1) ? 0 : 1;
}

CTabItem* TabStripModel::GetTab(int index) const {
  if (index < 0 || index >= GetTabCount()) return nullptr;
  return m_tabs[index].get();
}

int TabStripModel::HitTest(TabPoint pt) const {
  if (ArrowsNeeded() && Contains(m_rectArrows, pt))
    return ArrowHit(m_nOrientation, m_rectArrows, pt);
  for (int i = 0; i < GetTabCount(); ++i)
    if (Contains(m_tabs[i]->m_rect, pt)) return i;
  return kHitNothing;
}

bool TabStripModel::CanScroll(int code) const {
  const int direction = ScrollDirection(m_nOrientation, code);
  // Forward stops at the last tab even when that one is too long to show
  // whole, so the scroll position always names a tab.
  if (direction > 0)
    return !IsTabVisible(GetTabCount() - 1, 1) &&
           m_nFirstTab + 1 < GetTabCount();
  if (direction < 0) return !IsTabVisible(0, 0) && m_nFirstTab > 0;
  return false;
}

int TabStripModel::Scroll(int code) {
  if (!CanScroll(code)) return 0;
  SetFirstTab(m_nFirstTab + ScrollDirection(m_nOrientation, code));
  // Only the run changed; the arrows repaint when their state does.
  const TabSize client = ClientSize();
  TabRect run{0, 0, client.cx, client.cy};
  if (m_nOrientation == kTabsHorizontal)
    run.right = m_rectArrows.left - 1;
  else
    run.bottom = m_rectArrows.top - 1;
  Invalidate(&run, true);
  return 1;
}

void TabStripModel::ResetScroll() {
  SetFirstTab(0);
  EnsureVisible(m_nCurSel);
}

int TabStripModel::RunStart() const {
  if (m_nOrientation != kTabsLeftEdge) return 0;
  const int height = ClientSize().cy;
  return ArrowsNeeded() ? height - kArrowReserve : height;
}

void TabStripModel::InvalidateTab(int code) {
  if (code >= 0) {
    if (const CTabItem* tab = GetTab(code)) Invalidate(&tab->m_rect, true);
  } else if (IsArrowCode(code)) {
    TabRect area = m_rectArrows;
    if (m_nOrientation == kTabsHorizontal)
      area.left -= kArrowGroove;
    else
      area.top -= kArrowGroove;
    Invalidate(&area, false);
  }
}

}  // namespace qv
