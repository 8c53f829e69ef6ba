// customize/ToolbarsPage.cpp: the Toolbars tab: adding folders as
// toolbars, removing and reordering toolbars in the working copy at once.
#include "customize/ToolbarsPage.h"

#include <iterator>
#include <utility>

#include "customize/PageHelpTables.h"
#include "customize/SheetToolbarName.h"
#include "customize/portable/ToolbarListEdits.h"
#include "res/resource.h"
#include "shell/FolderNames.h"
#include "shell/ShellHelpers.h"

namespace {

constexpr int kButtonIds[] = {IDC_ADD, IDC_REMOVE, IDC_UP, IDC_DOWN};

}  // namespace

BEGIN_MESSAGE_MAP(CToolbarsPage, Base)
ON_NOTIFY(TVN_ITEMEXPANDINGA, IDC_FOLDER_TREE, OnItemExpanding)
ON_NOTIFY(TVN_ITEMEXPANDINGW, IDC_FOLDER_TREE, OnItemExpanding)
ON_NOTIFY(TVN_DELETEITEMA, IDC_FOLDER_TREE, OnDeleteItem)
ON_NOTIFY(TVN_DELETEITEMW, IDC_FOLDER_TREE, OnDeleteItem)
ON_NOTIFY(NM_DBLCLK, IDC_FOLDER_TREE, OnTreeDblClk)
ON_NOTIFY(LVN_ITEMCHANGED, IDC_TOOLBAR_LIST, OnListItemChanged)
ON_MESSAGE(WM_DRAWITEM, OnDrawItem)
ON_WM_DESTROY()
ON_COMMAND(IDC_ADD, OnAdd)
ON_COMMAND(IDC_REMOVE, OnRemove)
ON_COMMAND(IDC_UP, OnMoveUp)
ON_COMMAND(IDC_DOWN, OnMoveDown)
END_MESSAGE_MAP()

CToolbarsPage::CToolbarsPage()
    : Base(IDD_TOOLBARS, kToolbarsTopic, kToolbarsHelpIds) {}

BOOL CToolbarsPage::OnInitDialog() {
  const BOOL focus = Base::OnInitDialog();
  for (size_t i = 0; i < std::size(m_buttons); ++i)
    m_buttons[i].AutoLoad(m_hWnd, kButtonIds[i]);
  return focus;
}

