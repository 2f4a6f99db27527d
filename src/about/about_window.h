// The About box: a modal dialog described by an AboutBoxConfig, one at a
// time, placed at the cursor, with a link that the shell opens.
#ifndef KIVERAN_ABOUT_ABOUT_WINDOW_H
#define KIVERAN_ABOUT_ABOUT_WINDOW_H

#include <windows.h>

#include "about/about_config.h"

// Shows this program's About box (template ABOUT_BOX of the program's
// module) and returns when it is closed; the result of ShowAboutBox.
int ShowProgramAboutBox(HWND owner);

// Shows the box that config describes and returns 1 when it is closed. While
// a box is open, a further request only brings that box to the front (it
// keeps its own configuration) and returns 1 at once.
int ShowAboutBox(HWND owner, AboutBoxConfig config);

// The box's dialog procedure, reading g_aboutConfig.
INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// OK ends the box with 1, Cancel (Escape, the close box) with 2, the link
// has linkText opened as the signed-in user and ends it with 1 (when that was
// withheld, a message says so and the box stays). TRUE when handled.
BOOL OnAboutCommand(HWND dialog, WPARAM wParam);

#endif
