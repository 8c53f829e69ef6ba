#!/usr/bin/env bash
# tests/wine/session.sh start|stop SESSION_DIR
# A test session: a virtual X display (Xvfb) and a Wine prefix of its own,
# kept in SESSION_DIR, with a persistent wineserver so that each program starts
# quickly. "start" reuses a session that is still running.
set -euo pipefail
action=$1
session=$(realpath -m "$2")
here=$(dirname "$(realpath "$0")")
export WINEPREFIX=$session/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win64

alive() { [ -f "$1" ] && kill -0 "$(cat "$1")" 2>/dev/null; }

case $action in
start)
  mkdir -p "$session"
  if ! alive "$session/xvfb.pid"; then
    # -displayfd: Xvfb picks a free display number and writes it to fd 3.
    rm -f "$session/display"
    exec 3>"$session/display"
    setsid Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp \
      >"$session/xvfb.log" 2>&1 </dev/null &
    echo $! >"$session/xvfb.pid"
    exec 3>&-
    for _ in $(seq 100); do [ -s "$session/display" ] && break; sleep 0.1; done
    [ -s "$session/display" ] || { echo "Xvfb did not start"; cat "$session/xvfb.log"; exit 1; }
  fi
  export DISPLAY=:$(tr -d '\n' <"$session/display")
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "creating the test Wine prefix in $WINEPREFIX"
    wineboot -i >/dev/null 2>&1 || true
  fi
  "$here/prepare-prefix.sh"
  setsid wineserver -p >/dev/null 2>&1 </dev/null || true
  # Let the desktop (explorer, which serves the appbar messages) come up.
  wine cmd /c exit >/dev/null 2>&1 || true
  echo "test session on DISPLAY=$DISPLAY, WINEPREFIX=$WINEPREFIX"
  ;;
stop)
  if [ -d "$WINEPREFIX" ]; then wineserver -k 2>/dev/null || true; fi
  if alive "$session/xvfb.pid"; then kill "$(cat "$session/xvfb.pid")" || true; fi
  rm -f "$session/xvfb.pid" "$session/display"
  echo "test session stopped"
  ;;
*)
  echo "usage: $0 start|stop SESSION_DIR" >&2
  exit 2
  ;;
esac
