#include "association/store/save_plan.h"

#include <string.h>

#include "association/store/association_keys.h"
#include "association/store/class_registry.h"
#include "association/store/default_verb.h"
#include "common/bounded_text.h"
#include "common/packed_text.h"

const char kDefaultVerb[] PACKED_TEXT = "open";

// Whether base has a shell key, and the first verb its list names (read
// with the key opened once).
static int ReadShellKey(const char* base, char* listedDefault)
{
    char shellKey[ASSOC_KEY_NAME_SIZE];
    RegText list;
    listedDefault[0] = '\0';
    if (!ComposeShellKey(shellKey, base) || !ReadRegText(HKEY_CLASSES_ROOT, shellKey, &list)) {
        return 0;
    }
    if (list.text != NULL && IsStringType(list.type) && lstrlenW(list.text) < ASSOC_READ_SIZE) {
        FirstListedVerb(list.text, listedDefault);
    }
    FreeRegText(&list);
    return 1;
}

static int ComposeLayoutNames(LayoutNames* names, const char* base, const char* verb)
{
    return CopyText(names->name[LEVEL_TYPE], ASSOC_KEY_NAME_SIZE, base)
           && ComposeShellKey(names->name[LEVEL_SHELL], base)
           && ComposeVerbKey(names->name[LEVEL_VERB], base, verb)
           && ComposeCommandKey(names->name[LEVEL_COMMAND], base, verb);
}

// The extension key is read with read rights only and never written: no
// per-user copy of it can hide the type it names.
static int FindBases(const char* extension, SavePlan* plan)
{
    char type[ASSOC_KEY_NAME_SIZE];
    if (!ComposeExtensionKey(plan->extensionKey, extension)) {
        return 0;
    }
    int named = ReadExactText(HKEY_CLASSES_ROOT, plan->extensionKey, type, sizeof(type));
    if (named < 0) {
        return 0;
    }
    CopyText(plan->base, ASSOC_KEY_NAME_SIZE, named > 0 && type[0] != '\0' ? type : plan->extensionKey);
    CopyText(plan->readBase, ASSOC_KEY_NAME_SIZE, plan->base);
    plan->shellExists = ReadShellKey(plan->base, plan->listedDefault);
    // A named type without a shell key: the extension key's verbs are shown,
    // and the save that creates the type's shell key carries them over.
    if (!plan->shellExists && strcmp(plan->base, plan->extensionKey) != 0) {
        CopyText(plan->readBase, ASSOC_KEY_NAME_SIZE, plan->extensionKey);
        ReadShellKey(plan->readBase, plan->listedDefault);
    }
    return 1;
}

static int VerbKeyExists(const char* base, const char* verb)
{
    char key[ASSOC_KEY_NAME_SIZE];
    return ComposeVerbKey(key, base, verb) && KeyExists(HKEY_CLASSES_ROOT, key);
}

int PlanSave(const char* extension, const char* verb, int setDefault, SavePlan* plan)
{
    memset(plan, 0, sizeof(*plan));
    if (!FindBases(extension, plan)) {
        return 0;
    }
    int listedPresent = plan->listedDefault[0] != '\0' && VerbKeyExists(plan->readBase, plan->listedDefault);
    CopyText(plan->shownDefault, ASSOC_TEXT_SIZE, listedPresent ? plan->listedDefault : kDefaultVerb);
    // An empty verb is the present default when it is to be set (a list
    // stays as it is), else open.
    const char* chosen = verb != NULL && verb[0] != '\0' ? verb
                         : setDefault && plan->listedDefault[0] != '\0' ? plan->listedDefault
                                                                        : kDefaultVerb;
    CopyText(plan->verb, ASSOC_TEXT_SIZE, chosen);
    if (ComposeVerbKey(plan->readVerbKey, plan->readBase, plan->verb)
        && ComposeCommandKey(plan->readCommandKey, plan->readBase, plan->verb)) {
        plan->verbExists = KeyExists(HKEY_CLASSES_ROOT, plan->readVerbKey);
    }
    plan->namesFit = ComposeLayoutNames(&plan->names, plan->base, plan->verb);
    if (!plan->namesFit) {
        return 1;
    }
    for (int level = 0; level < LEVEL_COUNT; ++level) {
        if (ProbeKeyAccess(HKEY_CLASSES_ROOT, plan->names.name[level]) == KEY_REFUSED) {
            plan->userLevels |= 1u << level;
        }
    }
    return 1;
}

int CheckVerbForSaving(const char* extension, const char* verb, int setsDefault, size_t* room)
{
    SavePlan plan;
    if (room != NULL) {
        *room = 0;
    }
    if (verb == NULL || verb[0] == '\0' || !PlanSave(extension, verb, setsDefault, &plan)) {
        return VERB_FAULT_NONE;
    }
    int fault = FindVerbFault(plan.base, verb, room);
    return fault == VERB_FAULT_NONE && setsDefault && !IsOneVerbWord(verb) ? VERB_FAULT_NOT_ONE_WORD : fault;
}
