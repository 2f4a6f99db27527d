// One association as it travels from the drop handler through the dialog to
// the registry writer; copied whole, by value.
#ifndef KIVERAN_ASSOCIATION_ASSOC_REQUEST_H
#define KIVERAN_ASSOCIATION_ASSOC_REQUEST_H

enum {
    ASSOC_TEXT_SIZE = 261,  // a verb: up to 259 bytes read, its NUL, one spare
    ASSOC_READ_SIZE = 260,  // the most read into a verb from the registry or an edit
    ASSOC_KEY_NAME_SIZE = 264,
    // A menu text or command: up to 2,047 characters, each at most two bytes
    // in code page 932, and the NUL.
    ASSOC_LONG_TEXT_CHARS = 2047,
    ASSOC_LONG_TEXT_SIZE = 2 * ASSOC_LONG_TEXT_CHARS + 2
};

struct AssocRequest {
    int runAfter;        // open the dropped file once the association is written
    int quoteFileName;   // put the %1 placeholder of the command in double quotes
    int setDefaultVerb;  // make verb the file type's default verb
    char verb[ASSOC_TEXT_SIZE];
    char menuText[ASSOC_LONG_TEXT_SIZE];
    char commandLine[ASSOC_LONG_TEXT_SIZE];
    // Left alone in the dialog: the verb's own menu text or command goes back
    // exactly as stored (none stays none), in place of menuText or commandLine.
    int keepMenuText;
    int keepCommand;
    int commandIsBuilt;  // made from a picked program's path: no % is a variable
};

static_assert(sizeof(int) == 4, "the switches are 32-bit integers");

#endif
