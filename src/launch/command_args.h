// Splitting of the raw command line (GetCommandLineW(), or GetCommandLineA())
// into arguments. The program does this itself rather than trusting the C
// runtime's argv, because runtimes differ on quotes, backslashes and
// Shift-JIS trail bytes.
//
// The same rules for a line of code page 932 bytes and for one of UTF-16
// units (wchar_t is UTF-16 on Windows; char16_t is the same form elsewhere):
// - The program's name is the first token. A name starting with a double
//   quote runs to the next double quote, copied literally; the next argument
//   may start right after that closing quote. Any other name runs to the
//   first blank or tab, quotes and backslashes included literally. A line
//   starting with a blank or tab has an empty name.
// - Other arguments are separated by blanks and tabs outside quotes. A double
//   quote switches quoted mode and is not copied; inside quoted mode two
//   double quotes give one literal quote and end quoted mode. 2n backslashes
//   before a quote give n backslashes (the quote then switches mode); 2n+1
//   give n backslashes and a literal quote. Other backslashes are literal.
//   An unclosed quote runs to the end of the line.
// - In a line of bytes, a Shift-JIS lead byte takes the next byte with it
//   unexamined, so a trail byte 0x5C is never a backslash. UTF-16 has no
//   such units: every 0x005C is a backslash.
#ifndef KIVERAN_LAUNCH_COMMAND_ARGS_H
#define KIVERAN_LAUNCH_COMMAND_ARGS_H

#include <stddef.h>

// Number of arguments in a raw command line, the program's name included.
// An empty or null line has none; any other line has at least the name
// (which may be empty, e.g. when the line starts with a blank).
int CountCommandLineArguments(const char* commandLine);
int CountCommandLineArguments(const char16_t* commandLine);
int CountCommandLineArguments(const wchar_t* commandLine);

// Copies argument `index` (0 = the program's name) into output (outputSize
// units). Returns 1 when the argument exists and fits with its NUL;
// otherwise 0 and output is empty (when outputSize > 0). With outputSize 0
// (output may then be null) nothing is written and the result is 0.
int GetCommandLineArgument(const char* commandLine, int index, char* output, size_t outputSize);
int GetCommandLineArgument(const char16_t* commandLine, int index, char16_t* output,
                           size_t outputSize);
int GetCommandLineArgument(const wchar_t* commandLine, int index, wchar_t* output,
                           size_t outputSize);

#endif
