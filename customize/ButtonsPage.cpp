// customize/ButtonsPage.cpp: the Buttons tab over the working copy: the
// toolbar combo, the checked entry list and its edits, and the sort menu.
#include "customize/ButtonsPage.h"

#include <shlobj.h>

#include <optional>

#include "customize/PageHelpTables.h"
#include "customize/SheetToolbarName.h"
#include "customize/portable/ButtonEntries.h"
#include "framework/Handles.h"
#include "framework/RedrawScope.h"
#include "res/resource.h"
#include "settings/portable/SortOrder.h"
#include "shell/FolderNames.h"
#include "toolbar/ToolbarFill.h"

namespace {

constexpr UINT kSpaceTextId = 105;
constexpr UINT kNewLineTextId = 106;

struct SortCommand {
  UINT id;
  unsigned sortOrder;
};
constexpr SortCommand kSortCommands[] = {{ID_ORDER_BY_NAME, qv::kSortByName},
                                         {ID_ORDER_BY_TYPE, qv::kSortByType},
                                         {ID_ORDER_BY_SIZE, qv::kSortBySize},
                                         {ID_ORDER_BY_DATE, qv::kSortByDate},
                                         {ID_CUSTOM_SORT, qv::kSortCustom}};

std::string LoadText(UINT id) {
  char text[256] = {};
  ::LoadStringA(::GetModuleHandleA(nullptr), id, text, sizeof text);
  return text;
}

}  // namespace

BEGIN_MESSAGE_MAP(CButtonsPage, Base)
ON_MESSAGE(WM_DRAWITEM, OnDrawItem)
ON_CONTROL(CBN_SELCHANGE, IDC_TOOLBAR_COMBO, OnToolbarChange)
ON_CONTROL(LBN_SELCHANGE, IDC_BUTTON_LIST, OnEntrySelChange)
ON_CONTROL(qv::CLBN_CHKCHANGE, IDC_BUTTON_LIST, OnCheckChange)
ON_COMMAND(IDC_UP, OnMoveUp)
ON_COMMAND(IDC_DOWN, OnMoveDown)
ON_COMMAND(IDC_ADD_SPACE, OnAddSpace)
ON_COMMAND(IDC_ADD_NEW_LINE, OnAddNewLine)
ON_COMMAND(IDC_DELETE, OnDeleteEntry)
ON_COMMAND(IDC_SORT, OnSortButton)
ON_COMMAND_RANGE(ID_ORDER_BY_NAME, ID_ORDER_BY_DATE, OnSortCommand)
ON_COMMAND_RANGE(ID_CUSTOM_SORT, ID_CUSTOM_SORT, OnSortCommand)
END_MESSAGE_MAP()

CButtonsPage::CButtonsPage()
    : Base(IDD_BUTTONS, kButtonsTopic, kButtonsHelpIds),
      m_sortMenu(IDR_SORT_ORDER_MENU) {}

BOOL CButtonsPage::OnInitDialog() {
  m_entryList.SubclassDlgItem(IDC_BUTTON_LIST, m_hWnd);
  m_upButton.AutoLoad(m_hWnd, IDC_UP);
  m_downButton.AutoLoad(m_hWnd, IDC_DOWN);
  m_sortButton.AutoLoad(m_hWnd, IDC_SORT);
  m_spaceText = LoadText(kSpaceTextId);
  m_newLineText = LoadText(kNewLineTextId);
  return Base::OnInitDialog();
}

LRESULT CButtonsPage::OnDrawItem(WPARAM, LPARAM lParam) {
  const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
  if (item.CtlType == ODT_LISTBOX && item.CtlID == IDC_BUTTON_LIST) {
    m_entryList.DrawItem(item);
    return TRUE;
  }
  if (m_upButton.DrawItem(item) || m_downButton.DrawItem(item) ||
      m_sortButton.DrawItem(item))
    return TRUE;
  return Default();
}

