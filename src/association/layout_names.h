// The keys one save writes, from the key of the type (or of the extension)
// down: creating a deeper key brings any missing one above it into being.
#ifndef KIVERAN_ASSOCIATION_LAYOUT_NAMES_H
#define KIVERAN_ASSOCIATION_LAYOUT_NAMES_H

#include "association/assoc_request.h"

enum {
    LEVEL_TYPE = 0,
    LEVEL_SHELL = 1,
    LEVEL_VERB = 2,
    LEVEL_COMMAND = 3,
    LEVEL_COUNT = 4
};

struct LayoutNames {
    char name[LEVEL_COUNT][ASSOC_KEY_NAME_SIZE];
};


#endif
