// The one crossing between UTF-16 and the program's code page (932,
// Shift-JIS). The A functions substitute a look-alike or "?" for what 932
// cannot hold (U+00A5 even becomes 0x5C, the backslash), so every text that
// names a file, a folder or a registry key goes through here instead, and a
// substitute is an error, never a result.
#ifndef KIVERAN_COMMON_CODE_PAGE_TEXT_H
#define KIVERAN_COMMON_CODE_PAGE_TEXT_H

#include <windows.h>

enum { PROGRAM_CODE_PAGE = 932 };

// wide into output (outputSize bytes) in code page 932, exactly. 1 when
// every character converted and the text fits with its NUL; else 0 and
// output empty.
int WideToProgramText(const WCHAR* wide, char* output, size_t outputSize);

// text (code page codePage, 932 unless said) into wide (wideSize
// characters). 1 when every byte converted and it fits with its NUL; else 0
// and wide empty.
int ProgramTextToWide(const char* text, WCHAR* wide, size_t wideSize,
                      UINT codePage = PROGRAM_CODE_PAGE);

// A file's path for the A functions (output: MAX_PATH bytes): the path
// exactly, else its 8.3 short form exactly (which may also be what lets a
// long path fit). 0, with output empty, when neither can be had.
int WideToProgramPath(const WCHAR* path, char* output);

#endif
