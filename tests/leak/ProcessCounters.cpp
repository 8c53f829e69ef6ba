// tests/leak/ProcessCounters.cpp
#include "tests/leak/ProcessCounters.h"

#include <psapi.h>

#include <vector>

namespace {

// Wine finds a GDI object by the index in the low word of its handle alone,
// so asking every index for its type finds every live object.
long ProbeGdiObjects() {
  long live = 0;
  for (uintptr_t index = 1; index <= 0xFFFF; ++index)
    if (::GetObjectType(reinterpret_cast<HGDIOBJ>(index))) ++live;
  return live;
}

// Wine's USER handles are even indexes from 0x20 in the low word, found
// without their high word; the windows and menus of this process are
// counted (the windows of other processes answer too and are left out).
long ProbeUserObjects() {
  const DWORD self = ::GetCurrentProcessId();
  long live = 0;
  for (uintptr_t index = 0x20; index <= 0xFFFF; index += 2) {
    HWND wnd = reinterpret_cast<HWND>(index);
    DWORD owner = 0;
    if (::IsWindow(wnd)) {
      ::GetWindowThreadProcessId(wnd, &owner);
      if (owner == self) ++live;
    } else if (::IsMenu(reinterpret_cast<HMENU>(index))) {
      ++live;
    }
  }
  return live;
}

// Kernel handles are multiples of 4; each one that has flags is open.
long ProbeHandles() {
  long open = 0;
  for (uintptr_t value = 4; value <= 0x10000; value += 4) {
    DWORD flags = 0;
    if (::GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags)) ++open;
  }
  return open;
}

int64_t HeapBytes() {
  std::vector<HANDLE> heaps(::GetProcessHeaps(0, nullptr) + 16);
  heaps.resize(
      ::GetProcessHeaps(static_cast<DWORD>(heaps.size()), heaps.data()));
  int64_t busy = 0;
  for (HANDLE heap : heaps) {
    if (!::HeapLock(heap)) continue;
    PROCESS_HEAP_ENTRY entry{};
    while (::HeapWalk(heap, &entry))
      if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) busy += entry.cbData;
    ::HeapUnlock(heap);
  }
  return busy;
}

}  // namespace

ProcessCounters CountProcess(CounterMethods* methods) {
  ProcessCounters counts;
  CounterMethods how;
  HANDLE process = ::GetCurrentProcess();

  counts.gdiObjects =
      static_cast<long>(::GetGuiResources(process, GR_GDIOBJECTS));
  how.gdi = "GetGuiResources(GR_GDIOBJECTS)";
  if (counts.gdiObjects == 0) {
    counts.gdiObjects = ProbeGdiObjects();
    how.gdi = "GetObjectType on every GDI handle index";
  }
  counts.userObjects =
      static_cast<long>(::GetGuiResources(process, GR_USEROBJECTS));
  how.user = "GetGuiResources(GR_USEROBJECTS)";
  if (counts.userObjects == 0) {
    counts.userObjects = ProbeUserObjects();
    how.user = "IsWindow/IsMenu on every USER handle index (windows, menus)";
  }
  DWORD handles = 0;
  how.handles = "GetProcessHandleCount";
  if (!::GetProcessHandleCount(process, &handles) || handles == 0) {
    handles = static_cast<DWORD>(ProbeHandles());
    how.handles = "GetHandleInformation on every handle value";
  }
  counts.handles = static_cast<long>(handles);

  PROCESS_MEMORY_COUNTERS_EX memory{};
  memory.cb = sizeof memory;
  if (::GetProcessMemoryInfo(
          process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
          sizeof memory))
    counts.privateBytes = static_cast<int64_t>(memory.PrivateUsage);
  how.memory = "GetProcessMemoryInfo PrivateUsage";
  // Wine leaves PrivateUsage 0; its PagefileUsage is the private memory.
  if (counts.privateBytes == 0) {
    counts.privateBytes = static_cast<int64_t>(memory.PagefileUsage);
    how.memory = "GetProcessMemoryInfo PagefileUsage";
  }
  counts.heapBytes = HeapBytes();
  how.memory += "; HeapWalk busy blocks";
  if (methods) *methods = how;
  return counts;
}
