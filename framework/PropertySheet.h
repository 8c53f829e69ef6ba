// framework/PropertySheet.h: CPropertySheet, a modal property sheet over
// CPropertyPage objects that outlive it.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <string>
#include <vector>

#include "framework/PropertyPage.h"

namespace qv {

class CPropertySheet {
 public:
  CPropertySheet(const char* caption, HWND parent, UINT startPage);
  CPropertySheet(const CPropertySheet&) = delete;
  CPropertySheet& operator=(const CPropertySheet&) = delete;
  virtual ~CPropertySheet() = default;

  // Pages show as tabs in the order they are added.
  void AddPage(CPropertyPage& page);
  // The sheet calls `callback` as it is made (PSCB_PRECREATE) and once it
  // has its window (PSCB_INITIALIZED).
  void SetCallback(PFNPROPSHEETCALLBACK callback) {
    m_psh.dwFlags |= PSH_USECALLBACK;
    m_psh.pfnCallback = callback;
  }
  // Runs the sheet modally: IDOK when the pages accepted OK (PSN_APPLY),
  // IDCANCEL when it was cancelled or closed, -1 when it could not be shown.
  // The pages' answers decide, since what PropertySheet returns differs
  // between systems.
  INT_PTR DoModal();

  // Flags and fields for the sheet (PSH_HASHELP); the pages are filled in by
  // DoModal.
  PROPSHEETHEADERA m_psh{};

 private:
  friend class CPropertyPage;

  std::string m_caption;
  std::vector<CPropertyPage*> m_pages;
  bool m_accepted = false;
};

}  // namespace qv
