// bar/BringForward.cpp: a second start of the program bringing the running
// bar forward, and the bar's answer to it.
#include "bar/BringForward.h"

#include "bar/BarWindow.h"

UINT BringForwardMessage() {
  static const UINT message = ::RegisterWindowMessageA("Quorvane.BringForward");
  return message;
}

bool BringRunningBarForward() {
  const UINT message = BringForwardMessage();
  HWND bar = ::FindWindowA(kBarWindowClass, nullptr);
  if (!message || !bar) return false;
  DWORD process = 0;
  ::GetWindowThreadProcessId(bar, &process);
  // The user started this program: the bar may take the foreground from it.
  ::AllowSetForegroundWindow(process);
  return ::PostMessageA(bar, message, 0, 0) != FALSE;
}

void CBarWindow::BringForward() {
  // An auto-hide bar slides out; its watch takes it back as it always does.
  ShowHiddenBar();
  // With the Customize sheet up, the sheet is what the user works in.
  ::SetForegroundWindow(::GetLastActivePopup(m_hWnd));
}
