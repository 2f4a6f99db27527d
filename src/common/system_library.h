// Libraries of Windows' own, loaded by their full path in the system folder.
#ifndef KIVERAN_COMMON_SYSTEM_LIBRARY_H
#define KIVERAN_COMMON_SYSTEM_LIBRARY_H

#include <windows.h>

// The library file name (such as "version.dll") from the system folder and
// nowhere else, never found by a search of the program's folder, the current
// folder or PATH; its own dependencies are looked for in the system folder
// first. Null when it is not there or its path does not fit.
HMODULE LoadSystemLibrary(const char* name);

// A function of a loaded library, or null, as the generic function pointer
// type, which converts to any other without a warning.
typedef void (*LibraryFunction)(void);
LibraryFunction FindLibraryFunction(HMODULE library, const char* name);

#endif
