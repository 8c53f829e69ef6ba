// tabs/TabAccessible.cpp: the tab strip as a screen reader sees it.
#include "tabs/TabStrip.h"

#include "framework/portable/DpiScale.h"

void CTabStrip::OnDestroy() {
  m_accessible.Disconnect();
  Default();
}

LRESULT CTabStrip::OnGetObject(WPARAM wParam, LPARAM objectId) {
  LRESULT result = 0;
  if (m_accessible.Answer(m_hWnd, wParam, objectId, &result)) return result;
  return Default();
}

std::string CTabStrip::ItemName(int index) const {
  const CTabItem* tab = GetTab(index);
  return tab ? tab->m_strText : std::string();
}

RECT CTabStrip::ItemScreenRect(int index) const {
  const CTabItem* tab = GetTab(index);
  if (!tab || !IsTabVisible(index, FALSE)) return RECT{};
  // The tabs are laid out at 96 DPI and drawn scaled.
  RECT rc{qv::ScaleForDpi(tab->m_rect.left, m_nDpi),
          qv::ScaleForDpi(tab->m_rect.top, m_nDpi),
          qv::ScaleForDpi(tab->m_rect.right, m_nDpi),
          qv::ScaleForDpi(tab->m_rect.bottom, m_nDpi)};
  ::MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<POINT*>(&rc), 2);
  return rc;
}

int CTabStrip::FocusedItem() const {
  return ::GetFocus() == m_hWnd ? SelectedItem() : -1;
}

int CTabStrip::SelectedItem() const {
  return m_nCurSel >= 0 && m_nCurSel < GetTabCount() ? m_nCurSel : -1;
}
