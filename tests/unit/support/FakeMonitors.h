// tests/unit/support/FakeMonitors.h: monitors a test can add and take away,
// where the virtual display has only one.
#pragma once

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "bar/MonitorService.h"

class FakeMonitors final : public IMonitorService {
 public:
  std::vector<MonitorInfo> Monitors() override { return list; }
  // The monitor holding the point, else the primary.
  MonitorInfo MonitorAt(POINT pt) override {
    for (const MonitorInfo& m : list)
      if (::PtInRect(&m.rect, pt)) return m;
    for (const MonitorInfo& m : list)
      if (m.primary) return m;
    return {};
  }

  void Add(const char* device, RECT rect, bool primary, int dpi = 96) {
    list.push_back({device, rect, primary, dpi});
  }
  void Remove(const char* device) {
    list.erase(std::remove_if(
                   list.begin(), list.end(),
                   [&](const MonitorInfo& m) { return m.device == device; }),
               list.end());
  }

  std::vector<MonitorInfo> list;
};
