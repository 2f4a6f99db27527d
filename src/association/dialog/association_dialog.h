// The system Open dialog, extended with the verb, menu-text and command-line
// edits and three check boxes, in which the user picks the program.
#ifndef KIVERAN_ASSOCIATION_DIALOG_ASSOCIATION_DIALOG_H
#define KIVERAN_ASSOCIATION_DIALOG_ASSOCIATION_DIALOG_H

#include <windows.h>

#include "association/assoc_request.h"

// The request the dialog's hook reads and writes: the hook gets no pointer
// of the caller's. Valid only while the dialog runs.
extern AssocRequest g_dialogRequest;

// Shows the dialog for request, which it pre-fills, for a file with
// extension (".xyz", not empty). OK is refused, with a message, for a verb
// that cannot name its registry keys. 1 when the user confirmed (request
// then holds the dialog's values), 0 when cancelled or failed.
int RunAssociationDialog(HWND owner, AssocRequest* request, const char* extension);

UINT_PTR CALLBACK AssocDialogHook(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

#endif
