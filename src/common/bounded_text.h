// Bounded, always-terminating copy and format into fixed character buffers.
// Every copy or format of the program's own into a fixed buffer goes through
// one of these. Two kinds of writes do not: the platform's calls, which
// write into the caller's buffer under their own limit and whose results
// are checked where they arrive (TerminateText for those that may leave
// them unterminated), and the command-line splitter, which copies an
// argument byte by byte as it measures it, under the same bound.
#ifndef KIVERAN_COMMON_BOUNDED_TEXT_H
#define KIVERAN_COMMON_BOUNDED_TEXT_H

#include <stddef.h>

// Copies source into output (outputSize bytes). Returns 1 when the whole
// text fitted; 0 when it was cut (output then holds as much as fits, never
// ending in the lead byte of a cut double-byte character). A null source
// copies as empty. With outputSize 0 nothing is written.
int CopyText(char* output, size_t outputSize, const char* source);

// Formats into output like snprintf. Returns 1 when the whole text fitted;
// 0 otherwise, and then output is left empty: a cut key name or command
// line must never be used by mistake.
int FormatText(char* output, size_t outputSize, const char* format, ...);

// Length of a text stored in a buffer of bufferSize bytes that may lack its
// terminator; writes a NUL at the end when none is found inside the buffer
// (the last byte is given up for it). Returns the resulting length.
size_t TerminateText(char* buffer, size_t bufferSize);

#endif