BOOL CToolbarsPage::OnSetActive() {
  if (!Base::OnSetActive()) return FALSE;
  if (!m_bFirstActivation || !m_pSettings) return TRUE;
  SHFILEINFOA info{};
  auto images = reinterpret_cast<HIMAGELIST>(::SHGetFileInfoA(
      "C:\\", 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
  if (!images) return FALSE;
  // The system's list, shared: LVS_SHAREIMAGELISTS keeps the list from
  // destroying it, and the tree never does.
  m_list = GetDlgItem(IDC_TOOLBAR_LIST);
  ListView_SetImageList(m_list, images, LVSIL_SMALL);
  m_tree.Attach(GetDlgItem(IDC_FOLDER_TREE), m_hWnd, images);
  m_tree.Fill();
  FillToolbarList();
  m_bFirstActivation = 0;
  return TRUE;
}

void CToolbarsPage::OnDestroy() {
  m_tree.Detach();
  m_list = nullptr;
  Default();
}

LRESULT CToolbarsPage::OnItemExpanding(NMHDR* hdr) {
  m_tree.OnItemExpanding(*reinterpret_cast<NMTREEVIEWA*>(hdr));
  return 0;
}

LRESULT CToolbarsPage::OnDeleteItem(NMHDR* hdr) {
  CFolderTree::OnDeleteItem(*reinterpret_cast<NMTREEVIEWA*>(hdr));
  return 0;
}

LRESULT CToolbarsPage::OnTreeDblClk(NMHDR*) {
  OnAdd();
  return 0;  // the tree still expands or collapses the item
}

LRESULT CToolbarsPage::OnListItemChanged(NMHDR*) {
  if (!m_bMoving) UpdateMoveButtons();
  return 0;
}

LRESULT CToolbarsPage::OnDrawItem(WPARAM, LPARAM lParam) {
  const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
  for (const qv::CBitmapButton& button : m_buttons)
    if (button.DrawItem(item)) return TRUE;
  return Default();
}

std::string CToolbarsPage::ToolbarName(int index) {
  return SheetToolbarName(m_pSettings->m_toolbars[index], m_recent, m_hWnd);
}

void CToolbarsPage::FillToolbarList() {
  // Every toolbar gets its line, readable or not, so that a line's index is
  // always its toolbar's.
  for (int i = 0; i < m_pSettings->ToolbarCount(); ++i)
    AppendListItem(ToolbarName(i), m_pSettings->m_toolbars[i].folder.get());
  UpdateMoveButtons();
}

void CToolbarsPage::AppendListItem(const std::string& name,
                                   LPCITEMIDLIST folder) {
  LVITEMA item{};
  item.mask = LVIF_TEXT | LVIF_IMAGE;
  item.iItem = ListView_GetItemCount(m_list);
  item.pszText = const_cast<char*>(name.c_str());
  item.iImage = qv::GetSysIconIndex(folder, qv::kSmallIconIndexFlags);
  ::SendMessageA(m_list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
}

void CToolbarsPage::OnAdd() {
  const FolderItemData* data = m_tree.Selection();
  // Without memory for the copy nothing is added.
  if (data && m_pSettings && m_list &&
      m_pSettings->AppendToolbar(
          qv::UniqueIdList(qv::ConcatIdLists(nullptr, data->absolute.get())),
          qv::kSortByName, ToolbarInfo{qv::kKindNormal, {}})) {
    const int index = m_pSettings->ToolbarCount() - 1;
    AppendListItem(ToolbarName(index),
                   m_pSettings->m_toolbars[index].folder.get());
  }
  UpdateMoveButtons();
}

void CToolbarsPage::OnRemove() {
  if (!m_pSettings || !m_list) return;
  const std::vector<int> selected = SelectedToolbars();
  for (auto it = selected.rbegin(); it != selected.rend(); ++it)
    ListView_DeleteItem(m_list, *it);
  qv::RemoveIndexes(m_pSettings->m_toolbars, selected);
  UpdateMoveButtons();
}

void CToolbarsPage::Move(int step) {
  if (!m_pSettings || !m_list) return;
  const std::vector<int> selected = SelectedToolbars();
  if (selected.size() != 1) return;
  const int from = selected[0];
  const int to = qv::MoveTarget(m_pSettings->ToolbarCount(), from, step);
  if (to < 0) return;

  // The two lines trade text and icon; the selection follows the toolbar.
  char text[2][qv::kMaxShellName + 1] = {};
  LVITEMA items[2] = {};
  const int rows[2] = {from, to};
  for (int i = 0; i < 2; ++i) {
    items[i].mask = LVIF_TEXT | LVIF_IMAGE;
    items[i].iItem = rows[i];
    items[i].pszText = text[i];
    items[i].cchTextMax = sizeof text[i];
    ::SendMessageA(m_list, LVM_GETITEMA, 0,
                   reinterpret_cast<LPARAM>(&items[i]));
  }
  std::swap(items[0].iItem, items[1].iItem);
  for (LVITEMA& item : items)
    ::SendMessageA(m_list, LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
  std::swap(m_pSettings->m_toolbars[from], m_pSettings->m_toolbars[to]);

  // The new place is selected before the old is cleared, and the buttons
  // wait for the end: on the way no single toolbar is selected, which would
  // disable UP and DN and take the keyboard focus from the one pressed.
  HWND focus = ::GetFocus();
  const UINT both = LVIS_SELECTED | LVIS_FOCUSED;
  m_bMoving = true;
  ListView_SetItemState(m_list, to, both, both);
  ListView_SetItemState(m_list, from, 0, both);
  m_bMoving = false;
  ListView_EnsureVisible(m_list, to, FALSE);
  UpdateMoveButtons();
  // At the end of the list the pressed button goes grey: the list, where the
  // moved toolbar is, takes the focus.
  if (focus && (::GetFocus() != focus || !::IsWindowEnabled(focus)))
    ::SetFocus(m_list);
}

std::vector<int> CToolbarsPage::SelectedToolbars() const {
  std::vector<int> selected;
  for (int i = ListView_GetNextItem(m_list, -1, LVNI_SELECTED); i >= 0;
       i = ListView_GetNextItem(m_list, i, LVNI_SELECTED))
    selected.push_back(i);
  return selected;
}

void CToolbarsPage::UpdateMoveButtons() {
  if (!m_list) return;
  const qv::ListButtons buttons = qv::ButtonsForSelection(
      ListView_GetItemCount(m_list), SelectedToolbars());
  EnableDlgItem(IDC_REMOVE, buttons.remove);
  EnableDlgItem(IDC_UP, buttons.up);
  EnableDlgItem(IDC_DOWN, buttons.down);
}
