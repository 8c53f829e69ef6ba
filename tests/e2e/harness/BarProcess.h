// tests/e2e/harness/BarProcess.h: starts the real Quorvane.exe in the test
// prefix, finds its window, talks to it and stops it.
#pragma once

#include <windows.h>

#include <string>

namespace e2e {

// Quorvane.exe beside the running test program.
std::string BarExePath();

class BarProcess {
 public:
  BarProcess() = default;
  BarProcess(const BarProcess&) = delete;
  BarProcess& operator=(const BarProcess&) = delete;
  // Stops a bar that is still running.
  ~BarProcess();

  // Starts the bar and waits until its top-level window is visible; false
  // when the process ended first or the wait timed out.
  bool Start(DWORD timeoutMs = 20000);
  // The same for another copy of the program, such as an installed one.
  bool StartExe(const std::string& exe, DWORD timeoutMs = 20000);
  // Creates the process and returns at once, without waiting for its window
  // (a benchmark times that wait itself); false when it cannot start.
  bool Launch(const std::string& exe);
  // Looks once for the process's visible top-level window titled
  // "Quorvane" and keeps it; null while there is none.
  HWND LookForWindow();
  // Asks the bar to close (WM_CLOSE) and waits for the process to end; kills
  // it when it does not. Answers the exit code.
  DWORD Stop(DWORD timeoutMs = 10000);
  // Waits for the process to end by itself; false on time-out.
  bool WaitForExit(DWORD timeoutMs, DWORD* exitCode = nullptr);
  bool Running() const;

  HWND Window() const { return m_window; }
  DWORD ProcessId() const { return m_pi.dwProcessId; }
  RECT WindowRect() const;

  LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
    return ::SendMessageA(m_window, message, wParam, lParam);
  }
  bool Post(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
    return ::PostMessageA(m_window, message, wParam, lParam) != 0;
  }
  // Waits until the bar's thread has handled everything posted so far.
  void Settle() const;

 private:
  PROCESS_INFORMATION m_pi{};
  HWND m_window = nullptr;
};

// Runs a command line and answers its exit code (0xDEAD on time-out, 0xBAD
// when it cannot start).
DWORD RunCommand(std::string commandLine, DWORD timeoutMs = 60000);

// Lets the desktop settle (window moves, repaints) for a moment.
void Pause(DWORD milliseconds);

}  // namespace e2e
