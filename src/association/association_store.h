// Reading and writing an association under the class root.
#ifndef KIVERAN_ASSOCIATION_ASSOCIATION_STORE_H
#define KIVERAN_ASSOCIATION_ASSOCIATION_STORE_H

#include <windows.h>

#include "association/assoc_request.h"

// Registry primitives. The root is HKEY_CLASSES_ROOT, or HKEY_CURRENT_USER
// for the user's own classes (Software\Classes) and settings. Each returns 1
// on success and 0 on any error.
// Opens an existing key for reading only.
int OpenClassKey(HKEY root, const char* subKey, HKEY* key);
// Opens or creates a key for setting its values. When refused is not null it
// is set to 1 when the failure was ERROR_ACCESS_DENIED, else to 0.
int CreateClassKey(HKEY root, const char* subKey, HKEY* key, int* refused);
// Reads a string value into buffer, which holds at least size + 1 bytes.
// The text is always terminated. A value that is not a string or does not
// fit in size bytes counts as absent: 0 and an empty buffer.
int ReadStringValue(HKEY key, const char* valueName, char* buffer, DWORD size);
int WriteStringValue(HKEY key, const char* valueName, const char* text);

// The default verb (the first of a list), its menu text and its command for
// extension (".xyz", or empty) into request's verb, menuText and stored
// texts; menuText is empty where code page 932 cannot hold the stored one.
// Never creates keys or values. 0 when the extension names a file type that
// code page 932 cannot hold: no save may go under a substitute of it.
int ReadCurrentAssociation(const char* extension, AssocRequest* request);

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
// machine's key of the same name. 1 when the command was saved (the shell is
// then told that associations changed; report says whether the menu text and
// default verb were); 0 when it was not, and then nothing was written (always
// for an empty extension). report, when not null, says what happened.
int WriteAssociation(const char* extension, AssocRequest request, AssocWriteReport* report = NULL);

// The key the layout of extensionKey (composed by ComposeExtensionKey) goes
// under: the file type the extension key names, else the extension key
// itself. type holds ASSOC_KEY_NAME_SIZE bytes; the result is one of the two,
// or null for a type name that code page 932 cannot hold.
const char* FindLayoutBase(const char* extensionKey, char* type);

// The verb WriteAssociation would write under for extension: verb, or for
// an empty one the present default (when setDefault is set) or open, into
// written (ASSOC_TEXT_SIZE bytes). 0 when no save can go there.
int FindWrittenVerb(const char* extension, const char* verb, int setDefault, char* written);

// What keeps verb (as typed; empty is the default verb) from naming its keys
// under the type the extension's layout goes under, or, when setsDefault,
// from being the default verb: a VERB_FAULT_ value of association_keys.h,
// with in room (when not null) the most bytes a verb may have there. A type
// name that leaves no room is not the verb's fault.
int CheckVerbForSaving(const char* extension, const char* verb, int setsDefault, size_t* room);

// The file type the user picked in Windows' own settings for extension
// (the ProgId of its UserChoiceLatest\ProgId key, else of its UserChoice
// key), which decides what a double-click opens from Windows 8 on. 1 with
// the name in progId (ASSOC_TEXT_SIZE bytes), or 0 with progId empty when
// there is none. Only reads.
int ReadUserChoice(const char* extension, char* progId);

#endif
