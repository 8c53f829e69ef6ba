#!/usr/bin/env bash
# scripts/test.sh: builds everything and runs every test. The Win32-free code
# is built natively and tested under AddressSanitizer and UBSan, with a short
# run of the settings fuzz target (with libFuzzer in the fuzz preset); the
# program and all tests are cross-built and run under Wine on a virtual
# display, in a Wine prefix of their own.
set -euo pipefail
cd "$(dirname "$(realpath "$0")")/.."
scripts/setup.sh

cmake --preset native >/dev/null
cmake --build --preset native
ctest --preset native

# The settings fuzz target under libFuzzer (clang), a short run; the native
# build above ran it with the seeded driver.
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
ctest --preset fuzz

cmake --preset windows-x64 >/dev/null
cmake --build --preset windows-x64
ctest --preset windows-x64

# ctest counts test programs; add up the test cases that they ran.
logs=(build/native/Testing/Temporary/LastTest.log
      build/windows-x64/Testing/Temporary/LastTest.log)
cat "${logs[@]}" | awk '
  /^\[  PASSED  \] [0-9]+ tests?\.$/ { passed += $4 }
  /^\[  FAILED  \] [0-9]+ tests?, listed below:$/ { failed += $4 }
  END { printf "Tests: %d passed, %d failed\n", passed, failed }'
# The soak's seed and length, to run it again.
grep -h '^soak: seed ' build/windows-x64/Testing/Temporary/LastTest.log || true
# The fuzz target's short runs (ctest stopped the script had one failed).
grep -h -e '^seeded driver: ' -e '^Done [0-9]* runs' \
  build/native/Testing/Temporary/LastTest.log \
  build/fuzz/Testing/Temporary/LastTest.log |
  sed 's/^/settings_fuzz: /'
