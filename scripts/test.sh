#!/usr/bin/env bash
# scripts/test.sh: builds everything and runs every test. The Win32-free code
# is built natively and tested under AddressSanitizer and UBSan; the program
# and all tests are cross-built and run under Wine on a virtual display, in a
# Wine prefix of their own.
set -euo pipefail
cd "$(dirname "$(realpath "$0")")/.."
scripts/setup.sh

cmake --preset native >/dev/null
cmake --build --preset native
ctest --preset native

cmake --preset windows-x64 >/dev/null
cmake --build --preset windows-x64
ctest --preset windows-x64
