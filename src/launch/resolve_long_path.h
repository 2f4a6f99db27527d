// Turning the program's argument into the full, long file-system path of
// the shell item it names.
#ifndef KIVERAN_LAUNCH_RESOLVE_LONG_PATH_H
#define KIVERAN_LAUNCH_RESOLVE_LONG_PATH_H

#include <windows.h>

// Parses input (UTF-16) with the shell's desktop folder, first completing
// one that depends on the current folder (memo.txt, \dir\memo.txt,
// C:memo.txt), and writes the item's file-system path into output
// (outputSize characters, at least MAX_PATH: the shell ignores the size).
// 1 when output holds the whole path; else 0 and output empty. Inputs and
// paths over 259 characters are refused, never cut.
int ResolveLongPath(const WCHAR* input, WCHAR* output, size_t outputSize);

#endif
