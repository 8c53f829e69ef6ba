// app/RunningBars.h: what Setup and the uninstaller ask of the program
// around the files they replace or remove ("Quorvane.exe /exit", "/start").
#pragma once

#include <windows.h>

#include <string>

namespace qv {

// What EndRunningBars found, as the helper's exit code.
enum BarsEnded : int {
  kNoBarRan = 0,
  kBarsEnded = 1,
  kBarStillRuns = 2,
};

// Asks every bar in this session to exit (its registered message), waits up
// to `waitMs` for them to go, then ends those still there. Setup may run as
// another account than the bar's (an administrator's password typed in), so
// every bar counts, not only this user's.
BarsEnded EndRunningBars(DWORD waitMs);

// Starts `exe` as the user of the desktop's shell, so that a bar started
// again by an elevated Setup runs as that user, unelevated; directly when
// there is no shell window to ask.
bool StartAsDesktopUser(const std::string& exe);

}  // namespace qv
