// app/BarApp.cpp: start-up of the program.
#include "app/BarApp.h"

#include "app/DefaultToolbars.h"
#include "bar/BarWindow.h"
#include "framework/Help.h"
#include "res/resource.h"
#include "settings/BarSettings.h"

CBarApp::CBarApp() = default;
CBarApp::~CBarApp() = default;

BOOL CBarApp::InitInstance() {
  if (!qv::InitOle()) {
    qv::AppMessageBox(
        "OLE initialization failed, make sure that they are the correct "
        "version",
        MB_OK);
    return FALSE;
  }

  // Setup writes nothing per user: creating the key with "First Time" set
  // gives each fresh account the default toolbars.
  CBarSettings::CreateKeyIfMissing();

  m_pAppBar = std::make_unique<CBarWindow>(
      ShellAppBarService(), [](HWND owner, CBarSettings& settings) {
        return CDefaultToolbars().Build(owner, settings);
      });
  if (!m_pAppBar->CreateBar()) return FALSE;

  ::ShowWindow(m_pAppBar->m_hWnd, SW_SHOW);
  ::UpdateWindow(m_pAppBar->m_hWnd);
  m_pMainWnd = m_pAppBar.get();
  return TRUE;
}

BOOL CBarApp::PreTranslateMessage(MSG* msg) {
  if (m_pAppBar) m_pAppBar->FilterTitleMessage(*msg);
  return CWinApp::PreTranslateMessage(msg);
}

BOOL CBarApp::OnCommand(UINT id) {
  if (id != ID_HELP) return FALSE;
  qv::OfferHelpRequest(m_pMainWnd ? m_pMainWnd->m_hWnd : nullptr);
  return TRUE;
}
