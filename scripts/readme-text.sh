#!/usr/bin/env bash
# Writes to stdout the readme.txt of the download: the README's section from
# "## 使い方" to the next second-level heading, with the Markdown marks a text
# viewer would show taken out, in Shift-JIS (code page 932) with CRLF line
# ends. Fails, writing nothing, when the section is missing or holds a
# character that code page 932 has no code for.
#
#   scripts/readme-text.sh [README.md] >readme.txt
#
# scripts/package.sh writes the download's readme.txt with it, and a host
# test (tests/package) runs it on the README, so that an edit that breaks it
# fails scripts/test.sh.
set -euo pipefail

readme=${1:-"$(dirname "${BASH_SOURCE[0]}")/../README.md"}
work=$(mktemp -d "${TMPDIR:-/tmp}/kiveran-readme.XXXXXX")
trap 'rm -rf "$work"' EXIT

awk '
  /^## / { inside = ($0 == "## 使い方") }
  inside' "$readme" |
  sed -e 's/^## \(.*\)/【\1】/' -e 's/^### \(.*\)/■ \1/' \
      -e 's/\*\*//g' -e 's/`//g' -e '/^!\[/d' >"$work/readme.utf8"
if [ ! -s "$work/readme.utf8" ]; then
  echo "readme-text: $readme has no section \"## 使い方\"" >&2
  exit 1
fi
# iconv stops at a character that code page 932 lacks rather than drop it.
if ! iconv -f UTF-8 -t CP932 "$work/readme.utf8" >"$work/readme.sjis" 2>"$work/iconv.log"; then
  line=$(while IFS= read -r text; do
    if ! printf '%s\n' "$text" | iconv -f UTF-8 -t CP932 >/dev/null 2>&1; then
      printf '%s\n' "$text"
      break
    fi
  done <"$work/readme.utf8")
  echo "readme-text: the section \"## 使い方\" of $readme holds a character that code page 932" \
    "(Shift-JIS) lacks; say it in words. In this line: $line" >&2
  exit 1
fi
sed 's/$/\r/' "$work/readme.sjis"
