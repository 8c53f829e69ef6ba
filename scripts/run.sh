#!/usr/bin/env bash
# scripts/run.sh: builds Quorvane and starts it under Wine, in a Wine prefix
# of its own. On $DISPLAY when there is one; otherwise on a virtual display,
# where it takes a screenshot, says where it is, and stops the bar again.
set -euo pipefail
cd "$(dirname "$(realpath "$0")")/.."
scripts/setup.sh

cmake --preset windows-x64 >/dev/null
cmake --build --preset windows-x64 --target Setup
setup=$PWD/build/windows-x64/Setup.exe

export WINEPREFIX=${QUORVANE_WINEPREFIX:-$HOME/.local/share/quorvane/wineprefix}
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win64
mkdir -p "$(dirname "$WINEPREFIX")"

xvfb_pid=
if [ -z "${DISPLAY:-}" ] || ! xdpyinfo >/dev/null 2>&1; then
  fifo=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do [ -s "$fifo" ] && break; sleep 0.1; done
  export DISPLAY=:$(tr -d '\n' <"$fifo")
  rm -f "$fifo"
  echo "no display: running on the virtual display $DISPLAY"
fi
stop_all() {
  wineserver -k 2>/dev/null || true
  [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
}
trap stop_all EXIT

if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "preparing the Wine prefix $WINEPREFIX (once)"
  wineboot -i >/dev/null 2>&1 || true
fi

# Installed as a user installs it, into Program Files: the installer
# registers the program, and the bar's first start in the prefix makes the
# settings key and the default toolbars. Installing again replaces the
# program and keeps the key. This script starts the bar itself, so not at
# sign-in as well.
echo "installing $setup into the prefix"
wine "$setup" /S /STARTATSIGNIN=0
exe=$(winepath -u 'C:\Program Files\Quorvane\Quorvane.exe')

echo "starting $exe"
if [ -z "$xvfb_pid" ]; then
  wine "$exe"
else
  wine "$exe" &
  sleep 8
  shot=$PWD/build/windows-x64/quorvane-screenshot.png
  import -window root "$shot"
  echo "screenshot of the running bar: $shot"
fi
