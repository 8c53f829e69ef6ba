#!/usr/bin/env bash
# installer/build.sh: builds Setup.exe from a built Quorvane.exe and the help
# pages with NSIS, stamped with the program's version.
#   installer/build.sh path/to/Quorvane.exe path/to/help path/to/Setup.exe 1.5.0.0
set -euo pipefail
here=$(dirname "$(realpath "$0")")
exe=$(realpath "$1")
help=$(realpath "$2")
out=$(realpath -m "$3")
version=$4
makensis -V2 -NOCD "-DQV_EXE=$exe" "-DQV_HELP=$help" "-DOUTFILE=$out" \
  "-DQV_VERSION=$version" \
  "$here/Quorvane.nsi"
