#include "association/save_checks.h"

#include "association/association_keys.h"
#include "association/class_registry.h"
#include "common/bounded_text.h"

const char kDefaultVerb[] = "open";

void ReadListedDefaultVerb(HKEY root, const char* shellKey, char* verb)
{
    char list[ASSOC_KEY_NAME_SIZE];
    verb[0] = '\0';
    if (ReadExactText(root, shellKey, list, sizeof(list)) == 1) {
        FirstListedVerb(list, verb);
    }
}

// Read with read rights only. The extension key itself is never written, so
// no per-user copy of it can hide the type it names.
const char* FindLayoutBase(const char* extensionKey, char* type)
{
    int named = ReadExactText(HKEY_CLASSES_ROOT, extensionKey, type, ASSOC_KEY_NAME_SIZE);
    if (named < 0) {
        return NULL;
    }
    return type[0] != '\0' ? type : extensionKey;
}

int CheckVerbForSaving(const char* extension, const char* verb, int setsDefault, size_t* room)
{
    char extensionKey[ASSOC_KEY_NAME_SIZE];
    char type[ASSOC_KEY_NAME_SIZE];
    if (room != NULL) {
        *room = 0;
    }
    if (verb == NULL || verb[0] == '\0' || !ComposeExtensionKey(extensionKey, extension)) {
        return VERB_FAULT_NONE;
    }
    const char* base = FindLayoutBase(extensionKey, type);
    int fault = base != NULL ? FindVerbFault(base, verb, room) : VERB_FAULT_NONE;
    return fault == VERB_FAULT_NONE && setsDefault && !IsOneVerbWord(verb) ? VERB_FAULT_NOT_ONE_WORD : fault;
}

// The verb the texts go under: the one given; for none, the present default
// when the default is to be set (the list it may be stays as it is), else open.
void ChooseVerb(const char* base, const char* verb, int setDefault, char* chosen)
{
    char shellKey[ASSOC_KEY_NAME_SIZE];
    CopyText(chosen, ASSOC_TEXT_SIZE, verb);
    if (chosen[0] == '\0' && setDefault && ComposeShellKey(shellKey, base)) {
        ReadListedDefaultVerb(HKEY_CLASSES_ROOT, shellKey, chosen);
    }
    if (chosen[0] == '\0') {
        CopyText(chosen, ASSOC_TEXT_SIZE, kDefaultVerb);
    }
}

int FindWrittenVerb(const char* extension, const char* verb, int setDefault, char* written)
{
    char extensionKey[ASSOC_KEY_NAME_SIZE];
    char type[ASSOC_KEY_NAME_SIZE];
    written[0] = '\0';
    const char* base = ComposeExtensionKey(extensionKey, extension) ? FindLayoutBase(extensionKey, type) : NULL;
    if (base == NULL) {
        return 0;
    }
    ChooseVerb(base, verb, setDefault, written);
    return 1;
}

