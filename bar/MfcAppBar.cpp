// bar/MfcAppBar.cpp: creation of the bar window.
#include "bar/MfcAppBar.h"

#include "title/TitleWnd.h"

BEGIN_MESSAGE_MAP(CMfcAppBar, qv::CWnd)
ON_WM_CREATE()
END_MESSAGE_MAP()

CMfcAppBar::CMfcAppBar() = default;
CMfcAppBar::~CMfcAppBar() = default;

int CMfcAppBar::OnCreate(CREATESTRUCT*) {
  if (Default() == -1) return -1;
  ShowTitle(this);
  m_settings.Load();
  return 0;
}
