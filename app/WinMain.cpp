// app/WinMain.cpp: the program's entry point and its one application object.
#include <windows.h>

#include <string>

#include "app/BarApp.h"
#include "app/RunningBars.h"
#include "app/SingleInstance.h"
#include "bar/BringForward.h"
#include "framework/Handles.h"
#include "framework/WideText.h"

static CBarApp theApp;

namespace {

// How long Setup lets a running bar take to exit before ending it.
constexpr DWORD kExitWaitMs = 5000;

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  // Setup and the uninstaller: end the running bars (the exit code says
  // whether there were any), or start the bar again afterwards.
  if (::lstrcmpiA(commandLine, "/exit") == 0)
    return qv::EndRunningBars(kExitWaitMs);
  if (::lstrcmpiA(commandLine, "/start") == 0)
    return qv::StartAsDesktopUser(qv::ModuleFileName()) ? 0 : 1;

  // One bar per user and desktop session: a second start brings the
  // running bar forward instead of docking another. The mutex marks this
  // bar for as long as the process lives.
  qv::UniqueKernelObject running;
  if (!qv::ClaimSingleInstance(CurrentUserSid(), running)) {
    BringRunningBarForward();
    return 0;
  }
  return qv::RunApplication(instance);
}
