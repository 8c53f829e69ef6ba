// app/BarApp.cpp: start-up of the program.
#include "app/BarApp.h"

#include "app/BarSet.h"
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

  m_bars = std::make_unique<CBarSet>(
      [](ISettingsStore& store) {
        return std::make_unique<CBarWindow>(
            ShellAppBarService(),
            [](HWND owner, CBarSettings& settings) {
              return CDefaultToolbars().Build(owner, settings);
            },
            ShellToolbarShell(), nullptr, SystemMonitors(), store);
      },
      [](CBarWindow& bar) {
        return ::MessageBoxA(bar.m_hWnd,
                             "Close this bar? Its toolbars and settings are "
                             "removed; their folders stay as they are.",
                             CWinApp::Get()->AppName().c_str(),
                             MB_YESNO | MB_ICONQUESTION) == IDYES;
      });
  // Every stored bar; the first is the main window, and the process ends
  // with it.
  if (!m_bars->Start()) return FALSE;
  m_pMainWnd = &m_bars->Bar(0);
  return TRUE;
}

BOOL CBarApp::PreTranslateMessage(MSG* msg) {
  if (m_bars && m_bars->Count()) m_bars->Bar(0).FilterTitleMessage(*msg);
  return CWinApp::PreTranslateMessage(msg);
}

BOOL CBarApp::OnCommand(UINT id) {
  if (id != ID_HELP) return FALSE;
  qv::OfferHelpRequest(m_pMainWnd ? m_pMainWnd->m_hWnd : nullptr);
  return TRUE;
}
