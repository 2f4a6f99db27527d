#!/usr/bin/env bash
# Starts one persistent wineserver for $WINEPREFIX, once per prefix.
# It is detached and has its descriptors closed: a wineserver that wine starts
# by itself inherits the caller's stderr and holds CTest until it exits.
marker="${WINEPREFIX:?WINEPREFIX must be set}/.kiveran-wineserver"
if [ -e "$marker" ]; then exit 0; fi
mkdir -p "$WINEPREFIX"
setsid wineserver -p </dev/null >/dev/null 2>&1 &
# Wait until the server has taken its socket so that wine does not start
# another. The socket's folder is named after the prefix's device and inode;
# it lies under /tmp/.wine-UID or, with this host's Wine, /tmp/wine-XXXXXX.
server="server-$(stat -c '%d %i' "$WINEPREFIX" | { read -r device inode; printf '%x-%x' "$device" "$inode"; })"
for _ in $(seq 1 200); do
  for socket in /tmp/.wine-"$(id -u)"/"$server"/socket /tmp/wine-*/"$server"/socket; do
    if [ -S "$socket" ]; then break 2; fi
  done
  sleep 0.05
done
touch "$marker"
