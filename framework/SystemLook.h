// framework/SystemLook.h: the look the user chose for the system (the app
// mode, high contrast, the system's colours), read behind an interface
// because Wine has no app mode, and the system's own dark frames and
// scroll bars for a window.
#pragma once

#include <windows.h>

#include "framework/portable/Palette.h"

namespace qv {

class ISystemLook {
 public:
  virtual ~ISystemLook() = default;
  // "AppsUseLightTheme" is 0: the user chose the dark app mode.
  virtual bool AppsUseDarkMode() const = 0;
  // SPI_GETHIGHCONTRAST says HCF_HIGHCONTRASTON.
  virtual bool HighContrast() const = 0;
  virtual SystemColors Colors() const = 0;
};

// The system's own answers (the registry, SystemParametersInfo and
// GetSysColor), asked afresh at each call.
ISystemLook& SystemLook();

Palette CurrentPalette(const ISystemLook& look);

// True for the notices after which the look may have changed: the app mode
// (WM_SETTINGCHANGE "ImmersiveColorSet", to an ANSI window), high contrast, the
// system's colours and the visual style.
bool IsLookChange(UINT message, WPARAM wParam, LPARAM lParam);

// Asks for the system's dark title bar and frame (Windows 10 20H1 and
// later) and dark scroll bars on `window`; nothing where the system offers
// neither.
void UseDarkFrame(HWND window, bool dark);
void UseDarkScrollBars(HWND window, bool dark);

}  // namespace qv
