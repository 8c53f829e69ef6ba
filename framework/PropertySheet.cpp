// framework/PropertySheet.cpp: running a sheet of pages.
#include "framework/PropertySheet.h"

namespace qv {

CPropertySheet::CPropertySheet(const char* caption, HWND parent, UINT startPage)
    : m_caption(caption ? caption : "") {
  m_psh.dwSize = sizeof m_psh;
  m_psh.hwndParent = parent;
  m_psh.hInstance = ::GetModuleHandleA(nullptr);
  m_psh.nStartPage = startPage;
}

void CPropertySheet::AddPage(CPropertyPage& page) {
  page.m_sheet = this;
  m_pages.push_back(&page);
}

INT_PTR CPropertySheet::DoModal() {
  std::vector<PROPSHEETPAGEA> pages;
  for (CPropertyPage* page : m_pages) pages.push_back(page->m_psp);
  m_psh.dwFlags |= PSH_PROPSHEETPAGE;
  m_psh.pszCaption = m_caption.c_str();
  m_psh.nPages = static_cast<UINT>(pages.size());
  m_psh.ppsp = pages.data();
  m_accepted = false;
  if (::PropertySheetA(&m_psh) < 0) return -1;
  return m_accepted ? IDOK : IDCANCEL;
}

}  // namespace qv
