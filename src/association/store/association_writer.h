// Writing an association under the class root, or the user's own classes.
#ifndef KIVERAN_ASSOCIATION_STORE_ASSOCIATION_WRITER_H
#define KIVERAN_ASSOCIATION_STORE_ASSOCIATION_WRITER_H

#include <stddef.h>

#include "association/assoc_request.h"

// What a write did, for the caller's messages.
struct AssocWriteReport {
    int refused;  // 1 when the command key was refused (ERROR_ACCESS_DENIED)
                  // by the class root and could not go to the user's classes
    int menuTextSaved;     // after a successful write: the menu text was set
    int defaultVerbSaved;  // and the default verb, when one was to be set
    int verbIsDefault;     // the verb written is now the type's default verb
    char type[ASSOC_KEY_NAME_SIZE];  // the key the layout went under: the file
                                     // type, or the extension key itself
};

// Writes the command, then the menu text of request's verb, then the default
// verb when asked, under the extension's file type, each key through the
// class root or, where it refuses, the user's own classes; texts the user
// kept go back as they are stored. 1 when the command was saved (report then
// says what else was); 0 when it was not, and then nothing was written.
int WriteAssociation(const char* extension, AssocRequest request, AssocWriteReport* report = NULL);

#endif
