#!/usr/bin/env bash
# Start-up benchmark of the built program (not a test). Prints kiveran.exe's
# size and imported DLLs, and the time from its start to the About box's
# first visible window under Wine, as a ratio to a floor program (the same
# DLLs, one shell icon, one message box) measured alternately in the same
# Wine session; the medians of the rounds are compared.
#
#   scripts/bench.sh [BUILD_DIR [ROUNDS]]     (defaults: build/mingw, 15)
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

build=${1:-build/mingw}
rounds=${2:-15}
if [ "$rounds" -lt 9 ]; then
  echo "bench: at least 9 rounds" >&2
  exit 2
fi
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake --preset mingw -B "$build" >/dev/null
fi
cmake --build "$build" --target kiveran bench_floor time_to_window >/dev/null
bin=$(cd "$build/bin" && pwd)

imports() {
  i686-w64-mingw32-objdump -p "$1" | sed -n 's/^\s*DLL Name: //p' | tr '[:upper:]' '[:lower:]' | sort | paste -sd ' '
}

measure() {
  wine "$1/time_to_window.exe" "$2" "$(winepath -w "$1/kiveran.exe")" "$(winepath -w "$1/bench_floor.exe")" |
    tr -d '\r'
}
export -f measure
times=$(tests/rig/wine-session.sh bash -c 'measure "$@"' measure "$bin" "$rounds")

median() {
  sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
program_ms=$(awk '{ print $1 }' <<<"$times" | median)
floor_ms=$(awk '{ print $2 }' <<<"$times" | median)
if awk '$1 < 0 || $2 < 0 { bad = 1 } END { exit !bad }' <<<"$times"; then
  echo "bench: a window did not come in some round:" >&2
  echo "$times" >&2
  exit 1
fi

size=$(stat -c %s "$bin/kiveran.exe")
printf '%-26s %s bytes (%.1f KiB)\n' "kiveran.exe size" "$size" "$(awk -v s="$size" 'BEGIN { print s / 1024 }')"
printf '%-26s %s\n' "kiveran.exe imports" "$(imports "$bin/kiveran.exe")"
printf '%-26s %s\n' "bench_floor.exe imports" "$(imports "$bin/bench_floor.exe")"
printf '%-26s %s\n' "rounds (alternating)" "$rounds"
printf '%-26s %s ms\n' "About box, median" "$program_ms"
printf '%-26s %s ms\n' "floor, median" "$floor_ms"
printf '%-26s %.2f\n' "ratio" "$(awk -v a="$program_ms" -v b="$floor_ms" 'BEGIN { print a / b }')"
