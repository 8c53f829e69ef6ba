#!/usr/bin/env bash
# scripts/setup.sh: installs what a fresh Debian machine lacks to build and
# test Quorvane: the mingw-w64 cross toolchain, Wine, a virtual X server and
# the tools the tests use. Installs nothing that is already there.
set -euo pipefail

packages=(
  cmake make python3
  g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev  # the cross compiler
  wine wine64                  # runs the program and the tests
  xvfb xauth x11-utils         # a virtual display for them
  googletest                   # GoogleTest sources, built with each compiler
  g++                          # the native build of the Win32-free code
  clang libclang-rt-14-dev     # the settings fuzz target, with libFuzzer
  imagemagick                  # screenshots of the running bar
  nsis                         # the installer
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "installing: ${missing[*]}"
  SUDO=
  [ "$(id -u)" -eq 0 ] || SUDO=sudo
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
