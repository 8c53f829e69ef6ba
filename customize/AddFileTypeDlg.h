// customize/AddFileTypeDlg.h: CAddFileTypeDlg, the "Add File Type" dialog that
// asks for one hidden file type: its description and its extension.
#pragma once

#include <windows.h>

#include <string>

#include "framework/Dialog.h"

class CAddFileTypeDlg : public qv::CDialog {
 public:
  // Without a parent: the window active when it runs (the Customize sheet)
  // owns it.
  CAddFileTypeDlg();

  // After DoModal answered IDOK: the new entry, extension TAB description.
  const std::string& Result() const { return m_result; }

 protected:
  BOOL OnInitDialog() override;
  void OnOK() override;

 private:
  void OnTextChange();
  std::string FieldText(int id) const;

  std::string m_result;

  DECLARE_MESSAGE_MAP(CAddFileTypeDlg)
};
