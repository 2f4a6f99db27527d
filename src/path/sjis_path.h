// Shift-JIS (code page 932) aware scanning of path strings.
// A double-byte character may have 0x5C, the backslash, as its second byte
// (ソ is 83 5C, 表 is 95 5C), so separators are found only on character
// boundaries. The byte ranges are fixed here rather than taken from the
// runtime's locale tables, so the scan is the same on every machine.
#ifndef KIVERAN_PATH_SJIS_PATH_H
#define KIVERAN_PATH_SJIS_PATH_H

#include <stddef.h>

enum {
    SJIS_SINGLE_BYTE = 0,
    SJIS_LEAD_BYTE = 1,
    SJIS_TRAIL_BYTE = 2
};

// True for a byte that starts a double-byte character: 0x81-0x9F and
// 0xE0-0xFC. Every Shift-JIS scan of the program takes its ranges from here.
int IsSjisLeadByte(unsigned char byte);

// Kind of the byte at index: single byte (0), lead (1) or trail (2) byte of
// a double-byte character. An index at or past the terminator gives 0.
int GetSjisByteKind(const char* text, size_t index);

// True when the byte at index is a backslash that separates path components.
int IsPathSeparatorAt(const char* text, size_t index);

// True when text holds a backslash that separates path components (or
// registry key names): one that is not the trail byte of a character.
int HasPathSeparator(const char* text);

// Position of the terminating NUL.
size_t StringEnd(const char* text);

// The last extension of path with its dot, or the terminator (an empty
// extension) when the last component has no dot.
const char* FindExtension(const char* path);

// Cuts path at its last separator, leaving the folder part in path, and
// returns the file-name part. With no separator path is unchanged and the
// whole string is returned.
char* SplitFileName(char* path);

#endif
