#!/usr/bin/env bash
# Runs one command inside a throwaway Wine session: a fresh WINEPREFIX in a
# temporary folder, the Japanese locale (ANSI code page 932), one warm
# wineserver and, when there is no display, an Xvfb of its own. Everything the
# session started is ended and the prefix removed when the command returns.
#
#   tests/rig/wine-session.sh [--win64] COMMAND [ARGS...]
#
# The session is a 32-bit one, for the 32-bit build, unless --win64 asks for
# a 64-bit prefix run by 64-bit Wine, for the 64-bit build.
# KIVERAN_KEEP_PREFIX=1 keeps the prefix folder for inspection.
set -uo pipefail

RIG_DIR="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"

arch=win32
if [ "${1:-}" = "--win64" ]; then
  arch=win64
  shift
fi
if [ "$arch" = win32 ] && ! "$RIG_DIR/host-runs-32bit.sh"; then
  echo "wine-session: this host cannot execute 32-bit programs; run the 64-bit build with --win64" >&2
  exit 2
fi

export LANG=ja_JP.UTF-8
export LC_ALL=ja_JP.UTF-8
export WINEDEBUG=-all
export WINEARCH=$arch
# No desktop integration (it would copy associations into the host's files),
# and no Mono or Gecko installer prompts in a fresh prefix.
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=;mshtml="
export WINEPREFIX="$(mktemp -d "${TMPDIR:-/tmp}/kiveran-wine.XXXXXX")"

# Debian's wine and wine-stable take the 32-bit loader whenever it is
# installed, even on a host that cannot execute it, and wineboot, regedit,
# winepath and the like call wine-stable. A 64-bit session puts two wrappers
# that start the 64-bit loader first on its PATH.
if [ "$arch" = win64 ]; then
  export WINELOADER=/usr/lib/wine/wine64
  mkdir -p "$WINEPREFIX/kiveran-bin"
  for name in wine wine-stable; do
    printf '#!/bin/sh\nexec /usr/lib/wine/wine64 "$@"\n' >"$WINEPREFIX/kiveran-bin/$name"
    chmod +x "$WINEPREFIX/kiveran-bin/$name"
  done
  export PATH="$WINEPREFIX/kiveran-bin:$PATH"
fi

XVFB_PID=""
KEEPALIVE_PID=""
cleanup() {
  exec 9>&-
  if [ -n "$KEEPALIVE_PID" ]; then
    kill "$KEEPALIVE_PID" >/dev/null 2>&1 || true
    wait "$KEEPALIVE_PID" 2>/dev/null || true
  fi
  wineserver -k >/dev/null 2>&1 || true
  wineserver -w >/dev/null 2>&1 || true
  if [ -n "$XVFB_PID" ]; then
    kill "$XVFB_PID" >/dev/null 2>&1 || true
    wait "$XVFB_PID" 2>/dev/null || true
  fi
  if [ "${KIVERAN_KEEP_PREFIX:-0}" = "1" ]; then
    echo "wine-session: prefix kept in $WINEPREFIX" >&2
  else
    rm -rf "$WINEPREFIX"
  fi
}
trap cleanup EXIT
trap 'exit 130' INT TERM

if [ -z "${DISPLAY:-}" ]; then
  fifo="$(mktemp -u)"; mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  XVFB_PID=$!
  read -r -t 30 display_number <"$fifo" || true
  rm -f "$fifo"
  if [ -z "${display_number:-}" ]; then
    echo "wine-session: Xvfb did not start" >&2
    exit 1
  fi
  export DISPLAY=":$display_number"
fi

"$RIG_DIR/start-wineserver.sh"
wine wineboot --init >/dev/null 2>&1
# The desktop that wineboot starts cannot register the shell-windows object
# through which an elevated program has files opened as the signed-in user,
# and it would stay for the whole session. A server started after wineboot
# gets a desktop that registers it.
wineserver -k >/dev/null 2>&1
wineserver -w >/dev/null 2>&1
rm -f "$WINEPREFIX/.kiveran-wineserver"
"$RIG_DIR/start-wineserver.sh"
# Started here with its output closed: Wine hands the desktop the standard
# error of the program that first needs it, which would keep a test's
# output open until the session ends.
wine explorer.exe /desktop </dev/null >/dev/null 2>&1 &
settings="$WINEPREFIX/kiveran-settings.reg"
{ printf '\xff\xfe'; iconv -f UTF-8 -t UTF-16LE "$RIG_DIR/wine-settings.reg.in" | sed 's/\x0a\x00/\x0d\x00\x0a\x00/g'; } >"$settings"
# The prefix maps the host's root as drive Z: no winepath process, which
# has once given nothing.
wine regedit /S "Z:${settings//\//\\}" >/dev/null 2>&1

# Wine ends its desktop and services a few seconds after the last Windows
# program exits, and the next program that touches the shell then waits
# 10-20 s for them to come back. One idle program, reading a pipe that the
# session holds open, keeps them up; closing the pipe ends it.
keepalive="$WINEPREFIX/keepalive.fifo"
mkfifo "$keepalive"
wine cmd /c pause <"$keepalive" >/dev/null 2>&1 &
KEEPALIVE_PID=$!
exec 9>"$keepalive"

"$@"
