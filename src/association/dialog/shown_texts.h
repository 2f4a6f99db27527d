// What the association dialog's edits show: the texts of the verb named and
// the command built from the program chosen, kept in the session the hook
// carries between messages.
#ifndef KIVERAN_ASSOCIATION_DIALOG_SHOWN_TEXTS_H
#define KIVERAN_ASSOCIATION_DIALOG_SHOWN_TEXTS_H

#include <windows.h>
#include <commdlg.h>

#include "association/assoc_request.h"

// What the hook keeps between messages. It lives on RunAssociationDialog's
// stack and reaches the hook through the record's custom data.
struct DialogSession {
    const char* extension;
    WCHAR lastProgram[MAX_PATH];      // the file IDC_COMMAND_LINE was last built for, or empty
    WCHAR lastProgramLong[MAX_PATH];  // its long form, worked out once when first needed, else empty
    char shownVerb[ASSOC_TEXT_SIZE];  // the verb whose texts the edits show
    int commandIsBuilt;  // IDC_COMMAND_LINE was made from a program chosen in the dialog
    int menuIsDefault;   // IDC_MENU_TEXT offers the text of a new open verb
};

DialogSession* GetSession(HWND dialog);
void SetLastProgram(DialogSession* session, const WCHAR* program);

// The menu text and command the user has not typed into become those of the
// verb IDC_VERB names (an empty one stands for the verb a save chooses); a
// command built from a program chosen in the dialog stays.
void ShowVerbTexts(HWND dialog);

// Rebuilds IDC_COMMAND_LINE from the program the Open dialog names (the
// quote box was clicked).
void RefreshCommandLine(HWND dialog);

// A selection the user makes rebuilds IDC_COMMAND_LINE, unless it is of the
// program the command is already for (the one still named when a folder is
// clicked) and there is one.
void OnSelectionChange(HWND dialog);

// At OK: a program chosen since IDC_COMMAND_LINE was last written, selected
// or typed, gives the command, unless the user typed into it since; so does
// the program named when it is empty. 1 when OK may go on; else the user
// has been told why not.
int BuildCommandIfDue(HWND dialog, const OPENFILENAMEA* record);

#endif
