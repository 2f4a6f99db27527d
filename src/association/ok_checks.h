// What the association dialog checks at OK, before anything is captured or
// written. Each returns 1 when OK may go on; 0 when the user has been told
// why not (or chose to go back), and the dialog stays open.
#ifndef KIVERAN_ASSOCIATION_OK_CHECKS_H
#define KIVERAN_ASSOCIATION_OK_CHECKS_H

#include <windows.h>

// Every refusal at OK: a message owned by the Open dialog (the parent of
// dialog), which stays open with everything the user chose, and the focus
// on control to mend. Returns 0.
int RefuseAtOk(HWND dialog, HWND control, const char* caption, const char* text);

// The verb, and the menu text and command where the user typed into them,
// are texts code page 932 holds exactly: a substitute would name another key
// or file.
int AcceptTexts(HWND dialog);

// The verb names its keys for extension's file type and, when it is to be
// the default, is one word.
int AcceptVerb(HWND dialog, const char* extension);

// No values make Windows use something else than what is saved, or the
// user chose to save anyway.
int AcceptOverrides(HWND dialog, const char* extension);

#endif
