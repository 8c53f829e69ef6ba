// tests/soak/OutsideCounters.cpp
#include "tests/soak/OutsideCounters.h"

#include <psapi.h>

#include <cstdio>

namespace {

struct WindowCount {
  DWORD processId;
  long count;
};

BOOL CALLBACK CountChild(HWND, LPARAM param) {
  ++reinterpret_cast<WindowCount*>(param)->count;
  return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND wnd, LPARAM param) {
  auto* counted = reinterpret_cast<WindowCount*>(param);
  DWORD owner = 0;
  ::GetWindowThreadProcessId(wnd, &owner);
  if (owner != counted->processId) return TRUE;
  ++counted->count;
  ::EnumChildWindows(wnd, &CountChild, param);
  return TRUE;
}

// A count that answers 0 for a running program is one the platform does not
// keep.
long Known(DWORD value) { return value ? static_cast<long>(value) : -1; }

}  // namespace

OutsideCounters CountOutside(HANDLE process, DWORD processId) {
  OutsideCounters counts;
  WindowCount windows{processId, 0};
  ::EnumWindows(&CountTopLevel, reinterpret_cast<LPARAM>(&windows));
  counts.windows = windows.count;
  counts.gdiObjects = Known(::GetGuiResources(process, GR_GDIOBJECTS));
  counts.userObjects = Known(::GetGuiResources(process, GR_USEROBJECTS));
  DWORD handles = 0;
  if (::GetProcessHandleCount(process, &handles))
    counts.handles = Known(handles);
  PROCESS_MEMORY_COUNTERS_EX memory{};
  memory.cb = sizeof memory;
  if (::GetProcessMemoryInfo(
          process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
          sizeof memory)) {
    // Wine leaves PrivateUsage 0; its PagefileUsage is the private memory.
    const SIZE_T bytes =
        memory.PrivateUsage ? memory.PrivateUsage : memory.PagefileUsage;
    if (bytes) counts.privateBytes = static_cast<int64_t>(bytes);
  }
  return counts;
}

std::string Describe(const OutsideCounters& c) {
  char line[200];
  std::snprintf(
      line, sizeof line,
      "windows %ld, GDI %ld, USER %ld, handles %ld, private %lld KiB "
      "(-1: not told here)",
      c.windows, c.gdiObjects, c.userObjects, c.handles,
      static_cast<long long>(c.privateBytes < 0 ? -1 : c.privateBytes / 1024));
  return line;
}

std::string GrowthPastSlack(const OutsideCounters& before,
                            const OutsideCounters& after) {
  std::string grown;
  const auto check = [&](const char* name, int64_t was, int64_t now,
                         int64_t slack) {
    if (was < 0 || now < 0 || now <= was + slack) return;
    char text[120];
    std::snprintf(text, sizeof text, "%s %lld -> %lld (slack %lld); ", name,
                  static_cast<long long>(was), static_cast<long long>(now),
                  static_cast<long long>(slack));
    grown += text;
  };
  // Small slacks: one leak per action or per rebuild over hundreds of them
  // goes far past these, while the caches a first use fills do not.
  check("windows", before.windows, after.windows, 2);
  check("GDI objects", before.gdiObjects, after.gdiObjects, 40);
  check("USER objects", before.userObjects, after.userObjects, 20);
  check("handles", before.handles, after.handles, 20);
  check("private bytes", before.privateBytes, after.privateBytes,
        int64_t{16} << 20);
  return grown;
}
