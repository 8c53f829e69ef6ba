// app/WinMain.cpp: the program's entry point and its one application object.
#include <windows.h>

#include "app/BarApp.h"
#include "bar/BringForward.h"
#include "framework/Handles.h"

static CBarApp theApp;

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  // One bar per desktop session: a second start brings the running bar
  // forward instead of docking another. The mutex marks this bar for as long
  // as the process lives; one that cannot be made does not stop the bar.
  const qv::UniqueKernelObject running(
      ::CreateMutexA(nullptr, FALSE, "Local\\Quorvane.SingleInstance"));
  if (running && ::GetLastError() == ERROR_ALREADY_EXISTS) {
    BringRunningBarForward();
    return 0;
  }
  return qv::RunApplication(instance);
}
