#!/usr/bin/env bash
# Runs the Windows tests several times in a row (three by default) on a busy
# machine, and prints each run's time and result. Beside them runs one
# CPU-bound process per core, which this script starts after the build and
# ends when it ends, however it ends. Not run by CI: it shows that the
# tests' waits hold when other work takes the machine.
#
# The Windows tests are those of scripts/test.sh: where this host executes
# 32-bit programs, the 32-bit suite and the 64-bit program tests (label
# "program"); where it cannot, the 64-bit suite. Each run's output is kept in
# build/test-under-load/run-N.log.
#
#   scripts/test-under-load.sh [RUNS]
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

runs=${1:-3}
if ! [ "$runs" -ge 1 ] 2>/dev/null; then
  echo "usage: scripts/test-under-load.sh [RUNS]" >&2
  exit 2
fi

bash scripts/install-deps.sh
jobs=$(nproc 2>/dev/null || echo 2)
for preset in mingw mingw64; do
  cmake --preset $preset >/dev/null
  cmake --build --preset $preset -j"$jobs" >/dev/null
done

runs32=0
if tests/rig/host-runs-32bit.sh; then
  runs32=1
else
  echo "This host cannot execute 32-bit programs: the Windows tests run on the 64-bit edition under 64-bit Wine."
fi

# The Windows part of scripts/test.sh; its output goes to the log.
windows_tests() {
  local log=$1 status=0
  if [ "$runs32" -eq 1 ]; then
    tests/rig/wine-session.sh ctest --preset mingw >>"$log" 2>&1 || status=1
    tests/rig/wine-session.sh --win64 ctest --preset mingw64 -L program >>"$log" 2>&1 || status=1
  else
    tests/rig/wine-session.sh --win64 ctest --preset mingw64 >>"$log" 2>&1 || status=1
  fi
  return $status
}

# The load: busy loops of the shell, one a core, ended by their ids.
load=()
end_load() {
  if [ "${#load[@]}" -gt 0 ]; then
    kill "${load[@]}" 2>/dev/null || true
    wait "${load[@]}" 2>/dev/null || true
    load=()
  fi
}
trap end_load EXIT
trap 'exit 130' INT TERM
for _ in $(seq "$jobs"); do
  (while :; do :; done) &
  load+=($!)
done
echo "Load: $jobs CPU-bound processes (ids ${load[*]}), one a core."

logs=build/test-under-load
mkdir -p "$logs"
failed=0
summary=()
for run in $(seq "$runs"); do
  log="$logs/run-$run.log"
  : >"$log"
  echo "Run $run of $runs ..."
  start=$SECONDS
  result=passed
  if ! windows_tests "$log"; then
    result=FAILED
    failed=$((failed + 1))
  fi
  seconds=$((SECONDS - start))
  # CTest's own summaries: one line a suite.
  counts=$(awk '/tests passed, [0-9]+ tests? failed out of [0-9]+/ { f += $4; t += $NF }
                END { printf "%d of %d tests passed", t - f, t }' "$log")
  line=$(printf 'Run %d: %dm%02ds, %s, %s' "$run" $((seconds / 60)) $((seconds % 60)) "$result" "$counts")
  echo "$line"
  grep -E '^\s+[0-9]+ - .+ \((Failed|Timeout|Not Run|SEGFAULT|Exception|Subprocess aborted)\)$' "$log" | sed 's/^\s*/    /' || true
  summary+=("$line")
done
end_load

echo
echo "Under load ($jobs CPU-bound processes), logs in $logs:"
printf '  %s\n' "${summary[@]}"
if [ "$failed" -ne 0 ]; then
  echo "$failed of $runs runs failed." >&2
  exit 1
fi
