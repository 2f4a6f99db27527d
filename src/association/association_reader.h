// Reading the association an extension has now.
#ifndef KIVERAN_ASSOCIATION_ASSOCIATION_READER_H
#define KIVERAN_ASSOCIATION_ASSOCIATION_READER_H

#include "association/assoc_request.h"

// The default verb (the first of a list), its menu text and its command for
// extension (".xyz", or empty) into request's verb, menuText and stored
// texts; menuText is empty where code page 932 cannot hold the stored one.
// Never creates keys or values. 0 when the extension names a file type that
// code page 932 cannot hold: no save may go under a substitute of it.
int ReadCurrentAssociation(const char* extension, AssocRequest* request);

#endif
