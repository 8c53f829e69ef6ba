#!/usr/bin/env bash
# installer/build.sh: builds Setup.exe from a built Quorvane.exe with NSIS.
#   installer/build.sh path/to/Quorvane.exe path/to/Setup.exe
set -euo pipefail
here=$(dirname "$(realpath "$0")")
exe=$(realpath "$1")
out=$(realpath -m "$2")
makensis -V2 -NOCD "-DQV_EXE=$exe" "-DOUTFILE=$out" "$here/Quorvane.nsi"
