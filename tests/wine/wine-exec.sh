#!/usr/bin/env bash
# tests/wine/wine-exec.sh PROGRAM [ARGS...]
# Runs a Windows program under Wine in the test session named by
# QV_WINE_SESSION (see session.sh): its display and its prefix, never the
# user's.
set -euo pipefail
session=${QV_WINE_SESSION:?QV_WINE_SESSION names the test session folder}
export WINEPREFIX=$session/prefix WINEDEBUG=${WINEDEBUG:--all} \
  WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win64
export DISPLAY=:$(tr -d '\n' <"$session/display")
exec wine "$@"
