#!/usr/bin/env bash
# Builds both Windows editions and writes the download for users:
#   dist/kiveran-<FileVersion>.zip
#     kiveran.exe    the 32-bit program, for every Windows
#     kiveran64.exe  the 64-bit edition, for Windows that cannot run 32-bit programs
#     readme.txt     the README's Japanese section as plain text, Shift-JIS, CRLF
#                    (scripts/readme-text.sh)
#
#   scripts/package.sh
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

bash scripts/install-deps.sh

version=$(sed -n 's/^\s*VALUE "FileVersion", "\([^"]*\)".*/\1/p' src/resources/version.rc)
if [ -z "$version" ]; then
  echo "package: no FileVersion in src/resources/version.rc" >&2
  exit 1
fi

stage="$(mktemp -d "${TMPDIR:-/tmp}/kiveran-package.XXXXXX")"
trap 'rm -rf "$stage"' EXIT
# First, so that a README the text cannot be made from stops the run before
# the builds.
bash scripts/readme-text.sh README.md >"$stage/readme.txt"

for preset in mingw mingw64; do
  cmake --preset $preset >/dev/null
  cmake --build --preset $preset --target kiveran -j"$(nproc 2>/dev/null || echo 2)"
done
cp build/mingw/bin/kiveran.exe "$stage/kiveran.exe"
cp build/mingw64/bin/kiveran.exe "$stage/kiveran64.exe"

mkdir -p dist
zip_file="dist/kiveran-$version.zip"
rm -f "$zip_file"
(cd "$stage" && zip -q -X "$OLDPWD/$zip_file" kiveran.exe kiveran64.exe readme.txt)
echo "Wrote $zip_file"
# Listed by zip itself: unzip is not among the dependencies.
zip -sf "$zip_file"
