#!/usr/bin/env bash
# Installs everything the build, the tests and the run need on Debian 12.
# Safe to run again: it only installs what is missing. Another apt or dpkg
# at work (on a freshly booted machine the system's automatic upgrades often
# are, for minutes) is waited for, up to ten minutes in all.
set -euo pipefail

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

PACKAGES=(
  cmake make ninja-build git
  g++ clang libclang-rt-14-dev googletest
  g++-mingw-w64-i686-posix binutils-mingw-w64-i686
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  wine wine32:i386 wine64
  locales xvfb xdotool imagemagick zip
  fonts-ipafont-gothic fonts-wine
)

# The locks of the package manager: dpkg's two, and the ones apt takes for
# the package lists and for the downloaded archives. apt-get's own wait
# (DPkg::Lock::Timeout) covers dpkg's only; on the lists' lock apt-get
# update stops at once.
LOCKS=(/var/lib/dpkg/lock-frontend /var/lib/dpkg/lock /var/lib/apt/lists/lock /var/cache/apt/archives/lock)
LOCK_WAIT_SECONDS=600
lock_deadline=$((SECONDS + LOCK_WAIT_SECONDS))
said_waiting=0

# The locks held, one a line: the lock file, then the process holding it.
# The kernel lists every file lock (apt and dpkg take theirs with fcntl) in
# /proc/locks for anyone to read: no root and no fuser (not on every fresh
# Debian) needed.
# A file is named there by its inode number (its device number may differ
# from what stat says, as on overlayfs).
lock_holders() {
  local lock inode pid
  for lock in "${LOCKS[@]}"; do
    inode=$(stat -c %i "$lock" 2>/dev/null) || continue
    for pid in $(awk -v inode="$inode" '$2 != "->" && $6 ~ ":" inode "$" { print $5 }' /proc/locks 2>/dev/null | sort -u); do
      echo "$lock held by $(cat "/proc/$pid/comm" 2>/dev/null || echo "process") (pid $pid)"
    done
  done
}

# Says once what it waits for, and waits while /proc/locks shows a holder,
# up to the deadline. A file lock of another file that happens to share an
# inode number only makes the wait longer: the command is tried in the end.
wait_for_package_locks() {
  local holders
  while [ "$SECONDS" -lt "$lock_deadline" ] && holders=$(lock_holders) && [ -n "$holders" ]; do
    if [ "$said_waiting" -eq 0 ]; then
      echo "install-deps: waiting for another apt or dpkg (such as the system's automatic upgrades) to finish, up to ten minutes:"
      echo "$holders" | sed 's/^/  /'
      said_waiting=1
    fi
    sleep 2
  done
}

# Runs a package command once the locks look free. When it fails on a lock
# all the same (taken between the look and the command, or released before
# a second look could see it), it runs again until the deadline.
with_package_locks() {
  local log status
  log=$(mktemp)
  while :; do
    wait_for_package_locks
    set +e
    "$@" 2>&1 | tee "$log"
    status=${PIPESTATUS[0]}
    set -e
    if [ "$status" -eq 0 ] || [ "$SECONDS" -ge "$lock_deadline" ] \
       || ! grep -qE 'Could not get lock|Unable to lock|Unable to acquire the dpkg frontend lock' "$log"; then
      rm -f "$log"
      return "$status"
    fi
    sleep 2
  done
}

# sudo drops the environment: the front end is set on the far side of it.
apt_get() {
  $SUDO env DEBIAN_FRONTEND=noninteractive \
    apt-get -o DPkg::Lock::Timeout=$((lock_deadline > SECONDS ? lock_deadline - SECONDS : 0)) "$@"
}

missing=()
need_i386=0
if ! dpkg --print-foreign-architectures | grep -qx i386; then need_i386=1; fi
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ "$need_i386" -eq 1 ]; then
  with_package_locks $SUDO dpkg --add-architecture i386
fi
if [ "${#missing[@]}" -gt 0 ] || [ "$need_i386" -eq 1 ]; then
  with_package_locks apt_get update
  with_package_locks apt_get install -y --no-install-recommends "${missing[@]}"
fi

# Wine reports the ANSI code page from the locale: ja_JP.UTF-8 gives code page 932.
if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
  if ! grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null; then
    echo 'ja_JP.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
  fi
  $SUDO locale-gen
fi
