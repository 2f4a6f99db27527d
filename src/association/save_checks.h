// Where a save goes, and whether it may: the key the layout goes under, the
// verb the texts go under, and what keeps the verb from being saved.
#ifndef KIVERAN_ASSOCIATION_SAVE_CHECKS_H
#define KIVERAN_ASSOCIATION_SAVE_CHECKS_H

#include <windows.h>

#include <stddef.h>

// The verb of a type that names none.
extern const char kDefaultVerb[];

// The first verb of the list a TYPE\shell key's default value holds (the
// shell reads it as verbs separated by blanks or commas), or an empty verb
// when there is none or code page 932 cannot hold it (ASSOC_TEXT_SIZE bytes).
void ReadListedDefaultVerb(HKEY root, const char* shellKey, char* verb);

// The key the layout of extensionKey (composed by ComposeExtensionKey) goes
// under: the file type the extension key names, else the extension key
// itself. type holds ASSOC_KEY_NAME_SIZE bytes; the result is one of the two,
// or null for a type name that code page 932 cannot hold.
const char* FindLayoutBase(const char* extensionKey, char* type);

// The verb the texts go under below base: verb; for an empty one the present
// default when setDefault is set, else open (chosen: ASSOC_TEXT_SIZE bytes).
void ChooseVerb(const char* base, const char* verb, int setDefault, char* chosen);

// The same for extension, as WriteAssociation will choose it. 0 when no save
// can go there.
int FindWrittenVerb(const char* extension, const char* verb, int setDefault, char* written);

// What keeps verb (as typed; empty is the default verb) from naming its keys
// under the type the extension's layout goes under, or, when setsDefault,
// from being the default verb: a VERB_FAULT_ value of association_keys.h,
// with in room (when not null) the most bytes a verb may have there. A type
// name that leaves no room is not the verb's fault.
int CheckVerbForSaving(const char* extension, const char* verb, int setsDefault, size_t* room);

#endif
