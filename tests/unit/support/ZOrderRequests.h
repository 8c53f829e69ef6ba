// tests/unit/support/ZOrderRequests.h: records the z-order a window is asked
// for, which a test can check where the window manager does not show it.
#pragma once

#include <windows.h>

// Records where the bar last asked to go in the z-order. (Wine does not
// put a window back into the topmost band while it owns a topmost tooltip,
// so the request is what can be checked here.)
class ZOrderRequests {
 public:
  explicit ZOrderRequests(HWND wnd) {
    s_wnd = wnd;
    s_last = nullptr;
    m_hook = ::SetWindowsHookExA(WH_CALLWNDPROC, &Hook, nullptr,
                                 ::GetCurrentThreadId());
  }
  ~ZOrderRequests() { ::UnhookWindowsHookEx(m_hook); }
  HWND Last() const { return s_last; }

 private:
  static LRESULT CALLBACK Hook(int code, WPARAM wp, LPARAM lp) {
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lp);
    if (code == HC_ACTION && call->hwnd == s_wnd &&
        call->message == WM_WINDOWPOSCHANGING) {
      const auto* pos = reinterpret_cast<const WINDOWPOS*>(call->lParam);
      if (!(pos->flags & SWP_NOZORDER)) s_last = pos->hwndInsertAfter;
    }
    return ::CallNextHookEx(nullptr, code, wp, lp);
  }
  static inline HWND s_wnd = nullptr;
  static inline HWND s_last = nullptr;
  HHOOK m_hook;
};
