// tests/unit/support/DialogInput.h: pressing a dialog's buttons as a click
// does, and reading whether a control is enabled.
#pragma once

#include <windows.h>

inline void Click(HWND dialog, int id) {
  ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
}

inline bool Enabled(HWND dialog, int id) {
  return ::IsWindowEnabled(::GetDlgItem(dialog, id)) != FALSE;
}
