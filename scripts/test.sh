#!/usr/bin/env bash
# Installs what is missing, builds both configurations and runs every test:
# the native unit tests and fuzzers, then the Windows tests under Wine.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

bash scripts/install-deps.sh

werror=OFF
if [ "${CI:-}" = "true" ]; then werror=ON; fi
jobs=$(nproc 2>/dev/null || echo 2)

cmake --preset host -DKIVERAN_WERROR=$werror
cmake --build --preset host -j"$jobs"
cmake --preset mingw -DKIVERAN_WERROR=$werror
cmake --build --preset mingw -j"$jobs"

status=0
ctest --preset host -j"$jobs" || status=1
# The Windows tests share one Wine session and its screen: one at a time.
tests/rig/wine-session.sh ctest --preset mingw || status=1

if [ "$status" -ne 0 ]; then
  echo "Some tests failed." >&2
fi
exit $status
