#!/usr/bin/env bash
# tests/wine/run-in-session.sh BUILD_DIR PROGRAM [ARGS...]
# For working on one test program: starts BUILD_DIR's test session when it is
# not running and runs PROGRAM in it (the session stays up for the next run).
set -euo pipefail
here=$(dirname "$(realpath "$0")")
build=$(realpath "$1")
shift
export QV_WINE_SESSION=$build/wine-session
bash "$here/session.sh" start "$QV_WINE_SESSION" >/dev/null
exec "$here/wine-exec.sh" "$@"
