// toolbar/RowAccessible.cpp: one row's buttons as a screen reader sees them
// when it asks the row itself rather than the pane.
#include "toolbar/ButtonRow.h"

LRESULT CButtonRow::OnGetObject(WPARAM wParam, LPARAM objectId) {
  LRESULT result = 0;
  if (m_accessible.Answer(m_hWnd, wParam, objectId, &result)) return result;
  return Default();
}

int CButtonRow::EntryOfButton(int ordinal) const {
  if (ordinal < 0) return -1;
  for (size_t i = 0; i < Count(); ++i)
    if (IsButtonAt(static_cast<int>(i)) && ordinal-- == 0)
      return static_cast<int>(i);
  return -1;
}

int CButtonRow::ItemCount() const {
  int buttons = 0;
  for (size_t i = 0; i < Count(); ++i)
    buttons += IsButtonAt(static_cast<int>(i));
  return buttons;
}

std::string CButtonRow::ItemName(int index) const {
  const int entry = EntryOfButton(index);
  // The list's name is whole; the cell shows only as much as fits.
  return entry >= 0 ? Entry(entry).name : std::string();
}

RECT CButtonRow::ItemScreenRect(int index) const {
  const int entry = EntryOfButton(index);
  RECT shown{};
  const RECT cell = GetCellRect(entry);
  const RECT client = GetClientRect();
  if (entry < 0 || !::IntersectRect(&shown, &cell, &client)) return RECT{};
  ::MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<POINT*>(&shown), 2);
  // Scrolled out of the pane's view it is not shown.
  const HWND pane = ::GetParent(m_hWnd);
  RECT view{};
  if (pane && ::GetClientRect(pane, &view)) {
    ::MapWindowPoints(pane, nullptr, reinterpret_cast<POINT*>(&view), 2);
    if (!::IntersectRect(&shown, &shown, &view)) return RECT{};
  }
  return shown;
}
