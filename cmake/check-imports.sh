#!/usr/bin/env bash
# Fails when a Windows binary imports a DLL that Windows itself does not ship
# (a MinGW runtime such as libstdc++-6.dll, libgcc_s or libwinpthread), or,
# with --exactly, any other set of DLLs than the one listed.
#
#   cmake/check-imports.sh [--exactly "DLL ..."] OBJDUMP BINARY...
set -u
exactly=""
if [ "${1:-}" = "--exactly" ]; then
  exactly=$(printf '%s\n' $2 | sed 's/$/.dll/' | sort | tr '\n' ' ')
  shift 2
fi
objdump=$1
shift
allowed='^(kernel32|user32|gdi32|advapi32|shell32|shlwapi|comdlg32|ole32|oleaut32|version|msvcrt|comctl32|ws2_32)\.dll$'
status=0
for binary in "$@"; do
  dlls=$("$objdump" -p "$binary" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z')
  if [ -z "$dlls" ]; then
    echo "$binary: no imports found" >&2
    status=1
  fi
  for dll in $dlls; do
    if ! printf '%s\n' "$dll" | grep -Eq "$allowed"; then
      echo "$binary imports $dll, which is not a Windows system DLL" >&2
      status=1
    fi
  done
  if [ -n "$exactly" ] && [ "$(printf '%s\n' $dlls | sort | tr '\n' ' ')" != "$exactly" ]; then
    echo "$binary imports $(echo $dlls), not exactly $exactly" >&2
    status=1
  fi
  echo "$(basename "$binary"): $(echo $dlls)"
done
exit $status
