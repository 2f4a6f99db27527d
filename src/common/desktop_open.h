// Opening a file or an address as the user signed in to the desktop. Run as
// an administrator, the program's own ShellExecute would start whatever opens
// it with the administrator's full rights; the desktop shell is asked to
// open it instead, as Windows' own "Open with" does.
#ifndef KIVERAN_COMMON_DESKTOP_OPEN_H
#define KIVERAN_COMMON_DESKTOP_OPEN_H

#include <windows.h>

enum OpenRoute {
    OPEN_BY_PROGRAM,  // ShellExecuteW from this process
    OPEN_BY_DESKTOP   // the desktop shell's ShellExecute, or nothing at all
};

// The route for a process whose TokenElevationType query gave elevationType
// (queryError ERROR_SUCCESS) or failed with queryError. Only a token known
// not to carry the administrator's full rights (Default, Limited, or a
// system that knows no elevation) opens by itself.
OpenRoute ChooseOpenRoute(DWORD queryError, DWORD elevationType);

// Opens the file at path, a full UTF-16 path, with its own folder as the
// working folder. 0 when it was withheld: the program runs with full rights
// and the desktop did not take it, so nothing was opened. When the program
// opens it itself, failures are the shell's to report, as ShellExecuteW does.
int OpenFileAsSignedInUser(const WCHAR* path);

// The same for an address (the About box's link), with no working folder.
int OpenAddressAsSignedInUser(const WCHAR* address);

#endif
