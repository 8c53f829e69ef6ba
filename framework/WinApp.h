// framework/WinApp.h: the application object (one per process), its message
// loop, and the process-wide services the windows use: message boxes
// captioned with the program's name, OLE start-up, window-class registration.
#pragma once

#include <windows.h>

#include <string>

namespace qv {

class CWnd;

class CWinApp {
 public:
  CWinApp();
  CWinApp(const CWinApp&) = delete;
  CWinApp& operator=(const CWinApp&) = delete;
  virtual ~CWinApp();

  static CWinApp* Get();

  // FALSE ends the process before the message loop runs.
  virtual BOOL InitInstance() { return TRUE; }
  virtual int ExitInstance();
  virtual int Run();
  // Offers a queued message to the windows from its target up to the top;
  // TRUE consumes it.
  virtual BOOL PreTranslateMessage(MSG* msg);
  // A command for the application rather than a window (ID_HELP); TRUE when
  // it was carried out.
  virtual BOOL OnCommand(UINT /*id*/) { return FALSE; }

  // The program's file name without extension: the caption of its messages.
  const std::string& AppName() const { return m_appName; }

  HINSTANCE m_hInstance = nullptr;
  CWnd* m_pMainWnd = nullptr;

 private:
  friend int RunApplication(HINSTANCE instance);
  std::string m_appName;
};

// WinMain's body: initialises the one application object and runs it.
int RunApplication(HINSTANCE instance);

// A message box owned by the main window (when there is one), captioned with
// the program's name.
int AppMessageBox(const char* text, UINT type = MB_OK);

// Shows a message and ends the process at once with that exit code, for
// failures that leave the bar unusable.
[[noreturn]] void FatalExit(const char* text, UINT type, int exitCode);

// Initialises OLE for this thread and uninitialises it at exit; FALSE when
// OLE cannot be started.
BOOL InitOle();

// Registers (once) a window class with these attributes whose procedure binds
// window objects, and answers its name.
const char* RegisterWindowClass(UINT style, HCURSOR cursor, HBRUSH background,
                                HICON icon);
// The same under a fixed name, for a window that other processes look up by
// its class; answers `name`.
const char* RegisterNamedWindowClass(const char* name, UINT style,
                                     HCURSOR cursor, HBRUSH background,
                                     HICON icon);

}  // namespace qv
