#!/usr/bin/env bash
# Exits 0 when this host can execute 32-bit x86 programs, 1 when it cannot.
#
# Some x86-64 hosts have no IA-32 mode at all: any 32-bit ELF, Wine's 32-bit
# loader included, fails with "Exec format error", whatever the kernel's
# configuration says. The host is asked by running the smallest possible
# 32-bit program (an ELF header, one program header and exit(42) through
# int 0x80), written here, so the answer depends on no installed package and
# cannot hang.
set -u
probe="$(mktemp "${TMPDIR:-/tmp}/kiveran-ia32.XXXXXX")"
trap 'rm -f "$probe"' EXIT
printf '\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00'                 >"$probe"  # 32-bit, little-endian
printf '\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00'       >>"$probe" # executable, i386, entry
printf '\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00'       >>"$probe" # one program header
printf '\x00\x00\x00\x00'                                                       >>"$probe"
printf '\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08'       >>"$probe" # load the file
printf '\x60\x00\x00\x00\x60\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00'       >>"$probe" # 96 bytes, r-x
printf '\xb8\x01\x00\x00\x00\xbb\x2a\x00\x00\x00\xcd\x80'                       >>"$probe" # exit(42)
chmod +x "$probe"
# A shell may try a file it cannot execute as a script; only 42 means it ran.
timeout 10 "$probe" >/dev/null 2>&1
[ $? -eq 42 ]
