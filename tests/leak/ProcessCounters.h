// tests/leak/ProcessCounters.h: what the process holds, counted the ways the
// platform allows: GDI and USER objects, kernel handles, private and heap
// memory. Where an API answers 0 (Wine's GetGuiResources, and its handle
// count in some versions) the objects are found by probing instead.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

struct ProcessCounters {
  long gdiObjects = 0;
  long userObjects = 0;
  long handles = 0;
  int64_t privateBytes = 0;
  int64_t heapBytes = 0;  // allocated blocks in all the process's heaps
};

// How each count was made, for the test's report.
struct CounterMethods {
  std::string gdi, user, handles, memory;
};

ProcessCounters CountProcess(CounterMethods* methods = nullptr);
