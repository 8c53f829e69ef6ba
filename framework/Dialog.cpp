// framework/Dialog.cpp: binding dialog objects and running them modally.
#include "framework/Dialog.h"

namespace qv {

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_MESSAGE(WM_INITDIALOG, HandleInitDialog)
ON_COMMAND(IDOK, OnOK)
ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

INT_PTR CDialog::DoModal() {
  return ::DialogBoxParamA(
      ::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_templateId),
      m_parent ? m_parent : ::GetActiveWindow(), &CDialog::DialogProc,
      reinterpret_cast<LPARAM>(this));
}

INT_PTR CDialog::Bind(HWND wnd, WPARAM wParam, LPARAM lParam) noexcept {
  Subclass(wnd);
  return Dispatch(WM_INITDIALOG, wParam, lParam);
}

// Once bound, the window's procedure is CWnd's and this procedure is only the
// dialog manager's default processing: it handles nothing itself.
INT_PTR CALLBACK CDialog::DialogProc(HWND wnd, UINT message, WPARAM wParam,
                                     LPARAM lParam) noexcept {
  if (message != WM_INITDIALOG || FromHandlePermanent(wnd)) return FALSE;
  return reinterpret_cast<CDialog*>(lParam)->Bind(wnd, wParam, lParam);
}

}  // namespace qv
