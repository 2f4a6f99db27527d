#!/usr/bin/env bash
# The readme.txt of the download, as scripts/package.sh makes it: the
# README's Japanese section converts to code page 932 whole, in CRLF lines,
# without Markdown marks; and a section with a character that code page 932
# lacks, or none at all, fails the conversion rather than ship a cut text.
#
#   tests/package/readme_text_test.sh SOURCE_DIR
set -uo pipefail

source_dir=$1
convert="$source_dir/scripts/readme-text.sh"
work=$(mktemp -d "${TMPDIR:-/tmp}/kiveran-readme-test.XXXXXX")
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
  echo "FAILED: $*"
  failures=$((failures + 1))
}

if ! bash "$convert" "$source_dir/README.md" >"$work/readme.txt" 2>"$work/errors"; then
  fail "the README's section does not convert: $(cat "$work/errors")"
fi
if ! iconv -f CP932 -t UTF-8 "$work/readme.txt" >"$work/readme.utf8"; then
  fail "readme.txt is not code page 932 text"
fi
# Every line ends in CR LF, and the file in a whole line.
lines=$(grep -c '' "$work/readme.txt")
crlf=$(grep -c $'\r$' "$work/readme.txt")
if [ "$lines" -lt 50 ] || [ "$lines" -ne "$crlf" ] || [ -n "$(tail -c1 "$work/readme.txt" | tr -d '\n')" ]; then
  fail "expected 50 lines or more, each ending in CR LF: $lines lines, $crlf with CR LF"
fi
tr -d '\r' <"$work/readme.utf8" >"$work/plain"
if [ "$(head -n1 "$work/plain")" != "【使い方】" ]; then
  fail "the first line is not the section's title: $(head -n1 "$work/plain")"
fi
for title in "■ 置き場所" "■ 関連づけの保存先" "■ 免責事項"; do
  grep -qx "$title" "$work/plain" || fail "no line \"$title\""
done
if grep -q '^## \|^### \|\*\*\|`\|^!\[' "$work/plain"; then
  fail "Markdown marks are left: $(grep -m1 '^## \|^### \|\*\*\|`\|^!\[' "$work/plain")"
fi
if grep -q 'Developers\|cmake' "$work/plain"; then
  fail "the text runs on into the developers' section"
fi

# A character that code page 932 lacks (é) in the section, and a README
# without the section: both fail and write nothing.
sed 's/^Kiveran は、/Kiveran (caf\xc3\xa9) は、/' "$source_dir/README.md" >"$work/accented.md"
grep -q 'café' "$work/accented.md" || fail "the test could not put é into the section"
sed 's/^## 使い方$/## Usage/' "$source_dir/README.md" >"$work/untitled.md"
for broken in accented untitled; do
  if bash "$convert" "$work/$broken.md" >"$work/$broken.txt" 2>"$work/$broken.errors"; then
    fail "the $broken README converted"
  fi
  [ -s "$work/$broken.txt" ] && fail "the $broken README gave text"
  [ -s "$work/$broken.errors" ] || fail "the $broken README's failure said nothing"
done
grep -q 'café' "$work/accented.errors" || fail "the failure does not show the line: $(cat "$work/accented.errors")"

if [ "$failures" -ne 0 ]; then
  exit 1
fi
echo "readme.txt: $lines lines of code page 932 text"
