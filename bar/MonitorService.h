// bar/MonitorService.h: the desktop's monitors behind a small interface, so
// that the bar's choice of monitor can be exercised with monitors that come
// and go, which one virtual display cannot show.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct MonitorInfo {
  // The monitor's device name (MONITORINFOEX.szDevice), which names it in
  // the settings across restarts.
  std::string device;
  RECT rect{};  // on the desktop
  bool primary = false;
  int dpi = 96;
};

class IMonitorService {
 public:
  virtual ~IMonitorService() = default;
  virtual std::vector<MonitorInfo> Monitors() = 0;
  // The monitor holding desktop point `pt`, or the one nearest it.
  virtual MonitorInfo MonitorAt(POINT pt) = 0;
};

// The system's monitors, for users.
IMonitorService& SystemMonitors();

// The monitor named `device`; the primary when it is unnamed or gone (and
// the first one when none is marked primary).
MonitorInfo ChooseMonitor(IMonitorService& monitors, const std::string& device);
