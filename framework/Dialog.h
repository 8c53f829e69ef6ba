// framework/Dialog.h: CDialog, a window object for a dialog from the
// program's resources, bound to its window at WM_INITDIALOG; from then on
// its messages go through the same message maps as any CWnd's.
#pragma once

#include <windows.h>

#include "framework/Wnd.h"

namespace qv {

class CDialog : public CWnd {
 public:
  // Without a parent, DoModal makes the window active at that moment the
  // owner, so that the dialog stays modal to it.
  explicit CDialog(UINT templateId, HWND parent = nullptr)
      : m_templateId(templateId), m_parent(parent) {}

  // Runs the dialog modally: the result given to EndDialog, or -1 when the
  // dialog could not be created.
  INT_PTR DoModal();
  BOOL EndDialog(INT_PTR result) { return ::EndDialog(m_hWnd, result); }

  HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
  LRESULT SendDlgItemMessage(int id, UINT message, WPARAM wParam = 0,
                             LPARAM lParam = 0) const {
    return ::SendDlgItemMessageA(m_hWnd, id, message, wParam, lParam);
  }
  BOOL SetDlgItemText(int id, const char* text) const {
    return ::SetDlgItemTextA(m_hWnd, id, text);
  }
  UINT IsDlgButtonChecked(int id) const {
    return ::IsDlgButtonChecked(m_hWnd, id);
  }
  BOOL CheckDlgButton(int id, UINT check) const {
    return ::CheckDlgButton(m_hWnd, id, check);
  }
  BOOL CheckRadioButton(int first, int last, int checked) const {
    return ::CheckRadioButton(m_hWnd, first, last, checked);
  }
  BOOL EnableDlgItem(int id, bool enable) const {
    return ::EnableWindow(GetDlgItem(id), enable);
  }

 protected:
  // TRUE lets the dialog manager focus the first control.
  virtual BOOL OnInitDialog() { return TRUE; }
  virtual void OnOK() { EndDialog(IDOK); }
  virtual void OnCancel() { EndDialog(IDCANCEL); }

  // Binds the object to its dialog window and runs WM_INITDIALOG through the
  // message map; the dialog procedure's answer to WM_INITDIALOG.
  INT_PTR Bind(HWND wnd, WPARAM wParam, LPARAM lParam) noexcept;

  UINT m_templateId;

 private:
  static INT_PTR CALLBACK DialogProc(HWND wnd, UINT message, WPARAM wParam,
                                     LPARAM lParam) noexcept;
  LRESULT HandleInitDialog(WPARAM, LPARAM) { return OnInitDialog(); }

  HWND m_parent;

  DECLARE_MESSAGE_MAP(CDialog)
};

}  // namespace qv
