// app/WinMain.cpp: the program's entry point and its one application object.
#include <windows.h>

#include "app/BarApp.h"

static CBarApp theApp;

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  return qv::RunApplication(instance);
}
