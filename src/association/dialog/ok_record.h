// The association dialog as read once at OK: the checks look at this plain
// record, and only an accepted one becomes the request that is saved.
#ifndef KIVERAN_ASSOCIATION_DIALOG_OK_RECORD_H
#define KIVERAN_ASSOCIATION_DIALOG_OK_RECORD_H

#include <windows.h>

#include "association/assoc_request.h"

// A text buffer holds one character more than may be saved, so that a text
// over the limit shows as one.
enum { OK_LONG_TEXT_BUFFER = ASSOC_LONG_TEXT_CHARS + 2 };

struct OkRecord {
    int runAfter;
    int quoteFileName;
    int setDefaultVerb;
    WCHAR verb[ASSOC_TEXT_SIZE];
    WCHAR menuText[OK_LONG_TEXT_BUFFER];
    WCHAR commandLine[OK_LONG_TEXT_BUFFER];
    int menuTyped;       // the user typed into the menu-text edit
    int commandTyped;    // and into the command-line edit
    int menuIsDefault;   // untouched, the menu text is the one a new open verb gets
    int commandIsBuilt;  // untouched, the command was made from a program chosen in the dialog
};

// Whether the user typed into the edit id since it was last set.
int IsEditTyped(HWND dialog, int id);

// Whether the check box id is checked.
int IsBoxChecked(HWND dialog, int id);

// Reads the dialog's controls; the two flags of what the dialog showed come
// from its caller.
void ReadOkRecord(HWND dialog, int menuIsDefault, int commandIsBuilt, OkRecord* record);

// The request that the record saves: typed texts in code page 932, the
// others kept as stored. 0; or the control whose text code page 932 cannot
// hold (a substitute would name another key or file), or that does not fit.
int CaptureOkRecord(const OkRecord* record, AssocRequest* request);

#endif
