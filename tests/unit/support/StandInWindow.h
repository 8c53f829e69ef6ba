// tests/unit/support/StandInWindow.h: the plain window a control test puts
// its control in, standing in for the bar: a top-level tool window, topmost,
// painted with the button face.
#pragma once

#include <windows.h>

#include "framework/WinApp.h"
#include "framework/Wnd.h"

namespace testsupport {

// The stand-in's window class, also good for a plain child of it.
inline const char* PlainWindowClass() {
  return qv::RegisterWindowClass(0, ::LoadCursor(nullptr, IDC_ARROW),
                                 reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1),
                                 nullptr);
}

// Creates `window` as the stand-in at `rect`, shown when `visible` is
// WS_VISIBLE.
inline BOOL CreateStandIn(qv::CWnd& window, const RECT& rect, DWORD visible) {
  qv::CreateArgs args;
  args.exStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
  args.className = PlainWindowClass();
  args.windowName = "";
  args.style = WS_POPUP | visible;
  args.SetRect(rect);
  return window.Create(args);
}

}  // namespace testsupport
