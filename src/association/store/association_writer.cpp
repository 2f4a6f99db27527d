#include "association/store/association_writer.h"

#include <shlobj.h>

#include "association/store/class_registry.h"
#include "association/command_line.h"
#include "association/store/default_verb.h"
#include "association/store/save_plan.h"
#include "association/store/user_copy.h"
#include "common/bounded_text.h"
#include "common/same_name.h"

// The program's texts are Shift-JIS: a build without -fexec-charset=CP932
// would store UTF-8 bytes in the registry.
static_assert(sizeof("表") == 3 && "表"[1] == '\x5C', "literals must be compiled to code page 932");

enum { DEFAULT_LIST_SIZE = 2 * ASSOC_READ_SIZE };

// What one step sets as a key's default value; VALUE_NONE: nothing to set,
// VALUE_UNFIT: something that could not be composed.
enum { VALUE_NONE, VALUE_UNFIT, VALUE_TEXT, VALUE_WIDE, VALUE_KEPT };
struct LayoutValue {
    int kind;
    DWORD type;
    const char* text;   // VALUE_TEXT: code page 932
    const WCHAR* wide;    // VALUE_WIDE: UTF-16
    const RegText* kept;  // VALUE_KEPT: the value as stored (text null: none)
};

// Takes away, deepest first, the levels of created under root.
static void RemoveLevels(HKEY root, const LayoutNames* names, unsigned created)
{
    char name[ROOTED_NAME_SIZE];
    for (int level = LEVEL_COUNT - 1; level >= 0; --level) {
        if ((created & (1u << level)) && RootedName(name, root, names->name[level])) {
            DeleteClassKey(root, name);
        }
    }
}

// A new per-user key of the type or its shell key keeps the machine's values.
static int KeepUserLevel(HKEY root, const LayoutNames* names, int level)
{
    char name[ROOTED_NAME_SIZE];
    HKEY key;
    if (root == HKEY_CLASSES_ROOT || level > LEVEL_SHELL) {
        return 1;
    }
    if (!RootedName(name, root, names->name[level]) || !OpenClassKeyForWriting(root, name, &key)) {
        return 0;
    }
    int kept = KeepMachineValues(names->name[level], key);
    RegCloseKey(key);
    return kept;
}

// Opens the key at level under root for setting its value, making the
// missing keys down to it one level at a time: *created says which this
// call made, and only those are ever taken away again.
static int OpenLevels(HKEY root, const LayoutNames* names, int last, HKEY* key, unsigned* created, int* refused)
{
    char name[ROOTED_NAME_SIZE];
    *created = 0;
    *refused = 0;
    for (int level = 0; level <= last; ++level) {
        HKEY levelKey;
        int made = 0;
        REGSAM access = level == last ? KEY_SET_VALUE : KEY_QUERY_VALUE;
        if (!RootedName(name, root, names->name[level])
            || !CreateClassKey(root, name, access, &levelKey, &made, refused)) {
            RemoveLevels(root, names, *created);
            return 0;
        }
        *created |= made ? 1u << level : 0;
        if (made && !KeepUserLevel(root, names, level)) {
            RegCloseKey(levelKey);
            RemoveLevels(root, names, *created);
            return 0;
        }
        if (level == last) {
            *key = levelKey;
        } else {
            RegCloseKey(levelKey);
        }
    }
    return 1;
}

static int WriteLayoutValue(HKEY key, const LayoutValue* value)
{
    switch (value->kind) {
    case VALUE_TEXT:
        return WriteStringValue(key, value->text, value->type);
    case VALUE_WIDE:
        return WriteRawValue(key, value->type, value->wide, (DWORD)(lstrlenW(value->wide) + 1) * sizeof(WCHAR));
    case VALUE_KEPT:
        // As stored, bytes and type; none stays none.
        return value->kept->text == NULL
               || WriteRawValue(key, value->kept->type, value->kept->text, value->kept->size);
    }
    return 1;
}

// Sets the default value of the key at level through the class root, or
// among the user's own classes where the class root refuses the key (a
// machine key, a user without administrator rights); refused says whether
// it did. A failed step leaves no key of its own making.
static int SetLayoutValue(const SavePlan* plan, int level, const LayoutValue* value, int* refused)
{
    const LayoutNames* names = &plan->names;
    HKEY root = plan->userLevels & (1u << level) ? HKEY_CURRENT_USER : HKEY_CLASSES_ROOT;
    HKEY key;
    unsigned created = 0;
    int opened = OpenLevels(root, names, level, &key, &created, refused);
    if (!opened && *refused && root == HKEY_CLASSES_ROOT) {
        root = HKEY_CURRENT_USER;
        int userRefused = 0;
        opened = OpenLevels(root, names, level, &key, &created, &userRefused);
    }
    *refused = *refused || (plan->userLevels & (1u << level)) != 0;
    if (!opened) {
        return 0;
    }
    int written = WriteLayoutValue(key, value);
    RegCloseKey(key);
    if (!written) {
        RemoveLevels(root, names, created);
    }
    return written;
}

