// tests/e2e/harness/BarProcess.cpp
#include "tests/e2e/harness/BarProcess.h"

#include <vector>

namespace e2e {
namespace {

struct FindContext {
  DWORD pid;
  HWND found;
};

BOOL CALLBACK FindBarWindow(HWND wnd, LPARAM param) {
  auto* ctx = reinterpret_cast<FindContext*>(param);
  DWORD pid = 0;
  ::GetWindowThreadProcessId(wnd, &pid);
  char title[64] = {};
  ::GetWindowTextA(wnd, title, sizeof title);
  if (pid == ctx->pid && ::IsWindowVisible(wnd) &&
      std::string(title) == "Quorvane") {
    ctx->found = wnd;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

std::string BarExePath() {
  char path[MAX_PATH] = {};
  ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string dir(path);
  dir.erase(dir.find_last_of("\\/") + 1);
  return dir + "Quorvane.exe";
}

void Pause(DWORD milliseconds) { ::Sleep(milliseconds); }

BarProcess::~BarProcess() {
  if (m_pi.hProcess) {
    if (Running()) Stop();
    ::CloseHandle(m_pi.hProcess);
    ::CloseHandle(m_pi.hThread);
  }
}

bool BarProcess::Start(DWORD timeoutMs) {
  return StartExe(BarExePath(), timeoutMs);
}

bool BarProcess::StartExe(const std::string& exe, DWORD timeoutMs) {
  if (!Launch(exe)) return false;
  ::WaitForInputIdle(m_pi.hProcess, timeoutMs);
  for (DWORD waited = 0; waited < timeoutMs; waited += 50) {
    if (LookForWindow()) {
      Settle();
      return true;
    }
    if (!Running()) return false;
    ::Sleep(50);
  }
  return false;
}

bool BarProcess::Launch(const std::string& exe) {
  std::vector<char> commandLine(exe.begin(), exe.end());
  commandLine.insert(commandLine.begin(), '"');
  commandLine.push_back('"');
  commandLine.push_back('\0');
  STARTUPINFOA si{};
  si.cb = sizeof si;
  return ::CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr,
                          FALSE, 0, nullptr, nullptr, &si, &m_pi) != 0;
}

HWND BarProcess::LookForWindow() {
  FindContext ctx{m_pi.dwProcessId, nullptr};
  ::EnumWindows(&FindBarWindow, reinterpret_cast<LPARAM>(&ctx));
  if (ctx.found) m_window = ctx.found;
  return ctx.found;
}

bool BarProcess::Running() const {
  return m_pi.hProcess &&
         ::WaitForSingleObject(m_pi.hProcess, 0) == WAIT_TIMEOUT;
}

bool BarProcess::WaitForExit(DWORD timeoutMs, DWORD* exitCode) {
  if (::WaitForSingleObject(m_pi.hProcess, timeoutMs) != WAIT_OBJECT_0)
    return false;
  if (exitCode) ::GetExitCodeProcess(m_pi.hProcess, exitCode);
  return true;
}

DWORD BarProcess::Stop(DWORD timeoutMs) {
  DWORD code = 0;
  if (!m_pi.hProcess) return code;
  if (Running() && m_window) ::PostMessageA(m_window, WM_CLOSE, 0, 0);
  if (!WaitForExit(timeoutMs, &code)) {
    ::TerminateProcess(m_pi.hProcess, 0xDEAD);
    WaitForExit(INFINITE, &code);
  }
  m_window = nullptr;
  return code;
}

RECT BarProcess::WindowRect() const {
  RECT rc{};
  ::GetWindowRect(m_window, &rc);
  return rc;
}

void BarProcess::Settle() const {
  // A sent message is handled after the ones posted before it.
  DWORD_PTR result = 0;
  ::SendMessageTimeoutA(m_window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result);
  ::Sleep(100);
}

DWORD RunCommand(std::string commandLine, DWORD timeoutMs) {
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (!::CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0,
                        nullptr, nullptr, &si, &pi))
    return 0xBAD;
  DWORD code = 0xDEAD;
  if (::WaitForSingleObject(pi.hProcess, timeoutMs) == WAIT_OBJECT_0)
    ::GetExitCodeProcess(pi.hProcess, &code);
  ::CloseHandle(pi.hThread);
  ::CloseHandle(pi.hProcess);
  return code;
}

}  // namespace e2e
