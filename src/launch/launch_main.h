// The program's entry: no argument shows the About box, one argument runs
// the association for that file, more are refused.
#ifndef KIVERAN_LAUNCH_LAUNCH_MAIN_H
#define KIVERAN_LAUNCH_LAUNCH_MAIN_H

#include <windows.h>

// Reads the raw command line itself; its four parameters are not used.
// Returns 0, the program's exit code.
int LaunchMain(HINSTANCE instance, HINSTANCE previousInstance, LPSTR commandLine, int showState);

#endif
