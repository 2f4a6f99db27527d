#!/usr/bin/env bash
# Installs what is missing, builds the native code and both Windows editions,
# and runs every test: the native unit tests and fuzzers, then the Windows
# tests under Wine.
#
# Where this host executes 32-bit programs, the Windows tests run on the
# 32-bit build, and the tests of the program file (label "program") on the
# 64-bit build as well. Where it cannot, the whole Windows suite runs on the
# 64-bit build under 64-bit Wine.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

bash scripts/install-deps.sh

werror=OFF
if [ "${CI:-}" = "true" ]; then werror=ON; fi
jobs=$(nproc 2>/dev/null || echo 2)

for preset in host mingw mingw64; do
  cmake --preset $preset -DKIVERAN_WERROR=$werror
  cmake --build --preset $preset -j"$jobs"
done

logs="$(mktemp -d "${TMPDIR:-/tmp}/kiveran-test.XXXXXX")"
trap 'rm -rf "$logs"' EXIT
status=0
run() {
  local log="$logs/$1"
  shift
  "$@" 2>&1 | tee "$log" || status=1
}

run host ctest --preset host -j"$jobs"
# The Windows tests share one Wine session and its screen: one at a time.
if tests/rig/host-runs-32bit.sh; then
  run win32 tests/rig/wine-session.sh ctest --preset mingw
  run win64 tests/rig/wine-session.sh --win64 ctest --preset mingw64 -L program
else
  echo "This host cannot execute 32-bit programs: the Windows tests run on the 64-bit edition under 64-bit Wine."
  run win64 tests/rig/wine-session.sh --win64 ctest --preset mingw64
fi

# One closing line over all the runs above, from CTest's own summaries.
cat "$logs"/* | awk '
  /tests passed, [0-9]+ tests? failed out of [0-9]+/ { failed += $4; total += $NF }
  END { printf "Total: %d passed, %d failed\n", total - failed, failed }'
if [ "$status" -ne 0 ]; then
  echo "Some tests failed." >&2
fi
exit $status
