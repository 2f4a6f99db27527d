// One association as it travels from the drop handler through the dialog to
// the registry writer; copied whole, by value.
#ifndef KIVERAN_ASSOCIATION_ASSOC_REQUEST_H
#define KIVERAN_ASSOCIATION_ASSOC_REQUEST_H

enum {
    ASSOC_TEXT_SIZE = 261,  // each text: up to 259 bytes read, its NUL, one spare
    ASSOC_READ_SIZE = 260,  // the most read into a text from the registry or an edit
    ASSOC_KEY_NAME_SIZE = 264
};

// A registry value exactly as it was read (UTF-16 with its NUL, and its
// type), so that a text the user left alone goes back unchanged even where
// code page 932 cannot hold it.
struct StoredValue {
    unsigned long type;  // 0 when nothing was read
    unsigned long size;  // bytes of data
    unsigned char data[2 * ASSOC_TEXT_SIZE];
};

struct AssocRequest {
    int runAfter;        // open the dropped file once the association is written
    int quoteFileName;   // put the %1 placeholder of the command in double quotes
    int setDefaultVerb;  // make verb the file type's default verb
    char verb[ASSOC_TEXT_SIZE];
    char menuText[ASSOC_TEXT_SIZE];
    char commandLine[ASSOC_TEXT_SIZE];
    // What the reader found for the verb it read: written back in place of
    // menuText and commandLine when the dialog says the user kept them.
    char storedVerb[ASSOC_TEXT_SIZE];
    StoredValue storedMenuText;
    StoredValue storedCommand;
    int keepMenuText;
    int keepCommand;
    int commandIsBuilt;  // made from a picked program's path: no % is a variable
};

static_assert(sizeof(int) == 4, "the switches are 32-bit integers");

#endif
