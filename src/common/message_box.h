// The program's one way of telling the user about a refusal.
#ifndef KIVERAN_COMMON_MESSAGE_BOX_H
#define KIVERAN_COMMON_MESSAGE_BOX_H

#include <windows.h>

// Beeps with the sound of style's icon, then shows a message box; the
// button the user pressed.
int ShowMessage(HWND owner, const char* caption, const char* text, UINT style);

#endif
