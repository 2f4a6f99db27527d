// The command line written for a program: the program's path in double
// quotes, then the %1 placeholder, itself quoted when quote is set:
//   "C:\Tools\view.exe" "%1"   or   "C:\Tools\view.exe" %1
#ifndef KIVERAN_ASSOCIATION_COMMAND_LINE_H
#define KIVERAN_ASSOCIATION_COMMAND_LINE_H

#include <stddef.h>

// Returns 1 with the command line in output; 0 with output empty when it
// does not fit in outputSize bytes (a cut command would not run).
int FormatCommandLine(char* output, size_t outputSize, const char* programPath, int quote);

// 1 when command refers to an environment variable (%SystemRoot%\x.exe):
// the shell expands one only in a REG_EXPAND_SZ value. The shell's own
// placeholders (%1, %L, %*) are one character and end at no second %.
int ReferencesEnvironment(const char* command);

#endif
