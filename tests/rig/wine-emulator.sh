#!/usr/bin/env bash
# CTest's emulator for the Windows test programs: runs one under Wine inside
# the session that wine-session.sh prepared.
if [ -z "${WINEPREFIX:-}" ]; then
  echo "wine-emulator: no Wine session; run the tests through tests/rig/wine-session.sh" >&2
  exit 2
fi
"$(dirname "${BASH_SOURCE[0]}")/start-wineserver.sh"
exec wine "$@"
