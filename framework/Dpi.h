// framework/Dpi.h: the DPI of a monitor and system metrics at a DPI. The
// per-monitor functions are looked up when first needed: the program also
// runs on systems (and Wine versions) that lack them, and then every monitor
// has the system's DPI.
#pragma once

#include <windows.h>

namespace qv {

// The DPI of the screen as a whole (LOGPIXELSY).
int SystemDpi();
// A monitor's effective DPI (GetDpiForMonitor), else the system's.
int MonitorDpi(HMONITOR monitor);
// A system metric (SM_*) at `dpi` (GetSystemMetricsForDpi), else the
// system's value scaled from the system's DPI.
int MetricForDpi(int index, int dpi);

}  // namespace qv
