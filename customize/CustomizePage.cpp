// customize/CustomizePage.cpp: the help messages every page answers alike.
#include "customize/CustomizePage.h"

BEGIN_MESSAGE_MAP(CCustomizePage, qv::CPropertyPage)
ON_WM_HELPINFO()
ON_WM_CONTEXTMENU()
ON_MESSAGE(WM_COMMANDHELP, OnCommandHelp)
END_MESSAGE_MAP()

CCustomizePage::CCustomizePage(UINT templateId, DWORD topicId,
                               const PageHelpId* helpIds)
    : qv::CPropertyPage(templateId), m_topicId(topicId), m_helpIds(helpIds) {
  m_psp.dwFlags |= PSP_HASHELP;
}

BOOL CCustomizePage::OnHelpInfo(HELPINFO* info) {
  return PageHelpInfo(m_hWnd, info, m_helpIds) || Default();
}

void CCustomizePage::OnContextMenu(HWND clicked, POINT screen) {
  if (!PageContextMenu(m_hWnd, clicked, screen, m_helpIds)) Default();
}

// Handled even when nothing could be shown: the request was for this page.
LRESULT CCustomizePage::OnCommandHelp(WPARAM, LPARAM) {
  PageTopic(m_hWnd, m_topicId);
  return TRUE;
}

void CCustomizePage::OnHelp() { OnCommandHelp(0, 0); }
