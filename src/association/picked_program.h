// STUB
#ifndef KIVERAN_ASSOCIATION_PICKED_PROGRAM_H
#define KIVERAN_ASSOCIATION_PICKED_PROGRAM_H
#include <windows.h>
enum { PICKED_PROGRAM_OK = 0, PICKED_NAME_NOT_CONVERTIBLE = 1 };
int ResolvePickedProgram(const WCHAR* picked, char* program);
const char* DescribePickedProgramFault(int code);
extern const char kPickedProgramCaption[];
#endif
