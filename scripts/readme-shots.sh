#!/usr/bin/env bash
# scripts/readme-shots.sh: remakes the README's pictures (docs/screenshots)
# from the program as built now: the bar at each edge and the Customize
# sheet, on the test session's virtual display.
set -euo pipefail
cd "$(dirname "$(realpath "$0")")/.."
scripts/setup.sh

cmake --preset windows-x64 >/dev/null
cmake --build --preset windows-x64 --target Quorvane readme_shots
build=$PWD/build/windows-x64
rm -rf "$build/screenshots"
bash tests/wine/run-in-session.sh "$build" "$build/readme_shots.exe"
bash tests/wine/session.sh stop "$build/wine-session" >/dev/null

mkdir -p docs/screenshots
for bmp in "$build"/screenshots/*.bmp; do
  png=docs/screenshots/$(basename "${bmp%.bmp}").png
  convert "$bmp" -strip "$png"
  echo "$png"
done
