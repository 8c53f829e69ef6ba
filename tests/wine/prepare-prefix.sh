#!/usr/bin/env bash
# tests/wine/prepare-prefix.sh: settles a fresh test prefix (WINEPREFIX) so
# that tests see a quiet, predictable desktop: no crash dialogs from winedbg,
# and windows that Wine does not hand to a window manager (the virtual
# display has none, and Wine would wait two seconds for one whenever a
# window is hidden).
set -euo pipefail
marker=$WINEPREFIX/.quorvane-prepared-2
[ -f "$marker" ] && exit 0
wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1 || true
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1 || true
touch "$marker"
