// app/BarApp.h: CBarApp, the application object: starts OLE, creates the
// bars, feeds the title screen's message filter and routes the help command.
#pragma once

#include <memory>

#include "framework/WinApp.h"

class CBarSet;

class CBarApp : public qv::CWinApp {
 public:
  CBarApp();
  ~CBarApp() override;

  BOOL InitInstance() override;
  BOOL PreTranslateMessage(MSG* msg) override;
  // ID_HELP: the windows are asked, in turn, which help to show.
  BOOL OnCommand(UINT id) override;

  std::unique_ptr<CBarSet> m_bars;
};
