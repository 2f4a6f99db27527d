// Requests that the window tests post or send to the About box shown by
// about_host.exe. The test configuration's hook answers each one from inside
// the box's own process and appends what it found to the host's log.
#ifndef KIVERAN_TESTS_ABOUT_HOST_MESSAGES_H
#define KIVERAN_TESTS_ABOUT_HOST_MESSAGES_H

#include <windows.h>

enum {
    // WM_CTLCOLORSTATIC for the link, version and resources lines:
    // "colour ID brush=null|default|other text=RRGGBB-as-COLORREF mode=N",
    // and "colour default text=... mode=N" for what the system gives.
    HOST_PROBE_COLOURS = WM_APP + 1,
    // WM_SETCURSOR with the link and with the version line under the cursor:
    // "cursor ID result=N shown=hand|arrow|other".
    HOST_PROBE_CURSOR = WM_APP + 2,
    // A second ShowAboutBox request while the box is open: "second=N" once it
    // has returned.
    HOST_SECOND_REQUEST = WM_APP + 3,
    // "state window=self|null|other icon-big=0|1 icon-small=0|1 icon-control=0|1"
    // (g_aboutWindow, and the icons of the window and of its icon control:
    // Wine answers WM_GETICON from another process with none, so they are
    // read here); the icons are remembered for the check after the box has
    // closed.
    HOST_PROBE_STATE = WM_APP + 4,
    // The cursor the box's thread shows now: "shown=hand|arrow|other".
    HOST_REPORT_CURSOR = WM_APP + 5
};

#endif
