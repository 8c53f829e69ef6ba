#!/usr/bin/env bash
# scripts/bench.sh: builds the program and its benchmarks and runs them under
# Wine on a virtual display, in a session (display and prefix) of their own
# that is stopped afterwards: first the end-to-end benchmark of the real
# Quorvane.exe, then the in-process ones that show where time goes. Run it
# on an otherwise idle machine: timings under Wine vary with the load.
set -euo pipefail
cd "$(dirname "$(realpath "$0")")/.."
scripts/setup.sh

build=build/windows-x64
cmake --preset windows-x64 >/dev/null
cmake --build --preset windows-x64 --target bench_end_to_end \
  bench_fill_bench bench_RowFillBench

export QV_WINE_SESSION=$PWD/$build/bench-session
trap 'bash tests/wine/session.sh stop "$QV_WINE_SESSION" >/dev/null' EXIT
bash tests/wine/session.sh start "$QV_WINE_SESSION"
tests/wine/wine-exec.sh "$build/bench_end_to_end.exe"
echo
tests/wine/wine-exec.sh "$build/bench_fill_bench.exe"
echo
tests/wine/wine-exec.sh "$build/bench_RowFillBench.exe"
