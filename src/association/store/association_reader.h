// Reading the association an extension has now, where a save of it would go.
#ifndef KIVERAN_ASSOCIATION_STORE_ASSOCIATION_READER_H
#define KIVERAN_ASSOCIATION_STORE_ASSOCIATION_READER_H

#include "association/assoc_request.h"
#include "association/store/class_registry.h"

// The default verb (the first of a list that has its key, else open) for
// extension (".xyz", or empty) into request's verb. Never creates keys or
// values. 0 when the extension names a file type that code page 932 cannot
// hold: no save may go under a substitute of it.
int ReadCurrentAssociation(const char* extension, AssocRequest* request);

// A verb's texts as stored, whole, in UTF-16 with their types.
struct VerbTexts {
    char verb[ASSOC_TEXT_SIZE];  // the verb they are for (an empty one stands for the verb a save chooses)
    int exists;                  // the verb has a key
    int offersDefaultMenu;       // a new open verb: the dialog offers its usual menu text
    RegText menuText;            // text null: none
    RegText command;
};
// The texts of verb (as typed) of extension's file type. 0, with texts
// empty, when no save can go there or the verb names no key (a backslash,
// too long). FreeVerbTexts gives their memory back.
int ReadVerbTexts(const char* extension, const char* verb, int setDefault, VerbTexts* texts);
void FreeVerbTexts(VerbTexts* texts);

#endif
