#!/usr/bin/env bash
# Builds both Windows editions and writes the download for users:
#   dist/kiveran-<FileVersion>.zip
#     kiveran.exe    the 32-bit program, for every Windows
#     kiveran64.exe  the 64-bit edition, for Windows that cannot run 32-bit programs
#     readme.txt     the README's Japanese section as plain text, Shift-JIS, CRLF
#
#   scripts/package.sh
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

bash scripts/install-deps.sh
for preset in mingw mingw64; do
  cmake --preset $preset >/dev/null
  cmake --build --preset $preset --target kiveran -j"$(nproc 2>/dev/null || echo 2)"
done

version=$(sed -n 's/^\s*VALUE "FileVersion", "\([^"]*\)".*/\1/p' src/resources/version.rc)
if [ -z "$version" ]; then
  echo "package: no FileVersion in src/resources/version.rc" >&2
  exit 1
fi

stage="$(mktemp -d "${TMPDIR:-/tmp}/kiveran-package.XXXXXX")"
trap 'rm -rf "$stage"' EXIT
cp build/mingw/bin/kiveran.exe "$stage/kiveran.exe"
cp build/mingw64/bin/kiveran.exe "$stage/kiveran64.exe"

# The section from "## 使い方" to the next second-level heading, with the
# Markdown marks a text viewer would show taken out.
awk '
  /^## / { inside = ($0 == "## 使い方") }
  inside' README.md |
  sed -e 's/^## \(.*\)/【\1】/' -e 's/^### \(.*\)/■ \1/' \
      -e 's/\*\*//g' -e 's/`//g' -e '/^!\[/d' >"$stage/readme.utf8"
if [ ! -s "$stage/readme.utf8" ]; then
  echo "package: the README has no section \"## 使い方\"" >&2
  exit 1
fi
# Shift-JIS (as code page 932) with CRLF line ends; iconv fails on any
# character that code page lacks rather than dropping it.
iconv -f UTF-8 -t CP932 "$stage/readme.utf8" | sed 's/$/\r/' >"$stage/readme.txt"

mkdir -p dist
zip_file="dist/kiveran-$version.zip"
rm -f "$zip_file"
(cd "$stage" && zip -q -X "$OLDPWD/$zip_file" kiveran.exe kiveran64.exe readme.txt)
echo "Wrote $zip_file"
unzip -l "$zip_file"
