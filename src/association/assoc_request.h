// One association as it travels from the drop handler through the dialog to
// the registry writer; copied whole, by value.
#ifndef KIVERAN_ASSOCIATION_ASSOC_REQUEST_H
#define KIVERAN_ASSOCIATION_ASSOC_REQUEST_H

enum {
    ASSOC_TEXT_SIZE = 261,  // each text: up to 259 bytes read, its NUL, one spare
    ASSOC_READ_SIZE = 260,  // the most read into a text from the registry or an edit
    ASSOC_KEY_NAME_SIZE = 264
};

struct AssocRequest {
    int runAfter;        // open the dropped file once the association is written
    int quoteFileName;   // put the %1 placeholder of the command in double quotes
    int setDefaultVerb;  // make verb the file type's default verb
    char verb[ASSOC_TEXT_SIZE];
    char menuText[ASSOC_TEXT_SIZE];
    char commandLine[ASSOC_TEXT_SIZE];
};

static_assert(sizeof(int) == 4, "the switches are 32-bit integers");

#endif
