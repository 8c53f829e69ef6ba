// framework/PropertyPage.h: CPropertyPage, one page of a CPropertySheet: a
// dialog bound at WM_INITDIALOG through its PROPSHEETPAGE's lParam, whose
// PSN_* notifications from the sheet become virtual calls.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include "framework/Dialog.h"

namespace qv {

class CPropertySheet;

class CPropertyPage : public CDialog {
 public:
  explicit CPropertyPage(UINT templateId);

  // What the sheet is given for this page; set extra flags (PSP_HASHELP)
  // before the sheet runs.
  PROPSHEETPAGEA m_psp{};

 protected:
  // PSN_SETACTIVE: FALSE refuses the activation.
  virtual BOOL OnSetActive() { return TRUE; }
  // PSN_KILLACTIVE: FALSE keeps the page active.
  virtual BOOL OnKillActive() { return TRUE; }
  // PSN_APPLY (OK): FALSE keeps the sheet open on this page.
  virtual BOOL OnApply() { return TRUE; }
  // PSN_RESET (Cancel or the close box).
  virtual void OnReset() {}
  // PSN_HELP (the sheet's Help button).
  virtual void OnHelp() {}

  // The sheet's buttons close the sheet; the page has nothing to end.
  void OnOK() override {}
  void OnCancel() override {}

  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  friend class CPropertySheet;
  static INT_PTR CALLBACK PageProc(HWND wnd, UINT message, WPARAM wParam,
                                   LPARAM lParam) noexcept;
  LRESULT OnSheetNotify(const NMHDR& hdr);

  CPropertySheet* m_sheet = nullptr;
};

}  // namespace qv
