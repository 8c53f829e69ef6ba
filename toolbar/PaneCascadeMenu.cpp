// toolbar/PaneCascadeMenu.cpp: a folder button's menu of the folder's items,
// dropped from the button when folders are shown as menus.
#include "settings/portable/SortOrder.h"
#include "toolbar/ButtonRow.h"
#include "toolbar/CascadeMenu.h"
#include "toolbar/ToolbarPane.h"
#include "toolbar/portable/CascadePlacement.h"
#include "toolbar/portable/SortKeys.h"

namespace {

qv::ScreenBox BoxOf(const RECT& r) {
  return {r.left, r.top, r.right, r.bottom};
}

}  // namespace

void CToolbarPane::DropCascadeMenu(int toolbar, int button,
                                   LPCITEMIDLIST folder) {
  const CBarSettings& settings = m_host.Settings();
  const ToolbarRecord* record = settings.Toolbar(toolbar);
  if (!record) return;
  // A sub-folder has no custom order of its own: it shows by name.
  const UINT order = qv::IsSortingOrder(record->sortOrder) ? record->sortOrder
                                                           : qv::kSortByName;

  // The button on screen; a row that no longer shows it leaves the cursor.
  POINT cursor{};
  ::GetCursorPos(&cursor);
  RECT cell{cursor.x, cursor.y, cursor.x, cursor.y};
  const int row = FindRowById(toolbar);
  if (row >= 0 && m_rows[row]->IsButtonAt(button)) {
    cell = m_rows[row]->GetCellRect(button);
    ::MapWindowPoints(*m_rows[row], nullptr, reinterpret_cast<POINT*>(&cell),
                      2);
  }
  RECT bar{};
  ::GetWindowRect(::GetAncestor(m_hWnd, GA_ROOT), &bar);
  const qv::CascadePlacement place =
      qv::PlaceCascadeMenu(m_host.Edge(), BoxOf(cell), BoxOf(bar));

  CCascadeMenu menu(*m_menuShell, m_opener, settings, order,
                    ::GetParent(m_hWnd));
  const MenuUpScope menuUp(m_host);
  menu.Run(folder, m_hWnd, place);
}