// The default verb the save sets: the verb asked for, first in the list the
// type has; or, for a shell key the save makes where the verbs were read
// from the extension key, the default verb read there.
static LayoutValue DefaultVerbValue(const SavePlan* plan, int setsDefault, WCHAR* list)
{
    LayoutValue value = {VALUE_NONE, REG_SZ, NULL, NULL, NULL};
    if (setsDefault) {
        RegText present;
        ReadRegText(HKEY_CLASSES_ROOT, plan->names.name[LEVEL_SHELL], &present);
        const WCHAR* presentList = present.text != NULL && IsStringType(present.type) ? present.text : NULL;
        // A list too long to hold is not cut, nor replaced.
        value.kind = ComposeDefaultVerbList(presentList, plan->verb, list, DEFAULT_LIST_SIZE) ? VALUE_WIDE : VALUE_UNFIT;
        value.wide = list;
        FreeRegText(&present);
    } else if (!plan->shellExists && plan->listedDefault[0] != '\0') {
        value.kind = VALUE_TEXT;
        value.text = plan->shownDefault;
    }
    return value;
}

int WriteAssociation(const char* extension, AssocRequest request, AssocWriteReport* report)
{
    AssocWriteReport unused;
    SavePlan plan;
    WCHAR list[DEFAULT_LIST_SIZE];
    int refused;
    if (report == NULL) {
        report = &unused;
    }
    report->refused = 0;
    report->menuTextSaved = 0;
    report->defaultVerbSaved = 0;
    report->verbIsDefault = 0;
    report->type[0] = '\0';
    // Terminate the texts: the request may come from anywhere.
    TerminateText(request.verb, sizeof(request.verb));
    TerminateText(request.menuText, sizeof(request.menuText));
    TerminateText(request.commandLine, sizeof(request.commandLine));
    // A kept text comes from where the verb was read, which must be a key.
    if (!PlanSave(extension, request.verb, request.setDefaultVerb, &plan) || !plan.namesFit
        || ((request.keepCommand || request.keepMenuText) && plan.readCommandKey[0] == '\0')) {
        return 0;
    }
    CopyText(report->type, sizeof(report->type), plan.base);
    int setsDefault = request.setDefaultVerb && request.verb[0] != '\0';
    // What the user left alone goes back as it was stored, type and all. It
    // is read before anything is written: a new per-user key would hide the
    // machine's value in the class root's merged view. A command that names
    // an environment variable runs only when the shell expands it.
    RegText keptCommand = {0, 0, NULL};
    RegText keptMenuText = {0, 0, NULL};
    if (request.keepCommand) {
        ReadRegText(HKEY_CLASSES_ROOT, plan.readCommandKey, &keptCommand);
    }
    if (request.keepMenuText) {
        ReadRegText(HKEY_CLASSES_ROOT, plan.readVerbKey, &keptMenuText);
    }
    LayoutValue command = {VALUE_KEPT, 0, NULL, NULL, &keptCommand};
    if (!request.keepCommand) {
        command.kind = VALUE_TEXT;
        command.text = request.commandLine;
        command.type = !request.commandIsBuilt && ReferencesEnvironment(request.commandLine) ? REG_EXPAND_SZ : REG_SZ;
    }
    LayoutValue menuText = {VALUE_KEPT, 0, NULL, NULL, &keptMenuText};
    if (!request.keepMenuText) {
        menuText.kind = VALUE_TEXT;
        menuText.type = REG_SZ;
        menuText.text = request.menuText;
    }
    LayoutValue defaultVerb = DefaultVerbValue(&plan, setsDefault, list);
    // The command first: without it the rest would be a verb that runs
    // nothing, so when it cannot be saved nothing else is written. A kept
    // command must still be there.
    int saved = (!request.keepCommand || keptCommand.text != NULL)
                && SetLayoutValue(&plan, LEVEL_COMMAND, &command, &report->refused);
    if (saved) {
        report->menuTextSaved = SetLayoutValue(&plan, LEVEL_VERB, &menuText, &refused);
        report->defaultVerbSaved = defaultVerb.kind == VALUE_NONE
                                   || (defaultVerb.kind != VALUE_UNFIT
                                       && SetLayoutValue(&plan, LEVEL_SHELL, &defaultVerb, &refused));
    }
    FreeRegText(&keptCommand);
    FreeRegText(&keptMenuText);
    if (!saved) {
        return 0;
    }
    // The default verb as the next run reads it: the first of the list when
    // it has its key, else open.
    SavePlan after;
    report->verbIsDefault = (setsDefault && report->defaultVerbSaved)
                            || (PlanSave(extension, "", 0, &after) && IsSameProgramName(plan.verb, after.shownDefault));
    // Explorer keeps the menus and icons it has read until it is told.
    SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, NULL, NULL);
    return 1;
}
