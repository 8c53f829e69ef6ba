// bar/BringForward.h: one bar per user and desktop session. Another start of
// the program finds the user's running bar and asks it to come forward
// instead of docking a second bar; Setup and the uninstaller ask it to exit.
#pragma once

#include <windows.h>

#include <string>

// The class of the bar's window (and of its pane, a child).
constexpr char kBarWindowClass[] = "Quorvane.Bar";

// The registered messages that ask the bar to come forward, and to exit; 0
// when the system has none to give.
UINT BringForwardMessage();
UINT ExitMessage();

// The user a process runs as, as a string SID ("S-1-5-21-..."); empty when
// it cannot be read.
std::string ProcessUserSid(HANDLE process);
std::string CurrentUserSid();

// The bar window of user `sid` in this session, or null. Any process can
// register the bar's class: windows whose process runs as another user (or
// cannot be told) are passed over.
HWND FindUserBar(const std::string& sid,
                 const char* windowClass = kBarWindowClass);

// Asks this user's bar to come forward; false when there is none to ask
// (one that is still starting has no window yet).
bool BringRunningBarForward();
