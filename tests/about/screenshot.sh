#!/usr/bin/env bash
# Takes a picture of the program's About box, as the system draws it.
# Run it inside a Wine session, from the top of the source tree:
#
#   tests/rig/wine-session.sh tests/about/screenshot.sh build/mingw docs/about-box.png
set -euo pipefail
build="${1:?build folder}"
output="${2:?picture to write}"

# Windows ties .exe to the exefile class, whose icon is the program's own; a
# fresh Wine prefix lacks that link and gives every program the generic
# document icon.
wine reg add 'HKCR\.exe' /ve /d exefile /f >/dev/null 2>&1

wine "$build/bin/about_host.exe" program &
host=$!
trap 'kill "$host" 2>/dev/null || true; wait "$host" 2>/dev/null || true' EXIT

# Wine names the box's X window after its title.
window=""
for _ in $(seq 1 200); do
  window=$(xdotool search --name 'Tessavoy' 2>/dev/null | head -n 1 || true)
  if [ -n "$window" ]; then break; fi
  sleep 0.1
done
if [ -z "$window" ]; then
  echo "screenshot: the About box did not appear" >&2
  exit 1
fi
# Let it finish painting.
sleep 1
import -window "$window" "$output"
echo "screenshot: wrote $output"
