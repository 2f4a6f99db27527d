// The process's first instruction in the MinGW build, which links without the
// C runtime's start-up code: the program splits its own command line, has no
// static constructors and needs no runtime state set up before it runs, so
// that code (its argument parsing, environment copy, exception tables and
// exit handlers) would only add size and start-up time. The C library
// functions the program does use live in msvcrt.dll, which sets itself up.
// A build with the runtime's own start-up enters at WinMain instead.
#include "launch/launch_main.h"

extern "C" void __stdcall KiveranEntry(void)
{
    // Returning from the entry would end only this thread; ExitProcess ends
    // the process with its code, as the runtime's exit would. LaunchMain
    // reads the UTF-16 command line itself: the A form is not passed.
    ExitProcess((UINT)LaunchMain(GetModuleHandleA(NULL), NULL, NULL, SW_SHOWDEFAULT));
}
