#!/usr/bin/env bash
# Starts one persistent wineserver for $WINEPREFIX, once per prefix.
# It is detached and has its descriptors closed: a wineserver that wine starts
# by itself inherits the caller's stderr and holds CTest until it exits.
marker="${WINEPREFIX:?WINEPREFIX must be set}/.kiveran-wineserver"
if [ -e "$marker" ]; then exit 0; fi
mkdir -p "$WINEPREFIX"
setsid wineserver -p </dev/null >/dev/null 2>&1 &
# Wait until the server has taken its socket so that wine does not start another.
for _ in $(seq 1 100); do
  if ls /tmp/.wine-"$(id -u)"/server-*/socket >/dev/null 2>&1 && [ -n "$(find /tmp/.wine-"$(id -u)" -name socket -newer "$WINEPREFIX" 2>/dev/null)" ]; then break; fi
  sleep 0.05
done
touch "$marker"
