#!/usr/bin/env bash
# tests/wine/prepare-prefix.sh: settles a fresh test prefix (WINEPREFIX) so
# that tests see a quiet, predictable desktop: no crash dialogs from winedbg.
set -euo pipefail
marker=$WINEPREFIX/.quorvane-prepared
[ -f "$marker" ] && exit 0
wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1 || true
touch "$marker"
