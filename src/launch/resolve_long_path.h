// Turning the program's argument into the full, long file-system path of
// the shell item it names.
#ifndef KIVERAN_LAUNCH_RESOLVE_LONG_PATH_H
#define KIVERAN_LAUNCH_RESOLVE_LONG_PATH_H

#include <windows.h>

// Parses input (UTF-16) with the shell's desktop folder and writes the
// item's file-system path into output (outputSize characters). Returns 1
// when output holds the whole path; otherwise 0 and output is empty (when
// outputSize > 0). An input that depends on the current folder (memo.txt,
// ..\memo.txt, \dir\memo.txt, C:memo.txt) is first completed against it; a
// path from a drive's root or a UNC path goes to the shell as it is.
// The shell writes up to MAX_PATH (260) characters whatever outputSize
// says, so an outputSize below 260 is refused; so are an input, or its
// completed form, of more than 259 characters and an item whose path needs
// more than 259. Makes no COM initialisation of its own.
int ResolveLongPath(const WCHAR* input, WCHAR* output, size_t outputSize);

#endif
