// tests/unit/support/PumpUntil.h: runs the test thread's message loop until
// a condition holds, for what the bar does on posted messages and timers.
#pragma once

#include <windows.h>

// Until `done` or `limit` milliseconds have passed; `done()` at the end.
template <typename Done>
bool PumpUntil(Done done, DWORD limit = 5000) {
  const DWORD start = ::GetTickCount();
  while (!done() && ::GetTickCount() - start < limit) {
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      ::TranslateMessage(&msg);
      ::DispatchMessageA(&msg);
    }
  }
  return done();
}
