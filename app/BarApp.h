// app/BarApp.h: CBarApp, the application object: starts OLE, creates the bar
// window and feeds the title screen's message filter.
#pragma once

#include <memory>

#include "settings/BarSettings.h"
#include "framework/WinApp.h"

class CMfcAppBar;

class CBarApp : public qv::CWinApp {
 public:
  CBarApp();
  ~CBarApp() override;

  BOOL InitInstance() override;
  BOOL PreTranslateMessage(MSG* msg) override;

  std::unique_ptr<CMfcAppBar> m_pAppBar;
  // The application's own copy, read once to decide on the title screen.
  CBarSettings m_settings;
};
