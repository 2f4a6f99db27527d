#!/usr/bin/env bash
# CTest's emulator for the Windows test programs: runs one under Wine inside
# the session that wine-session.sh prepared.
if [ -z "${WINEPREFIX:-}" ]; then
  echo "wine-emulator: no Wine session; run the tests through tests/rig/wine-session.sh" >&2
  exit 2
fi
"$(dirname "${BASH_SOURCE[0]}")/start-wineserver.sh"

# A desktop or service that Wine starts for the test program inherits its
# output and can outlive it: on CTest's pipe, CTest would then wait out the
# test's timeout. The program writes to a file in the session's prefix
# instead, which tail hands on to CTest as it grows and until the program
# ends.
output=$(mktemp "$WINEPREFIX/test-output.XXXXXX")
wine "$@" >"$output" 2>&1 &
program=$!
tail -s 0.05 -n +1 -f --pid="$program" "$output" &
streamer=$!
wait "$program"
status=$?
wait "$streamer"
rm -f "$output"
exit "$status"
