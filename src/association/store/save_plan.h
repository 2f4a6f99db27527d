// Where an extension's association lives and where a save of one verb goes:
// the one place that names the keys. The reader, the checks at OK, the
// question about overriding values and the writer all go by it, so what a
// plain OK writes is what the next read shows.
#ifndef KIVERAN_ASSOCIATION_STORE_SAVE_PLAN_H
#define KIVERAN_ASSOCIATION_STORE_SAVE_PLAN_H

#include <stddef.h>

#include "association/assoc_request.h"

// The verb of a type that names none.
extern const char kDefaultVerb[];

// The keys a save writes, from the key of the type (or of the extension)
// down: creating a deeper key brings any missing one above it into being.
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

struct SavePlan {
    char extensionKey[ASSOC_KEY_NAME_SIZE];
    // Where a save goes: the file type the extension key names (the shell
    // reads a named type's verbs, never the extension key's), else the
    // extension key itself.
    char base[ASSOC_KEY_NAME_SIZE];
    // Where the association is read: base when it has a shell key, else the
    // extension key.
    char readBase[ASSOC_KEY_NAME_SIZE];
    int shellExists;                      // base\shell exists: the save does not create it
    char listedDefault[ASSOC_TEXT_SIZE];  // the first verb readBase\shell lists, or empty
    char shownDefault[ASSOC_TEXT_SIZE];   // the default verb as read: listed and present, else open
    char verb[ASSOC_TEXT_SIZE];           // the verb the texts go under
    int namesFit;                         // names could all be composed: a save may go there
    LayoutNames names;                    // the keys of the save, under base
    char readVerbKey[ASSOC_KEY_NAME_SIZE];     // the verb's keys where they are read, or
    char readCommandKey[ASSOC_KEY_NAME_SIZE];  // empty where they cannot be composed
    int verbExists;                       // readVerbKey exists
    // Levels whose key the class root has but will not let be written (a
    // machine key, a user without administrator rights): the save writes
    // them among the user's own classes. One bit a level.
    unsigned userLevels;
};

// The plan of a save of verb (as typed: empty is the present default when
// setDefault is set, else open) for extension (".xyz"). Only reads. 1 when a
// save can go somewhere; 0 for an empty extension or a file type name that
// code page 932 cannot hold (a substitute would name another key).
int PlanSave(const char* extension, const char* verb, int setDefault, SavePlan* plan);

// What keeps verb (as typed; empty is the default verb) from naming its keys
// under the plan's base, or, when setsDefault, from being the default verb:
// a VERB_FAULT_ value of association_keys.h, with in room (when not null) the
// most bytes a verb may have there. A type name that leaves no room is not
// the verb's fault.
int CheckVerbForSaving(const char* extension, const char* verb, int setsDefault, size_t* room);

#endif
