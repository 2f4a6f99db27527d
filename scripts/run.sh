#!/usr/bin/env bash
# Builds kiveran.exe and runs it under Wine, in a throwaway prefix of its
# own, on a sample file that it creates there (C:\kiveran-sample\メモ.txt).
# With --about it runs without an argument and shows the About box.
#
# With a display the program is shown until you close it. Without one it
# runs on a virtual screen: once its window is up a screenshot is saved (the
# path is printed) and the program is ended.
#
#   scripts/run.sh [--about]
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

about=0
case "${1:-}" in
  "") ;;
  --about) about=1 ;;
  *) echo "usage: scripts/run.sh [--about]" >&2; exit 2 ;;
esac

bash scripts/install-deps.sh
# The 32-bit program, or the 64-bit edition where this host cannot execute
# 32-bit programs (and so no 32-bit Wine).
preset=mingw
session=()
if ! tests/rig/host-runs-32bit.sh; then
  echo "This host cannot execute 32-bit programs: running the 64-bit edition under 64-bit Wine."
  preset=mingw64
  session=(--win64)
fi
cmake --preset $preset >/dev/null
cmake --build --preset $preset --target kiveran -j"$(nproc 2>/dev/null || echo 2)"

exe="$PWD/build/$preset/bin/kiveran.exe"
screenshot="$PWD/build/$preset/kiveran-run.png"
headless=0
if [ -z "${DISPLAY:-}" ]; then headless=1; fi

# Runs inside the Wine session.
run_in_session() {
  local exe=$1 about=$2 headless=$3 screenshot=$4
  local args=()
  if [ "$about" -eq 0 ]; then
    mkdir -p "$WINEPREFIX/drive_c/kiveran-sample"
    printf 'Kiveran のサンプルです。\r\n' | iconv -f UTF-8 -t CP932 >"$WINEPREFIX/drive_c/kiveran-sample/メモ.txt"
    args=('C:\kiveran-sample\メモ.txt')
  fi
  # With no program associated yet, the dialog opens in the working folder:
  # the one with the system's programs.
  cd "$WINEPREFIX/drive_c/windows"
  if [ "$headless" -eq 0 ]; then
    wine "$exe" "${args[@]}"
    return
  fi
  wine "$exe" "${args[@]}" &
  # Wine names each X window's class after the program file.
  local shown=0
  for _ in $(seq 1 150); do
    if xdotool search --onlyvisible --classname '^kiveran\.exe$' >/dev/null 2>&1; then
      shown=1
      break
    fi
    sleep 0.2
  done
  sleep 1
  rm -f "$screenshot"
  import -window root "$screenshot"
  if [ "$shown" -eq 0 ]; then
    echo "run: no window of the program appeared within 30 s; screen saved in $screenshot" >&2
    return 1
  fi
  echo "Screenshot of the program's window: $screenshot"
}
export -f run_in_session

# The session ends the program, if it is still running, when this returns.
tests/rig/wine-session.sh "${session[@]}" bash -c 'run_in_session "$@"' run_in_session \
  "$exe" "$about" "$headless" "$screenshot"
