#!/usr/bin/env bash
# Size and start-up benchmark of both editions (not a test).
#
# For the 32-bit kiveran.exe and the 64-bit edition it prints the size, the
# imported DLLs and whether ASLR and DEP are on. For each edition this host
# runs (both where it executes 32-bit programs, else the 64-bit one) it times,
# under Wine, in one Wine session of its own, two starts of the program, each
# as a ratio to a floor program of the same edition measured alternately with
# it; the medians of the rounds are compared:
#   - the start to the About box's first visible window, against
#     bench_floor.exe (the same DLLs, COM, one shell icon, one message box);
#   - the start on a sample file to the association dialog, against
#     bench_open_floor.exe, which shows the system Open dialog with the same
#     record in the same folder (bench/open_floor.cpp says what it leaves out).
# The sample's type opens with a program in a folder of its own, so that the
# dialog opens there.
#
#   scripts/bench.sh [ROUNDS]     (default 31, at least 9)
#
# Targets: 32-bit at most 36 KiB, 64-bit at most 38 KiB; the About box at
# most 0.95 and the association dialog at most 1.00 of their floors, in at
# least two runs of three.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

rounds=${1:-31}
if ! [ "$rounds" -ge 9 ] 2>/dev/null; then
  echo "bench: at least 9 rounds" >&2
  exit 2
fi

declare -A triple=([mingw]=i686-w64-mingw32 [mingw64]=x86_64-w64-mingw32)
declare -A edition=([mingw]="32-bit" [mingw64]="64-bit")
declare -A limit=([mingw]=36864 [mingw64]=38912)
for preset in mingw mingw64; do
  cmake --preset $preset >/dev/null
  cmake --build --preset $preset --target kiveran bench_floor bench_open_floor time_to_window >/dev/null
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
  printf '%-38s %s bytes (%.1f KiB, target at most %d KiB)\n' "$name size" "$size" \
    "$(awk -v s="$size" 'BEGIN { print s / 1024 }')" $((limit[$preset] / 1024))
  printf '%-38s %s\n' "$name imports" "$(imports "${triple[$preset]}" "$exe")"
  printf '%-38s %s\n' "$name protections" "$(protections "${triple[$preset]}" "$exe")"
done

# The editions this host runs: both where it executes 32-bit programs, else
# the 64-bit one.
timed=(mingw64)
if tests/rig/host-runs-32bit.sh; then
  timed=(mingw mingw64)
else
  echo "This host cannot execute 32-bit programs: the start-up is timed on the 64-bit edition only."
fi

# The sample file and its type's program, in the session's prefix: the
# association dialog opens in the program's folder, which holds that one file.
prepare_sample() {
  local root="$WINEPREFIX/drive_c/kiveran-bench"
  mkdir -p "$root/tool"
  cp "$1/bench_floor.exe" "$root/tool/tool.exe"
  printf 'sample\r\n' >"$root/sample.kvb"
  wine reg add 'HKCR\.kvb' /ve /d KiveranBench.Sample /f >/dev/null 2>&1 &&
    wine reg add 'HKCR\KiveranBench.Sample\shell\open\command' /ve \
      /d '"C:\kiveran-bench\tool\tool.exe" "%1"' /f >/dev/null 2>&1
}
# The Windows name of a host path: every prefix maps the host's root as
# drive Z. (A winepath process once gave nothing, and every start of
# that benchmark run failed.)
windows_path() {
  printf 'Z:%s' "${1//\//\\}"
}
# Both pairs in one session: the About box and its floor, then the
# association dialog and its floor, each pair alternating round by round.
measure() {
  local bin=$1 rounds=$2 program
  program=$(windows_path "$bin/kiveran.exe")
  if ! prepare_sample "$bin"; then
    echo "bench: the sample's type could not be registered" >&2
    return 1
  fi
  wine "$bin/time_to_window.exe" "$rounds" "\"$program\"" "\"$(windows_path "$bin/bench_floor.exe")\"" |
    tr -d '\r' | sed 's/^/about /'
  wine "$bin/time_to_window.exe" "$rounds" "\"$program\" C:\\kiveran-bench\\sample.kvb" \
    "\"$(windows_path "$bin/bench_open_floor.exe")\" C:\\kiveran-bench\\tool\\tool.exe" |
    tr -d '\r' | sed 's/^/association /'
}
export -f measure prepare_sample windows_path
median() {
  sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
# One pair's figures: WHAT, its lines, the window's name and the target.
# Three decimals: 1.002 rounded to 1.00 would read as a target met.
report() {
  local lines=$2 program_ms floor_ms
  program_ms=$(awk '{ print $2 }' <<<"$lines" | median)
  floor_ms=$(awk '{ print $3 }' <<<"$lines" | median)
  printf '%-38s %s ms\n' "$3, median" "$program_ms"
  printf '%-38s %s ms\n' "$1, median" "$floor_ms"
  printf '%-38s %.3f (target at most %s)\n' "$3 ratio" \
    "$(awk -v a="$program_ms" -v b="$floor_ms" 'BEGIN { print a / b }')" "$4"
}

for preset in "${timed[@]}"; do
  session=()
  if [ "$preset" = mingw64 ]; then session=(--win64); fi
  bin=$(cd "build/$preset/bin" && pwd)
  for floor in bench_floor bench_open_floor; do
    printf '%-38s %s\n' "$floor.exe (${edition[$preset]}) imports" \
      "$(imports "${triple[$preset]}" "$bin/$floor.exe")"
  done
  times=$(tests/rig/wine-session.sh "${session[@]}" bash -c 'measure "$@"' measure "$bin" "$rounds")
  if awk '$2 < 0 || $3 < 0 { bad = 1 } END { exit !bad }' <<<"$times" ||
    [ "$(grep -c '^about ' <<<"$times")" -ne "$rounds" ] ||
    [ "$(grep -c '^association ' <<<"$times")" -ne "$rounds" ]; then
    echo "bench: a window did not come in some round:" >&2
    echo "$times" >&2
    exit 1
  fi

  printf '%-38s %s (%s)\n' "timed edition" "${edition[$preset]}" "$rounds rounds, alternating"
  report "floor" "$(grep '^about ' <<<"$times")" "About box" 0.95
  report "Open dialog floor" "$(grep '^association ' <<<"$times")" "association dialog" 1.00
done