BOOL CButtonsPage::OnSetActive() {
  if (!Base::OnSetActive() || !m_pSettings) return FALSE;
  SendDlgItemMessage(IDC_TOOLBAR_COMBO, CB_RESETCONTENT);
  SendDlgItemMessage(IDC_BUTTON_LIST, LB_RESETCONTENT);
  FillToolbarCombo();
  const int browse = m_pSettings->FindBrowseToolbar();
  if (m_bFirstActivation) m_currentToolbar = qv::ComboToToolbar(0, browse);
  m_bFirstActivation = false;
  const int comboCount =
      static_cast<int>(SendDlgItemMessage(IDC_TOOLBAR_COMBO, CB_GETCOUNT));
  int combo = qv::ToolbarToCombo(m_currentToolbar, browse);
  // Toolbars removed, or moved onto the browse toolbar's place, since.
  if (combo < 0 || combo >= comboCount) {
    combo = comboCount - 1;
    m_currentToolbar = qv::ComboToToolbar(combo, browse);
  }
  SendDlgItemMessage(IDC_TOOLBAR_COMBO, CB_SETCURSEL, combo);
  ShowCurrentToolbar();
  return TRUE;
}

BOOL CButtonsPage::OnKillActive() {
  Leave();
  return Base::OnKillActive();
}

void CButtonsPage::OnReset() { Leave(); }

void CButtonsPage::Leave() {
  if (!m_pSettings) return;
  DiscardUncustomizedEntries();
  SendDlgItemMessage(IDC_TOOLBAR_COMBO, CB_RESETCONTENT);
  SendDlgItemMessage(IDC_BUTTON_LIST, LB_RESETCONTENT);
}

void CButtonsPage::DiscardUncustomizedEntries() {
  for (ToolbarRecord& toolbar : m_pSettings->m_toolbars)
    qv::DiscardUncustomizedEntries(toolbar.info);
}

void CButtonsPage::FillToolbarCombo() {
  qv::CRecentFolder recent;
  for (const ToolbarRecord& toolbar : m_pSettings->m_toolbars) {
    if (toolbar.IsBrowse()) continue;
    const std::string name = SheetToolbarName(toolbar, recent, m_hWnd);
    SendDlgItemMessage(IDC_TOOLBAR_COMBO, CB_ADDSTRING, 0,
                       reinterpret_cast<LPARAM>(name.c_str()));
  }
}

ToolbarRecord* CButtonsPage::CurrentToolbar() const {
  return m_pSettings ? m_pSettings->Toolbar(m_currentToolbar) : nullptr;
}

int CButtonsPage::SelectedEntry() const {
  const ToolbarRecord* toolbar = CurrentToolbar();
  const auto selected =
      static_cast<int>(SendDlgItemMessage(IDC_BUTTON_LIST, LB_GETCURSEL));
  return toolbar && selected >= 0 &&
                 static_cast<size_t>(selected) < toolbar->info.entries.size()
             ? selected
             : -1;
}

// A folder that cannot be read leaves the entries as they are: a custom
// toolbar keeps and shows its stored order.
void CButtonsPage::ShowCurrentToolbar() {
  if (ToolbarRecord* toolbar = CurrentToolbar())
    SyncToolbarEntries(*toolbar, *m_pSettings);
  FillButtonList(0);
}

void CButtonsPage::FillButtonList(int selected) {
  const auto top =
      static_cast<int>(SendDlgItemMessage(IDC_BUTTON_LIST, LB_GETTOPINDEX));
  {
    const qv::RedrawScope quiet(GetDlgItem(IDC_BUTTON_LIST));
    SendDlgItemMessage(IDC_BUTTON_LIST, LB_RESETCONTENT);
    if (const ToolbarRecord* toolbar = CurrentToolbar()) {
      for (const ButtonEntry& entry : toolbar->info.entries) {
        const std::string text =
            qv::EntryText(entry, m_spaceText, m_newLineText);
        const auto index = static_cast<int>(
            SendDlgItemMessage(IDC_BUTTON_LIST, LB_ADDSTRING, 0,
                               reinterpret_cast<LPARAM>(text.c_str())));
        if (index >= 0) m_entryList.SetCheck(index, qv::IsEntryChecked(entry));
      }
    }
    SendDlgItemMessage(IDC_BUTTON_LIST, LB_SETTOPINDEX, top);
    SendDlgItemMessage(IDC_BUTTON_LIST, LB_SETCURSEL, selected);
  }
  UpdateButtonStates();
}

