// bar/BringForward.cpp: a second start of the program bringing the user's
// running bar forward, and the bar's answer to it.
#include "bar/BringForward.h"

#include <sddl.h>

#include <vector>

#include "bar/BarWindow.h"
#include "framework/Handles.h"

UINT BringForwardMessage() {
  static const UINT message = ::RegisterWindowMessageA("Quorvane.BringForward");
  return message;
}

UINT ExitMessage() {
  static const UINT message = ::RegisterWindowMessageA("Quorvane.Exit");
  return message;
}

std::string ProcessUserSid(HANDLE process) {
  qv::UniqueKernelObject token;
  if (!::OpenProcessToken(process, TOKEN_QUERY, token.put())) return {};
  DWORD size = 0;
  ::GetTokenInformation(token.get(), TokenUser, nullptr, 0, &size);
  if (size < sizeof(TOKEN_USER)) return {};
  std::vector<BYTE> buffer(size);
  char* text = nullptr;
  if (!::GetTokenInformation(token.get(), TokenUser, buffer.data(), size,
                             &size) ||
      !::ConvertSidToStringSidA(
          reinterpret_cast<TOKEN_USER*>(buffer.data())->User.Sid, &text))
    return {};
  std::string sid(text);
  ::LocalFree(text);
  return sid;
}

std::string CurrentUserSid() { return ProcessUserSid(::GetCurrentProcess()); }

HWND FindUserBar(const std::string& sid, const char* windowClass) {
  if (sid.empty()) return nullptr;
  for (HWND wnd = nullptr;
       (wnd = ::FindWindowExA(nullptr, wnd, windowClass, nullptr));) {
    DWORD id = 0;
    ::GetWindowThreadProcessId(wnd, &id);
    const qv::UniqueKernelObject process(
        ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id));
    if (process && ProcessUserSid(process.get()) == sid) return wnd;
  }
  return nullptr;
}

bool BringRunningBarForward() {
  const UINT message = BringForwardMessage();
  HWND bar = FindUserBar(CurrentUserSid());
  if (!message || !bar) return false;
  DWORD process = 0;
  ::GetWindowThreadProcessId(bar, &process);
  // The user started this program: the bar may take the foreground from it.
  ::AllowSetForegroundWindow(process);
  return ::PostMessageA(bar, message, 0, 0) != FALSE;
}

void CBarWindow::BringForward() {
  // As the hot key: the user asked for the bar, the one the family chooses
  // when there are several.
  (m_family ? m_family->BarToBringForward() : *this).TakeKeyboard();
}
