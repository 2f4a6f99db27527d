#!/usr/bin/env bash
# Size and start-up benchmark of both editions (not a test).
#
# For the 32-bit kiveran.exe and the 64-bit edition it prints the size, the
# imported DLLs and whether ASLR and DEP are on. For each edition this host
# runs (both where it executes 32-bit programs, else the 64-bit one) it times
# the start to the About box's first visible window under Wine, as a ratio to
# a floor program of the same edition (the same DLLs, one shell icon, one
# message box), measured alternately in one Wine session of its own; the
# medians of the rounds are compared.
#
#   scripts/bench.sh [ROUNDS]     (default 31, at least 9)
#
# Targets: 32-bit at most 36 KiB, 64-bit at most 40 KiB, ratio at most 1.10.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

rounds=${1:-31}
if ! [ "$rounds" -ge 9 ] 2>/dev/null; then
  echo "bench: at least 9 rounds" >&2
  exit 2
fi

declare -A triple=([mingw]=i686-w64-mingw32 [mingw64]=x86_64-w64-mingw32)
declare -A edition=([mingw]="32-bit" [mingw64]="64-bit")
declare -A limit=([mingw]=36864 [mingw64]=40960)
for preset in mingw mingw64; do
  if [ ! -f "build/$preset/CMakeCache.txt" ]; then
    cmake --preset $preset >/dev/null
  fi
  cmake --build --preset $preset --target kiveran bench_floor time_to_window >/dev/null
done

imports() {
  "$1-objdump" -p "$2" | sed -n 's/^\s*DLL Name: //p' | tr '[:upper:]' '[:lower:]' | sort | paste -sd ' '
}
protections() {
  local flags
  flags=$("$1-objdump" -p "$2" | sed -n 's/^DllCharacteristics\s*//p')
  local aslr=off dep=off
  if (( 16#$flags & 0x40 )); then aslr=on; fi
  if (( 16#$flags & 0x100 )); then dep=on; fi
  echo "ASLR $aslr, DEP $dep"
}

for preset in mingw mingw64; do
  exe="build/$preset/bin/kiveran.exe"
  size=$(stat -c %s "$exe")
  name="kiveran.exe (${edition[$preset]})"
  printf '%-34s %s bytes (%.1f KiB, target at most %d KiB)\n' "$name size" "$size" \
    "$(awk -v s="$size" 'BEGIN { print s / 1024 }')" $((limit[$preset] / 1024))
  printf '%-34s %s\n' "$name imports" "$(imports "${triple[$preset]}" "$exe")"
  printf '%-34s %s\n' "$name protections" "$(protections "${triple[$preset]}" "$exe")"
done

# The editions this host runs: both where it executes 32-bit programs, else
# the 64-bit one.
timed=(mingw64)
if tests/rig/host-runs-32bit.sh; then
  timed=(mingw mingw64)
else
  echo "This host cannot execute 32-bit programs: the start-up is timed on the 64-bit edition only."
fi

measure() {
  wine "$1/time_to_window.exe" "$2" "$(winepath -w "$1/kiveran.exe")" "$(winepath -w "$1/bench_floor.exe")" |
    tr -d '\r'
}
export -f measure
median() {
  sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

for preset in "${timed[@]}"; do
  session=()
  if [ "$preset" = mingw64 ]; then session=(--win64); fi
  bin=$(cd "build/$preset/bin" && pwd)
  printf '%-34s %s\n' "bench_floor.exe (${edition[$preset]}) imports" \
    "$(imports "${triple[$preset]}" "$bin/bench_floor.exe")"
  times=$(tests/rig/wine-session.sh "${session[@]}" bash -c 'measure "$@"' measure "$bin" "$rounds")
  if awk '$1 < 0 || $2 < 0 { bad = 1 } END { exit !bad }' <<<"$times"; then
    echo "bench: a window did not come in some round:" >&2
    echo "$times" >&2
    exit 1
  fi
  program_ms=$(awk '{ print $1 }' <<<"$times" | median)
  floor_ms=$(awk '{ print $2 }' <<<"$times" | median)

  printf '%-34s %s (%s)\n' "timed edition" "${edition[$preset]}" "$rounds rounds, alternating"
  printf '%-34s %s ms\n' "About box, median" "$program_ms"
  printf '%-34s %s ms\n' "floor, median" "$floor_ms"
  printf '%-34s %.2f (target at most 1.10)\n' "ratio" "$(awk -v a="$program_ms" -v b="$floor_ms" 'BEGIN { print a / b }')"
done
