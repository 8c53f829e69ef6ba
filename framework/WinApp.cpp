// framework/WinApp.cpp: the application object and process-wide services.
#include "framework/WinApp.h"

#include <ole2.h>
#include <commctrl.h>

#include <cstdio>
#include <map>
#include <set>
#include <tuple>

#include "framework/WideText.h"
#include "framework/Wnd.h"

namespace qv {
namespace {

CWinApp* g_app = nullptr;
bool g_oleInitialized = false;

std::string ProgramName() {
  std::string name = ModuleFileName();
  size_t slash = name.find_last_of("\\/");
  if (slash != std::string::npos) name.erase(0, slash + 1);
  size_t dot = name.rfind('.');
  if (dot != std::string::npos) name.erase(dot);
  return name;
}

// A class whose windows bind their objects (CWnd::Create).
bool RegisterBindingClass(const char* name, UINT style, HCURSOR cursor,
                          HBRUSH background, HICON icon) {
  WNDCLASSA wc{};
  wc.style = style;
  wc.lpfnWndProc = &::DefWindowProcA;
  wc.hInstance = ::GetModuleHandleA(nullptr);
  wc.hCursor = cursor;
  wc.hbrBackground = background;
  wc.hIcon = icon;
  wc.lpszClassName = name;
  return ::RegisterClassA(&wc) != 0;
}

}  // namespace

CWinApp::CWinApp() { g_app = this; }

CWinApp::~CWinApp() {
  if (g_app == this) g_app = nullptr;
}

CWinApp* CWinApp::Get() { return g_app; }

int CWinApp::ExitInstance() {
  if (g_oleInitialized) {
    ::OleUninitialize();
    g_oleInitialized = false;
  }
  return 0;
}

BOOL CWinApp::PreTranslateMessage(MSG* msg) {
  for (HWND wnd = msg->hwnd; wnd; wnd = ::GetParent(wnd)) {
    CWnd* object = CWnd::FromHandlePermanent(wnd);
    if (object && object->PreTranslateMessage(msg)) return TRUE;
  }
  return FALSE;
}

int CWinApp::Run() {
  MSG msg;
  while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
    if (PreTranslateMessage(&msg)) continue;
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
  ExitInstance();
  return static_cast<int>(msg.wParam);
}

int RunApplication(HINSTANCE instance) {
  CWinApp* app = CWinApp::Get();
  if (!app) return -1;
  app->m_hInstance = instance;
  app->m_appName = ProgramName();

  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES};
  ::InitCommonControlsEx(&icc);

  if (!app->InitInstance()) {
    app->ExitInstance();
    return -1;
  }
  return app->Run();
}

int AppMessageBox(const char* text, UINT type) {
  CWinApp* app = CWinApp::Get();
  HWND owner = app && app->m_pMainWnd ? app->m_pMainWnd->m_hWnd : nullptr;
  const char* caption = app ? app->AppName().c_str() : "";
  return ::MessageBoxA(owner, text, caption, type);
}

void FatalExit(const char* text, UINT type, int exitCode) {
  AppMessageBox(text, type);
  ::ExitProcess(static_cast<UINT>(exitCode));
}

BOOL InitOle() {
  if (g_oleInitialized) return TRUE;
  if (FAILED(::OleInitialize(nullptr))) return FALSE;
  g_oleInitialized = true;
  return TRUE;
}

const char* RegisterWindowClass(UINT style, HCURSOR cursor, HBRUSH background,
                                HICON icon) {
  using Key = std::tuple<UINT, HCURSOR, HBRUSH, HICON>;
  static std::map<Key, std::string> registered;
  Key key{style, cursor, background, icon};
  auto found = registered.find(key);
  if (found != registered.end()) return found->second.c_str();

  char name[96];
  std::snprintf(name, sizeof name, "Quorvane:%x:%p:%p:%p", style,
                static_cast<void*>(cursor), static_cast<void*>(background),
                static_cast<void*>(icon));
  if (!RegisterBindingClass(name, style, cursor, background, icon))
    return nullptr;
  return registered.emplace(key, name).first->second.c_str();
}

const char* RegisterNamedWindowClass(const char* name, UINT style,
                                     HCURSOR cursor, HBRUSH background,
                                     HICON icon) {
  static std::set<std::string> registered;
  if (registered.count(name) == 0) {
    if (!RegisterBindingClass(name, style, cursor, background, icon))
      return nullptr;
    registered.insert(name);
  }
  return name;
}

}  // namespace qv
