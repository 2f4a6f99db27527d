// What the association dialog checks at OK, before anything is saved: the
// faults are found in the record read at OK, as plain data, and told with a
// message owned by the Open dialog, which stays open.
#ifndef KIVERAN_ASSOCIATION_DIALOG_OK_CHECKS_H
#define KIVERAN_ASSOCIATION_DIALOG_OK_CHECKS_H

#include <windows.h>

#include <stddef.h>

#include "association/dialog/ok_record.h"

enum {
    OK_FAULT_NONE = 0,
    // The verb, or a typed menu text or command, holds a character code page
    // 932 cannot hold: a substitute would name another key or file.
    OK_FAULT_CHARACTERS = 1,
    // A typed menu text or command longer than ASSOC_LONG_TEXT_CHARS.
    OK_FAULT_TOO_LONG = 2,
    // The verb cannot name its keys, or cannot be the default (verbFault).
    OK_FAULT_VERB = 3,
    OK_FAULT_EMPTY_COMMAND = 4
};

struct OkFault {
    int code;
    int control;    // the control to mend
    int verbFault;  // OK_FAULT_VERB: a VERB_FAULT_ value of association_keys.h
    size_t room;    // VERB_FAULT_TOO_LONG: the most bytes a verb may have
};

// The first fault of record, for a file with extension: 1 with fault
// filled; or 0 when OK may go on, and request then holds what the record
// saves.
int FindOkFault(const OkRecord* record, const char* extension, AssocRequest* request, OkFault* fault);

// The message that tells about fault: its caption, and its text in text
// (size bytes).
const char* DescribeOkFault(const OkFault* fault, char* text, size_t size);

// Every refusal at OK: a message owned by the Open dialog (the parent of
// dialog), which stays open with everything the user chose, and the focus
// on control to mend. Returns 0.
int RefuseAtOk(HWND dialog, HWND control, const char* caption, const char* text);

// No values make Windows use something else than what request saves, or
// the user chose to save anyway. 1 to save.
int AcceptOverrides(HWND dialog, const AssocRequest* request, const char* extension);

#endif
