// toolbar/PaneKeyboard.cpp: the pane under the keyboard: the focused button
// and its mark, the arrow keys, Enter, the menu key, Ctrl+Tab and Esc.
#include "toolbar/ButtonRow.h"
#include "toolbar/ToolbarPane.h"
#include "toolbar/portable/RowLayout.h"

namespace {

bool KeyDown(int vk) { return ::GetKeyState(vk) < 0; }

}  // namespace

std::vector<CToolbarPane::ShownButton> CToolbarPane::ShownButtons() const {
  std::vector<ShownButton> buttons;
  for (size_t r = 0; r < m_rows.size(); ++r) {
    const CButtonRow& row = *m_rows[r];
    for (int j = 0; j < row.GetItemCount(); ++j) {
      if (!row.IsButtonAt(j)) continue;
      RECT cell = row.GetCellRect(j);
      ::MapWindowPoints(row, m_hWnd, reinterpret_cast<POINT*>(&cell), 2);
      buttons.push_back({static_cast<int>(r), j, cell});
    }
  }
  return buttons;
}

int CToolbarPane::FocusedIndex(const std::vector<ShownButton>& buttons) const {
  for (size_t i = 0; i < buttons.size(); ++i)
    if (buttons[i].row == m_nFocusRow && buttons[i].record == m_nFocusRecord)
      return static_cast<int>(i);
  return -1;
}

void CToolbarPane::SetKeyFocus(const std::vector<ShownButton>& buttons,
                               int index) {
  const bool valid = index >= 0 && static_cast<size_t>(index) < buttons.size();
  m_nFocusRow = valid ? buttons[index].row : -1;
  m_nFocusRecord = valid ? buttons[index].record : -1;
  // A screen reader follows the focus from button to button.
  if (valid && ::GetFocus() == m_hWnd)
    ::NotifyWinEvent(EVENT_OBJECT_FOCUS, m_hWnd, OBJID_CLIENT, index + 1);
}

void CToolbarPane::ShowFocusMark() {
  if (!m_hWnd) return;
  const bool focused = ::GetFocus() == m_hWnd;
  if (focused) {
    const std::vector<ShownButton> buttons = ShownButtons();
    if (FocusedIndex(buttons) < 0)
      SetKeyFocus(buttons, buttons.empty() ? -1 : 0);
  }
  for (size_t r = 0; r < m_rows.size(); ++r)
    m_rows[r]->SetFocusMark(focused && m_bFocusCues &&
                                    static_cast<int>(r) == m_nFocusRow
                                ? m_nFocusRecord
                                : -1);
}

void CToolbarPane::FocusFirstButton() {
  m_bFocusCues = true;
  SetKeyFocus(ShownButtons(), 0);
  if (::GetFocus() != m_hWnd) ::SetFocus(m_hWnd);
  if (m_nFocusRow >= 0) ScrollIntoView(m_nFocusRow, m_nFocusRecord);
  ShowFocusMark();
}

bool CToolbarPane::ShowsKeyFocus() const {
  return m_hWnd && ::GetFocus() == m_hWnd && m_bFocusCues;
}

void CToolbarPane::OnSetFocus(HWND) {
  ShowFocusMark();
  const std::vector<ShownButton> buttons = ShownButtons();
  const int index = FocusedIndex(buttons);
  if (index >= 0)
    ::NotifyWinEvent(EVENT_OBJECT_FOCUS, m_hWnd, OBJID_CLIENT, index + 1);
}

LRESULT CToolbarPane::OnKillFocus(WPARAM, LPARAM) {
  m_bFocusCues = false;
  ShowFocusMark();
  return 0;
}

void CToolbarPane::MoveKeyFocus(qv::FocusMove move) {
  const std::vector<ShownButton> buttons = ShownButtons();
  std::vector<qv::CellBox> cells;
  cells.reserve(buttons.size());
  for (const ShownButton& b : buttons)
    cells.push_back({b.cell.left, b.cell.top, b.cell.right, b.cell.bottom});
  const int from = FocusedIndex(buttons);
  const int to = qv::MoveFocus(cells.data(), cells.size(), from, move);
  if (to < 0) return;
  if (to != from) SetKeyFocus(buttons, to);
  ScrollIntoView(m_nFocusRow, m_nFocusRecord);
  ShowFocusMark();
}

void CToolbarPane::ScrollIntoView(int row, int record) {
  if (row < 0 || static_cast<size_t>(row) >= m_rows.size()) return;
  const bool vertical = !ColumnsDown();
  const RECT client = GetClientRect();
  // Each step moves one line; a button taller than the view stops the
  // steps once its leading edge is in view.
  for (int steps = TotalLines(); steps > 0; --steps) {
    RECT cell = m_rows[row]->GetCellRect(record);
    ::MapWindowPoints(*m_rows[row], m_hWnd, reinterpret_cast<POINT*>(&cell), 2);
    const int lead = vertical ? cell.top : cell.left;
    const int trail = vertical ? cell.bottom : cell.right;
    const int end = vertical ? client.bottom : client.right;
    UINT code;
    if (lead < 0) {
      code = SB_LINEUP;
    } else if (trail > end && lead > 0) {
      code = SB_LINEDOWN;
    } else {
      return;
    }
    const int before = vertical ? m_host.Settings().m_nVertScrollPos
                                : m_host.Settings().m_nHorzScrollPos;
    ScrollRows(vertical, code, 0);
    const int after = vertical ? m_host.Settings().m_nVertScrollPos
                               : m_host.Settings().m_nHorzScrollPos;
    if (after == before) return;
  }
}

void CToolbarPane::OpenFocused(int rightClick) {
  const std::vector<ShownButton> buttons = ShownButtons();
  const int index = FocusedIndex(buttons);
  if (index < 0) return;
  const ShownButton& b = buttons[index];
  // A menu opens below the button's corner, a command as if clicked in its
  // middle.
  POINT screen = rightClick ? POINT{b.cell.left, b.cell.bottom}
                            : POINT{(b.cell.left + b.cell.right) / 2,
                                    (b.cell.top + b.cell.bottom) / 2};
  ::ClientToScreen(m_hWnd, &screen);
  // The menu key asks for the menu even of a folder, which a right click
  // browses into.
  OpenButton(m_rows[b.row]->GetDlgCtrlID(), b.record, screen, rightClick,
             rightClick != 0);
}

void CToolbarPane::OnKeyDown(UINT vk, UINT, UINT) {
  m_bFocusCues = true;
  switch (vk) {
    case VK_LEFT:
      MoveKeyFocus(qv::FocusMove::kLeft);
      break;
    case VK_RIGHT:
      MoveKeyFocus(qv::FocusMove::kRight);
      break;
    case VK_UP:
      MoveKeyFocus(qv::FocusMove::kUp);
      break;
    case VK_DOWN:
      MoveKeyFocus(qv::FocusMove::kDown);
      break;
    case VK_RETURN:
      OpenFocused(0);
      break;
    case VK_TAB:
      if (KeyDown(VK_CONTROL)) m_host.StepTab(KeyDown(VK_SHIFT) ? -1 : 1);
      break;
    case VK_ESCAPE:
      m_host.LeaveKeyboard();
      break;
    default:
      ShowFocusMark();
      Default();
      break;
  }
}

void CToolbarPane::OnContextMenu(HWND, POINT screenPt) {
  if (screenPt.x == -1 && screenPt.y == -1) {
    m_bFocusCues = true;
    ShowFocusMark();
    OpenFocused(1);
    return;
  }
  Default();
}
