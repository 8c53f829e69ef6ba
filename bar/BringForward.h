// bar/BringForward.h: one bar per desktop session. Another start of the
// program finds the running bar by its window class and asks it to come
// forward instead of docking a second bar.
#pragma once

#include <windows.h>

// The class of the bar's window (and of its pane, a child).
constexpr char kBarWindowClass[] = "Quorvane.Bar";

// The registered message that asks the bar to come forward; 0 when the
// system has none to give.
UINT BringForwardMessage();

// Asks the bar running in this session to come forward; false when there is
// none to ask (one that is still starting has no window yet).
bool BringRunningBarForward();
