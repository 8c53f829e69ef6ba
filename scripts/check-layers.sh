#!/usr/bin/env bash
# scripts/check-layers.sh: each folder includes only its own headers or those
# of a lower layer, and code under portable/ stays free of Win32. Prints every
# offending include as "file: header" and fails when there is one.
set -euo pipefail
cd "$(dirname "$(realpath "$0")")/.."

# Bottom to top; folders on one line are side by side and do not include
# each other.
layers=(
  "framework res"
  "shell"
  "settings"
  "toolbar tabs title"
  "customize"
  "bar"
  "app"
)
declare -A rank
for i in "${!layers[@]}"; do
  for dir in ${layers[$i]}; do rank[$dir]=$i; done
done

bad=0
while IFS= read -r file; do
  dir=${file%%/*}
  portable=0
  [[ $file == */portable/* ]] && portable=1
  while IFS= read -r header; do
    to=${header%%/*}
    ok=1
    if [[ -z ${rank[$to]+x} ]]; then
      ok=0
    elif [[ $to != "$dir" ]] && (( rank[$to] >= rank[$dir] )); then
      ok=0
    elif (( portable )) && [[ $header != */portable/* ]]; then
      ok=0
    fi
    if (( !ok )); then
      echo "$file: $header"
      bad=1
    fi
  done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file")
  if (( portable )) && grep -Eq '^[[:space:]]*#[[:space:]]*include[[:space:]]*<(windows|winuser|shlobj|commctrl|objbase)\.h>' "$file"; then
    echo "$file: Win32 header in portable code"
    bad=1
  fi
done < <(for d in "${!rank[@]}"; do
           [[ -d $d ]] && find "$d" -name '*.h' -o -name '*.cpp'
         done | sort)

if (( bad )); then
  echo "layer check failed: a folder includes one beside or above it"
  exit 1
fi
echo "layer check passed"
