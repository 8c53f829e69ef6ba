// tests/unit/support/WaitForReads.h: lets a bar read the toolbars it reads
// after its first paint, off its window's thread, for tests that look at
// their buttons.
#pragma once

#include "bar/BarWindow.h"
#include "tests/unit/support/PumpUntil.h"

// Pumps the bar's messages until no toolbar waits for its first read and no
// rebuild that a read asked for waits.
inline bool WaitForReads(CBarWindow& bar) {
  return PumpUntil([&bar] {
    return bar.Model().FirstPending() < 0 && !bar.PendingRebuild();
  });
}

// Creates the bar and waits for its reads.
inline bool CreateAndRead(CBarWindow& bar) {
  return bar.CreateBar() && WaitForReads(bar);
}
