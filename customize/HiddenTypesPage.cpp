// customize/HiddenTypesPage.cpp: the View tab's choice and its list of hidden
// types, filled once and written back to the working copy on deactivation.
#include "customize/HiddenTypesPage.h"

#include <iterator>
#include <string>

#include "customize/AddFileTypeDlg.h"
#include "customize/PageHelpTables.h"
#include "res/resource.h"

BEGIN_MESSAGE_MAP(CHiddenTypesPage, Base)
ON_COMMAND(IDC_ADD_TYPE, OnAddType)
ON_COMMAND(IDC_REMOVE_TYPE, OnRemoveType)
ON_CONTROL(LBN_SELCHANGE, IDC_HIDDEN_TYPES, OnSelChange)
END_MESSAGE_MAP()

CHiddenTypesPage::CHiddenTypesPage()
    : Base(IDD_VIEW, kViewTopic, kViewHelpIds) {}

BOOL CHiddenTypesPage::OnSetActive() {
  if (!Base::OnSetActive()) return FALSE;
  if (m_bFirstActivation && m_pSettings) {
    m_bFirstActivation = 0;
    CheckRadioButton(
        IDC_SHOW_ALL_FILES, IDC_HIDE_TYPES,
        m_pSettings->m_bShowAllFiles ? IDC_SHOW_ALL_FILES : IDC_HIDE_TYPES);
    // In dialog template units: the extension, then the description.
    INT tabStops[] = {40, 120};
    SendDlgItemMessage(IDC_HIDDEN_TYPES, LB_SETTABSTOPS, std::size(tabStops),
                       reinterpret_cast<LPARAM>(tabStops));
    m_types = qv::HiddenTypeList(m_pSettings->m_hiddenTypes);
    ShowTypes(-1);
  }
  return TRUE;
}

BOOL CHiddenTypesPage::OnKillActive() {
  if (!m_pSettings || m_bFirstActivation) return TRUE;
  m_pSettings->m_bShowAllFiles =
      IsDlgButtonChecked(IDC_SHOW_ALL_FILES) == BST_CHECKED ? 1 : 0;
  if (m_bChanged) m_pSettings->m_hiddenTypes = m_types.Entries();
  return Base::OnKillActive();
}

void CHiddenTypesPage::OnAddType() {
  CAddFileTypeDlg dialog;
  if (dialog.DoModal() == IDOK) ShowTypes(m_types.Add(dialog.Result()));
  m_bChanged = 1;
}

void CHiddenTypesPage::OnRemoveType() {
  const LRESULT selected = SendDlgItemMessage(IDC_HIDDEN_TYPES, LB_GETCURSEL);
  if (!m_types.Remove(static_cast<int>(selected))) return;
  ShowTypes(-1);
  m_bChanged = 1;
}

void CHiddenTypesPage::OnSelChange() {
  EnableDlgItem(IDC_REMOVE_TYPE,
                SendDlgItemMessage(IDC_HIDDEN_TYPES, LB_GETCURSEL) != LB_ERR);
}

// The list shows the entries in the list object's order (inserted by index,
// which a sorted list box does not re-sort), so a line's index is its entry's.
void CHiddenTypesPage::ShowTypes(int selected) {
  SendDlgItemMessage(IDC_HIDDEN_TYPES, LB_RESETCONTENT);
  for (const std::string& entry : m_types.Entries())
    SendDlgItemMessage(IDC_HIDDEN_TYPES, LB_INSERTSTRING, -1,
                       reinterpret_cast<LPARAM>(entry.c_str()));
  SendDlgItemMessage(IDC_HIDDEN_TYPES, LB_SETCURSEL, selected);
  OnSelChange();
}
