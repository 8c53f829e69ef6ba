// bar/MfcAppBar.h: CMfcAppBar, the bar's one top-level window.
#pragma once

#include <windows.h>

#include "app/BarSettings.h"
#include "framework/Wnd.h"

class CMfcAppBar : public qv::CWnd {
 public:
  CMfcAppBar();
  ~CMfcAppBar() override;

  // The working settings, re-read from the registry on every rebuild.
  CBarSettings m_settings;

 protected:
  int OnCreate(CREATESTRUCT* cs);

  DECLARE_MESSAGE_MAP(CMfcAppBar)
};
