// tests/soak/OutsideCounters.h: what another process holds, counted from
// outside it with its process handle, where the bar cannot misreport it.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

struct OutsideCounters {
  long windows = 0;       // its top-level and child windows
  long gdiObjects = -1;   // -1: the platform does not tell (Wine)
  long userObjects = -1;  // -1: the platform does not tell (Wine)
  long handles = -1;
  int64_t privateBytes = -1;
};

OutsideCounters CountOutside(HANDLE process, DWORD processId);

// One line of the counts, for the log.
std::string Describe(const OutsideCounters& counts);

// Which counter grew past its slack between `before` and `after`; empty when
// none did. Counters the platform does not tell are left out.
std::string GrowthPastSlack(const OutsideCounters& before,
                            const OutsideCounters& after);
