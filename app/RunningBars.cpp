// app/RunningBars.cpp: ending the session's bars for Setup, and starting the
// bar again afterwards as the desktop's user.
#include "app/RunningBars.h"

#include <exdisp.h>
#include <shldisp.h>
#include <shlobj.h>

#include <vector>

#include "bar/BringForward.h"
#include "framework/Handles.h"

namespace qv {

namespace {

// The shell's automation object of the desktop's own view: its
// ShellExecute runs in Explorer's process, as the user who owns it.
ComPtr<IShellDispatch2> DesktopShell() {
  ComPtr<IShellWindows> windows;
  if (FAILED(::CoCreateInstance(CLSID_ShellWindows, nullptr, CLSCTX_ALL,
                                IID_PPV_ARGS(&windows))))
    return nullptr;
  VARIANT location{};
  location.vt = VT_I4;
  location.lVal = CSIDL_DESKTOP;
  VARIANT empty{};
  long hwnd = 0;
  ComPtr<IDispatch> dispatch;
  if (windows->FindWindowSW(&location, &empty, SWC_DESKTOP, &hwnd,
                            SWFO_NEEDDISPATCH, &dispatch) != S_OK ||
      !dispatch)
    return nullptr;
  ComPtr<IServiceProvider> services;
  ComPtr<IShellBrowser> browser;
  ComPtr<IShellView> view;
  ComPtr<IDispatch> background;
  ComPtr<IShellFolderViewDual> folderView;
  ComPtr<IDispatch> application;
  ComPtr<IShellDispatch2> shell;
  if (FAILED(dispatch.As(&services)) ||
      FAILED(services->QueryService(SID_STopLevelBrowser,
                                    IID_PPV_ARGS(&browser))) ||
      FAILED(browser->QueryActiveShellView(&view)) ||
      FAILED(
          view->GetItemObject(SVGIO_BACKGROUND, IID_PPV_ARGS(&background))) ||
      FAILED(background.As(&folderView)) ||
      FAILED(folderView->get_Application(&application)) ||
      FAILED(application.As(&shell)))
    return nullptr;
  return shell;
}

bool ShellStart(const std::string& exe) {
  if (FAILED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return false;
  bool started = false;
  {
    ComPtr<IShellDispatch2> shell = DesktopShell();
    const int length =
        ::MultiByteToWideChar(CP_ACP, 0, exe.c_str(), -1, nullptr, 0);
    std::vector<wchar_t> wide(length > 0 ? length : 1);
    ::MultiByteToWideChar(CP_ACP, 0, exe.c_str(), -1, wide.data(), length);
    BSTR file = shell ? ::SysAllocString(wide.data()) : nullptr;
    if (file) {
      VARIANT none{};
      started = SUCCEEDED(shell->ShellExecute(file, none, none, none, none));
      ::SysFreeString(file);
    }
  }
  ::CoUninitialize();
  return started;
}

}  // namespace

BarsEnded EndRunningBars(DWORD waitMs) {
  const UINT message = ExitMessage();
  std::vector<UniqueKernelObject> bars;
  bool found = false;
  BarsEnded result = kBarsEnded;
  for (HWND wnd = nullptr;
       (wnd = ::FindWindowExA(nullptr, wnd, kBarWindowClass, nullptr));) {
    found = true;
    DWORD id = 0;
    ::GetWindowThreadProcessId(wnd, &id);
    UniqueKernelObject process(
        ::OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, id));
    if (message) ::PostMessageA(wnd, message, 0, 0);
    if (process)
      bars.push_back(std::move(process));
    else
      result = kBarStillRuns;  // nothing to wait on or to end
  }
  if (!found) return kNoBarRan;

  const DWORD start = ::GetTickCount();
  for (const UniqueKernelObject& bar : bars) {
    const DWORD spent = ::GetTickCount() - start;
    if (::WaitForSingleObject(bar.get(), spent < waitMs ? waitMs - spent : 0) ==
        WAIT_OBJECT_0)
      continue;
    // It did not leave when asked (hung, or a modal sheet open): end it.
    if (!::TerminateProcess(bar.get(), 1) ||
        ::WaitForSingleObject(bar.get(), 5000) != WAIT_OBJECT_0)
      result = kBarStillRuns;
  }
  return result;
}

bool StartAsDesktopUser(const std::string& exe) {
  if (ShellStart(exe)) return true;
  std::string commandLine = "\"" + exe + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!::CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE,
                        0, nullptr, nullptr, &startup, &info))
    return false;
  ::CloseHandle(info.hThread);
  ::CloseHandle(info.hProcess);
  return true;
}

}  // namespace qv