void CButtonsPage::UpdateButtonStates() {
  const ToolbarRecord* toolbar = CurrentToolbar();
  const bool hasToolbars =
      SendDlgItemMessage(IDC_TOOLBAR_COMBO, CB_GETCOUNT) > 0;
  const auto selected =
      static_cast<int>(SendDlgItemMessage(IDC_BUTTON_LIST, LB_GETCURSEL));
  const qv::EntryButtons states = qv::EntryButtonStates(
      toolbar ? &toolbar->info : nullptr, selected, hasToolbars);
  EnableDlgItem(IDC_UP, states.up);
  EnableDlgItem(IDC_DOWN, states.down);
  EnableDlgItem(IDC_DELETE, states.remove);
  EnableDlgItem(IDC_SORT, states.sort);
  EnableDlgItem(IDC_ADD_SPACE, states.addSpace);
  EnableDlgItem(IDC_ADD_NEW_LINE, states.addNewLine);
}

void CButtonsPage::OnToolbarChange() {
  if (!m_pSettings) return;
  const auto combo =
      static_cast<int>(SendDlgItemMessage(IDC_TOOLBAR_COMBO, CB_GETCURSEL));
  m_currentToolbar =
      qv::ComboToToolbar(combo, m_pSettings->FindBrowseToolbar());
  ShowCurrentToolbar();
}

void CButtonsPage::OnEntrySelChange() { UpdateButtonStates(); }

void CButtonsPage::OnCheckChange() {
  ToolbarRecord* toolbar = CurrentToolbar();
  const int selected = SelectedEntry();
  if (selected < 0) return;
  qv::SetEntryChecked(toolbar->info, toolbar->sortOrder, selected,
                      m_entryList.GetCheck(selected));
  // A space or new line gets its check mark back.
  m_entryList.SetCheck(selected,
                       qv::IsEntryChecked(toolbar->info.entries[selected]));
}

void CButtonsPage::Move(int step) {
  ToolbarRecord* toolbar = CurrentToolbar();
  const int selected = SelectedEntry();
  if (selected < 0 ||
      !qv::MoveEntry(toolbar->info, toolbar->sortOrder, selected, step))
    return;
  FillButtonList(selected + step);
}

void CButtonsPage::OnMoveUp() { Move(-1); }
void CButtonsPage::OnMoveDown() { Move(1); }

void CButtonsPage::Insert(int type) {
  ToolbarRecord* toolbar = CurrentToolbar();
  const int selected = SelectedEntry();
  if (selected < 0 ||
      !qv::InsertEntry(toolbar->info, toolbar->sortOrder, selected, type))
    return;
  FillButtonList(selected);
}

void CButtonsPage::OnAddSpace() { Insert(qv::kEntrySpace); }
void CButtonsPage::OnAddNewLine() { Insert(qv::kEntryNewLine); }

void CButtonsPage::OnDeleteEntry() {
  ToolbarRecord* toolbar = CurrentToolbar();
  const int selected = SelectedEntry();
  if (selected < 0 ||
      !qv::DeleteEntry(toolbar->info, toolbar->sortOrder, selected))
    return;
  const int count = static_cast<int>(toolbar->info.entries.size());
  FillButtonList(selected < count ? selected : count - 1);
}

void CButtonsPage::OnSortButton() {
  const ToolbarRecord* toolbar = CurrentToolbar();
  const qv::PopupMenu menu = m_sortMenu.FirstPopup();
  if (!toolbar || !menu) return;
  const unsigned checked = qv::MenuSortOrder(toolbar->sortOrder);
  for (const SortCommand& command : kSortCommands)
    menu.Check(command.id, command.sortOrder == checked);
  menu.Enable(ID_CUSTOM_SORT, toolbar->info.kind == qv::kKindCustom);
  RECT button{};
  ::GetWindowRect(GetDlgItem(IDC_SORT), &button);
  menu.Track(TPM_LEFTALIGN | TPM_LEFTBUTTON, {button.right, button.bottom},
             m_hWnd);
}

void CButtonsPage::OnSortCommand(UINT id) {
  ToolbarRecord* toolbar = CurrentToolbar();
  // Only a custom list has an order of its own (the menu greys the item).
  if (!toolbar ||
      (id == ID_CUSTOM_SORT && toolbar->info.kind != qv::kKindCustom))
    return;
  for (const SortCommand& command : kSortCommands)
    if (command.id == id) toolbar->sortOrder = command.sortOrder;
}
