// framework/PropertyPage.cpp: binding pages and answering the sheet.
#include "framework/PropertyPage.h"

#include "framework/PropertySheet.h"

namespace qv {

CPropertyPage::CPropertyPage(UINT templateId) : CDialog(templateId) {
  m_psp.dwSize = sizeof m_psp;
  m_psp.hInstance = ::GetModuleHandleA(nullptr);
  m_psp.pszTemplate = MAKEINTRESOURCEA(templateId);
  m_psp.pfnDlgProc = &CPropertyPage::PageProc;
  m_psp.lParam = reinterpret_cast<LPARAM>(this);
}

// WM_INITDIALOG carries the sheet's copy of the PROPSHEETPAGE, whose lParam
// is still the page object.
INT_PTR CALLBACK CPropertyPage::PageProc(HWND wnd, UINT message, WPARAM wParam,
                                         LPARAM lParam) noexcept {
  if (message != WM_INITDIALOG || FromHandlePermanent(wnd)) return FALSE;
  const auto* psp = reinterpret_cast<const PROPSHEETPAGEA*>(lParam);
  return reinterpret_cast<CPropertyPage*>(psp->lParam)
      ->Bind(wnd, wParam, lParam);
}

LRESULT CPropertyPage::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  const auto* hdr = reinterpret_cast<const NMHDR*>(lParam);
  if (message == WM_NOTIFY && hdr && hdr->hwndFrom == ::GetParent(m_hWnd) &&
      hdr->code <= static_cast<UINT>(PSN_FIRST) &&
      hdr->code >= static_cast<UINT>(PSN_LAST))
    return OnSheetNotify(*hdr);
  return CDialog::WindowProc(message, wParam, lParam);
}

// The page is the window procedure itself, so its answer is the reply; it
// goes to DWLP_MSGRESULT too, where a sheet may read a dialog's answer.
LRESULT CPropertyPage::OnSheetNotify(const NMHDR& hdr) {
  LRESULT result = 0;
  switch (hdr.code) {
    case PSN_SETACTIVE:
      result = OnSetActive() ? 0 : -1;
      break;
    case PSN_KILLACTIVE:
      result = OnKillActive() ? FALSE : TRUE;
      break;
    case PSN_APPLY:
      if (OnApply()) {
        if (m_sheet) m_sheet->m_accepted = true;
        result = PSNRET_NOERROR;
      } else {
        result = PSNRET_INVALID_NOCHANGEPAGE;
      }
      break;
    case PSN_RESET:
      OnReset();
      if (m_sheet) m_sheet->m_accepted = false;
      break;
    case PSN_HELP:
      OnHelp();
      break;
    default:
      return Default();
  }
  ::SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, result);
  return result;
}

}  // namespace qv
