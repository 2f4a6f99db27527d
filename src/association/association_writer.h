// Writing an association under the class root, or the user's own classes.
#ifndef KIVERAN_ASSOCIATION_ASSOCIATION_WRITER_H
#define KIVERAN_ASSOCIATION_ASSOCIATION_WRITER_H

#include <stddef.h>

#include "association/assoc_request.h"

// What a write did, for the caller's messages.
struct AssocWriteReport {
    int refused;  // 1 when the command key was refused (ERROR_ACCESS_DENIED)
                  // by the class root and could not go to the user's classes
    int menuTextSaved;     // after a successful write: the menu text was set
    int defaultVerbSaved;  // and the verb made the default, when asked
    char type[ASSOC_KEY_NAME_SIZE];  // the key the layout went under: the file
                                     // type, or the extension key itself
};

// Writes the command and menu text of request's verb under the extension's
// file type, and the default verb when asked, in that order; every key name
// is checked before the first write. Each key goes through the class root; a
// key the class root refuses goes under the user's own classes instead, and
// a per-user key that comes into being there gets the values of the
// machine's key of the same name. Texts the request says the user kept go
// back as they were read. 1 when the command was saved (the shell is then
// told that associations changed; report says whether the menu text and
// default verb were); 0 when it was not, and then nothing was written (always
// for an empty extension). report, when not null, says what happened.
int WriteAssociation(const char* extension, AssocRequest request, AssocWriteReport* report = NULL);

#endif
