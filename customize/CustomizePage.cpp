// customize/CustomizePage.cpp: the help messages every page answers alike.
#include "customize/CustomizePage.h"

BEGIN_MESSAGE_MAP(CCustomizePage, qv::CPropertyPage)
ON_WM_HELPINFO()
ON_WM_CONTEXTMENU()
ON_MESSAGE(WM_COMMANDHELP, OnCommandHelp)
END_MESSAGE_MAP()

CCustomizePage::CCustomizePage(UINT templateId, DWORD topicId,
                               const qv::HelpId* helpIds)
    : qv::CPropertyPage(templateId), m_topicId(topicId), m_helpIds(helpIds) {
  m_psp.dwFlags |= PSP_HASHELP;
}

BOOL CCustomizePage::OnHelpInfo(HELPINFO* info) {
  return qv::HandleHelpInfo(info, m_helpIds) || Default();
}

void CCustomizePage::OnContextMenu(HWND clicked, POINT screen) {
  const LPARAM point = screen.x == -1 && screen.y == -1
                           ? static_cast<LPARAM>(-1)
                           : MAKELPARAM(screen.x, screen.y);
  if (!qv::HandleContextMenu(m_hWnd, clicked, point, m_helpIds)) Default();
}

// Handled even when the page could not be opened (that is reported): the
// request was for this page.
LRESULT CCustomizePage::OnCommandHelp(WPARAM, LPARAM) {
  qv::OpenHelpTopic(m_hWnd, m_topicId);
  return TRUE;
}

void CCustomizePage::OnHelp() { OnCommandHelp(0, 0); }
