#!/bin/sh
# Writes, one a line, the linker options -Wl,-u,SYMBOL that name every symbol
# the program's own code takes from the C runtime and the compiler's support
# library (msvcrt, mingwex, mingw32, moldname, gcc, gcc_eh, winpthread), as a
# link of the same objects without link-time optimisation pulled them: the
# archive members the map file's first section lists, with the symbol that
# pulled each, when the code that asked for it is not the runtime's own.
#
#   cmake/runtime-symbols.sh MAP OUTPUT
#
# The map must come from a link with -Wl,--no-demangle, which prints the
# names as the objects spell them (a leading underscore on 32-bit Windows).
#
# Why: binutils 2.40 crashes on -flto -nostartfiles when a runtime symbol is
# first asked for by the code that link-time optimisation generates. GCC
# leaves calls it knows as built-ins (strlen, malloc, ...) and helpers such as
# ___chkstk_ms out of the symbol table that it hands to the linker beforehand,
# and without the runtime's start-up objects nothing else asks for them in
# time. Naming them with -u makes the linker load them before the optimised
# code arrives; deriving the list at each build keeps a new runtime call from
# bringing the crash back.
set -eu
map=$1
output=$2
# Bracket expressions, not backslashes: awk -v processes escapes, and gawk
# then reads "\(" as an unmatched group.
runtime='(^|/)lib(msvcr[a-z0-9]*|ucrt[a-z0-9]*|mingwex|mingw32|moldname|gcc|gcc_eh|winpthread|pthread)[.]a[(]'

# Through a file, so that a failing awk fails the script (no pipefail in sh).
awk -v runtime="$runtime" '
  # An entry is a member line, flush left, and the reference "FILE (SYMBOL)",
  # on the same line after the member or indented on the next.
  function take(entry,    member, reference, symbol) {
    if (entry == "") return
    member = entry
    sub(/[ \t].*/, "", member)
    reference = substr(entry, length(member) + 1)
    sub(/^[ \t]+/, "", reference)
    if (member !~ runtime || reference ~ runtime) return
    if (!match(reference, /\([^()]*\)$/)) return
    symbol = substr(reference, RSTART + 1, RLENGTH - 2)
    if (symbol != "" && symbol != "--whole-archive") print symbol
  }
  /^Archive member included/ { inside = 1; next }
  !inside { next }
  /^$/ { next }
  /^(Discarded input sections|Allocating common symbols|Memory Configuration)/ { take(entry); entry = ""; exit }
  /^[^ \t]/ { take(entry); entry = $0; next }
  { entry = entry " " $0 }
  END { take(entry) }
' "$map" > "$output.symbols"
symbols=$(sort -u "$output.symbols")
rm -f "$output.symbols"

if [ -z "$symbols" ]; then
  echo "runtime-symbols.sh: $map lists no runtime symbol" >&2
  exit 1
fi
printf '%s\n' "$symbols" | sed 's/^/-Wl,-u,/' > "$output.new"
mv "$output.new" "$output"
