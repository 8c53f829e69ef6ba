// toolbar/PaneAccessible.cpp: the pane's buttons as a screen reader sees
// them.
#include "toolbar/ButtonRow.h"
#include "toolbar/ToolbarPane.h"

LRESULT CToolbarPane::OnGetObject(WPARAM wParam, LPARAM objectId) {
  LRESULT result = 0;
  if (m_accessible.Answer(m_hWnd, wParam, objectId, &result)) return result;
  return Default();
}

int CToolbarPane::ItemCount() const {
  return static_cast<int>(ShownButtons().size());
}

std::string CToolbarPane::ItemName(int index) const {
  const std::vector<ShownButton> buttons = ShownButtons();
  if (index < 0 || static_cast<size_t>(index) >= buttons.size()) return {};
  // The host's name is whole; the cell shows only as much as fits, or none
  // (icons only).
  const ShownButton& b = buttons[index];
  const ToolbarButton* button =
      ButtonAt(m_rows[b.row]->GetDlgCtrlID(), b.record);
  return button ? button->name : std::string();
}

RECT CToolbarPane::ItemScreenRect(int index) const {
  const std::vector<ShownButton> buttons = ShownButtons();
  RECT shown{};
  if (index < 0 || static_cast<size_t>(index) >= buttons.size()) return shown;
  // Scrolled out of the pane's view it is not shown.
  const RECT client = GetClientRect();
  if (!::IntersectRect(&shown, &buttons[index].cell, &client)) return RECT{};
  ::MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<POINT*>(&shown), 2);
  return shown;
}

int CToolbarPane::FocusedItem() const {
  return ::GetFocus() == m_hWnd ? FocusedIndex(ShownButtons()) : -1;
}
