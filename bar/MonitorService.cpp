// bar/MonitorService.cpp: the system's monitors and the choice among them.
#include "bar/MonitorService.h"

#include <cstring>

#include "framework/Dpi.h"

namespace {

MonitorInfo Describe(HMONITOR monitor) {
  MONITORINFOEXA info{};
  info.cbSize = sizeof info;
  MonitorInfo out;
  if (!monitor || !::GetMonitorInfoA(monitor, &info)) {
    out.rect = {0, 0, ::GetSystemMetrics(SM_CXSCREEN),
                ::GetSystemMetrics(SM_CYSCREEN)};
    out.primary = true;
    out.dpi = qv::SystemDpi();
    return out;
  }
  // szDevice is terminated within its array by the system; the length is
  // bounded anyway.
  out.device.assign(info.szDevice,
                    strnlen(info.szDevice, sizeof info.szDevice));
  out.rect = info.rcMonitor;
  out.primary = (info.dwFlags & MONITORINFOF_PRIMARY) != 0;
  out.dpi = qv::MonitorDpi(monitor);
  return out;
}

BOOL CALLBACK Collect(HMONITOR monitor, HDC, LPRECT, LPARAM list) {
  reinterpret_cast<std::vector<MonitorInfo>*>(list)->push_back(
      Describe(monitor));
  return TRUE;
}

class SystemMonitorService final : public IMonitorService {
 public:
  std::vector<MonitorInfo> Monitors() override {
    std::vector<MonitorInfo> list;
    ::EnumDisplayMonitors(nullptr, nullptr, Collect,
                          reinterpret_cast<LPARAM>(&list));
    return list;
  }
  MonitorInfo MonitorAt(POINT pt) override {
    return Describe(::MonitorFromPoint(pt, MONITOR_DEFAULTTONEAREST));
  }
};

}  // namespace

IMonitorService& SystemMonitors() {
  static SystemMonitorService service;
  return service;
}

MonitorInfo ChooseMonitor(IMonitorService& monitors,
                          const std::string& device) {
  const std::vector<MonitorInfo> list = monitors.Monitors();
  const MonitorInfo* primary = nullptr;
  for (const MonitorInfo& m : list) {
    if (!device.empty() && m.device == device) return m;
    if (m.primary && !primary) primary = &m;
  }
  if (primary) return *primary;
  if (!list.empty()) return list.front();
  return monitors.MonitorAt(POINT{0, 0});
}
