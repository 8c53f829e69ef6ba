// app/BarApp.h: CBarApp, the application object: starts OLE, creates the bar
// window, feeds the title screen's message filter and routes the help command.
#pragma once

#include <memory>

#include "framework/WinApp.h"

class CBarWindow;

class CBarApp : public qv::CWinApp {
 public:
  CBarApp();
  ~CBarApp() override;

  BOOL InitInstance() override;
  BOOL PreTranslateMessage(MSG* msg) override;
  // ID_HELP: the windows are asked, in turn, which help to show.
  BOOL OnCommand(UINT id) override;

  std::unique_ptr<CBarWindow> m_pAppBar;
};
