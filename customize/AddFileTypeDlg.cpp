// customize/AddFileTypeDlg.cpp: the two fields' limits, OK only while both
// hold text, and the entry they make.
#include "customize/AddFileTypeDlg.h"

#include <utility>

#include "customize/portable/HiddenTypeList.h"
#include "res/resource.h"

BEGIN_MESSAGE_MAP(CAddFileTypeDlg, qv::CDialog)
ON_CONTROL(EN_CHANGE, IDC_TYPE_DESCRIPTION, OnTextChange)
ON_CONTROL(EN_CHANGE, IDC_TYPE_EXTENSION, OnTextChange)
END_MESSAGE_MAP()

CAddFileTypeDlg::CAddFileTypeDlg() : qv::CDialog(IDD_ADD_FILE_TYPE) {}

BOOL CAddFileTypeDlg::OnInitDialog() {
  const BOOL result = qv::CDialog::OnInitDialog();
  SendDlgItemMessage(IDC_TYPE_DESCRIPTION, EM_LIMITTEXT,
                     qv::kTypeDescriptionLimit);
  SendDlgItemMessage(IDC_TYPE_EXTENSION, EM_LIMITTEXT, qv::kTypeExtensionLimit);
  EnableDlgItem(IDOK, false);
  return result;
}

void CAddFileTypeDlg::OnTextChange() {
  EnableDlgItem(IDOK,
                ::GetWindowTextLengthA(GetDlgItem(IDC_TYPE_DESCRIPTION)) > 0 &&
                    ::GetWindowTextLengthA(GetDlgItem(IDC_TYPE_EXTENSION)) > 0);
}

std::string CAddFileTypeDlg::FieldText(int id) const {
  HWND field = GetDlgItem(id);
  std::string text(::GetWindowTextLengthA(field) + 1, '\0');
  text.resize(
      ::GetWindowTextA(field, text.data(), static_cast<int>(text.size())));
  return text;
}

// Enter, or a command sent while OK is disabled, reaches here too: an entry
// with an empty field would hide nothing and show as a blank line.
void CAddFileTypeDlg::OnOK() {
  std::string entry = qv::MakeHiddenType(FieldText(IDC_TYPE_EXTENSION),
                                         FieldText(IDC_TYPE_DESCRIPTION));
  if (entry.empty()) return;
  m_result = std::move(entry);
  EndDialog(IDOK);
}
