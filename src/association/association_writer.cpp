#include "association/association_writer.h"

#include <shlobj.h>

#include "association/association_keys.h"
#include "association/class_registry.h"
#include "association/command_line.h"
#include "association/layout_names.h"
#include "association/save_checks.h"
#include "association/user_view.h"
#include "common/bounded_text.h"

// The program's texts are Shift-JIS: a build without -fexec-charset=CP932
// would store UTF-8 bytes in the registry.
static_assert(sizeof("表") == 3 && "表"[1] == '\x5C', "literals must be compiled to code page 932");

// Every name of the save, or 0 when one of them cannot be a key name: then
// nothing at all is written.
static int ComposeLayoutNames(LayoutNames* names, const char* base, const char* verb)
{
    return CopyText(names->name[LEVEL_TYPE], ASSOC_KEY_NAME_SIZE, base)
           && ComposeShellKey(names->name[LEVEL_SHELL], base)
           && ComposeVerbKey(names->name[LEVEL_VERB], base, verb)
           && ComposeCommandKey(names->name[LEVEL_COMMAND], base, verb);
}

// Which of the levels up to last exist under root, one bit a level. Only a
// key that is certainly not there counts as missing: one that cannot be
// opened for any other reason is left alone by RemoveNewLevels.
static unsigned ExistingLevels(HKEY root, const LayoutNames* names, int last)
{
    char name[sizeof(kUserClasses) + ASSOC_KEY_NAME_SIZE];
    unsigned existing = 0;
    for (int level = 0; level <= last; ++level) {
        HKEY key;
        LONG result = ERROR_SUCCESS;
        if (RootedName(name, sizeof(name), root, names->name[level])) {
            result = RegOpenKeyExA(root, name, 0, KEY_READ, &key);
            if (result == ERROR_SUCCESS) {
                RegCloseKey(key);
            }
        }
        if (result != ERROR_FILE_NOT_FOUND) {
            existing |= 1u << level;
        }
    }
    return existing;
}

// Takes away, deepest first, the levels up to last that a failed step
// brought into being under root, so that it leaves no key behind.
static void RemoveNewLevels(HKEY root, const LayoutNames* names, int last, unsigned existing)
{
    char name[sizeof(kUserClasses) + ASSOC_KEY_NAME_SIZE];
    for (int level = last; level >= 0; --level) {
        if (!(existing & (1u << level)) && RootedName(name, sizeof(name), root, names->name[level])) {
            RegDeleteKeyA(root, name);
        }
    }
}

// A default value to write: bytes of code page 932 text, or UTF-16 as read.
struct LayoutValue {
    DWORD type;
    const BYTE* data;
    DWORD size;
    int wide;
};

// A stored value from anywhere: a string, as long as its buffer, ending in a NUL.
static int ValidStoredValue(const StoredValue* value)
{
    const WCHAR* text = (const WCHAR*)value->data;
    DWORD count = value->size / sizeof(WCHAR);
    return (value->type == REG_SZ || value->type == REG_EXPAND_SZ) && value->size % sizeof(WCHAR) == 0
           && count > 0 && value->size <= sizeof(value->data) && text[count - 1] == L'\0';
}

static LayoutValue TextValue(const char* text, DWORD type)
{
    LayoutValue value = {type, (const BYTE*)text, (DWORD)lstrlenA(text) + 1, 0};
    return value;
}

static LayoutValue StoredLayoutValue(const StoredValue* stored)
{
    LayoutValue value = {stored->type, stored->data, stored->size, 1};
    return value;
}

static int WriteLayoutValue(HKEY key, const LayoutValue* value)
{
    LONG result = value->wide ? RegSetValueExW(key, NULL, 0, value->type, value->data, value->size)
                              : RegSetValueExA(key, NULL, 0, value->type, value->data, value->size);
    return result == ERROR_SUCCESS;
}

// Sets the default value of the layout key at level through the class root,
// or among the user's own classes when the class root refuses the key
// (ERROR_ACCESS_DENIED: a machine key, a user without administrator rights);
// refused says which. A failed step leaves no key of its own making.
static int SetLayoutValue(const LayoutNames* names, int level, const LayoutValue* value, int* refused)
{
    char name[sizeof(kUserClasses) + ASSOC_KEY_NAME_SIZE];
    HKEY root = HKEY_CLASSES_ROOT;
    unsigned existing = ExistingLevels(root, names, level);
    HKEY key;
    if (!CreateClassKey(root, names->name[level], &key, refused)) {
        // A create that failed part of the way down leaves the keys above.
        RemoveNewLevels(root, names, level, existing);
        if (!*refused) {
            return 0;
        }
        root = HKEY_CURRENT_USER;
        existing = ExistingLevels(root, names, level);
        if (!RootedName(name, sizeof(name), root, names->name[level])
            || !CreateClassKey(root, name, &key, NULL)) {
            RemoveNewLevels(root, names, level, existing);
            return 0;
        }
    }
    int written = (root == HKEY_CLASSES_ROOT || KeepUserView(names, level, existing))
                  && WriteLayoutValue(key, value);
    RegCloseKey(key);
    if (!written) {
        RemoveNewLevels(root, names, level, existing);
    }
    return written;
}

int WriteAssociation(const char* extension, AssocRequest request, AssocWriteReport* report)
{
    AssocWriteReport unused;
    char extensionKey[ASSOC_KEY_NAME_SIZE];
    char type[ASSOC_KEY_NAME_SIZE];
    LayoutNames names;
    int refused;
    if (report == NULL) {
        report = &unused;
    }
    report->refused = 0;
    report->menuTextSaved = 0;
    report->defaultVerbSaved = 0;
    report->type[0] = '\0';
    // Terminate the texts: the request may come from anywhere.
    TerminateText(request.verb, sizeof(request.verb));
    TerminateText(request.menuText, sizeof(request.menuText));
    TerminateText(request.commandLine, sizeof(request.commandLine));
    TerminateText(request.storedVerb, sizeof(request.storedVerb));
    request.keepCommand = request.keepCommand && ValidStoredValue(&request.storedCommand);
    request.keepMenuText = request.keepMenuText && ValidStoredValue(&request.storedMenuText);
    if (!ComposeExtensionKey(extensionKey, extension)) {
        return 0;
    }
    const char* base = FindLayoutBase(extensionKey, type);
    if (base == NULL) {
        return 0;
    }
    CopyText(report->type, sizeof(report->type), base);
    int setsDefault = request.setDefaultVerb && request.verb[0] != '\0';
    char verbKey[ASSOC_TEXT_SIZE];
    ChooseVerb(base, request.verb, request.setDefaultVerb, verbKey);
    // What the user kept goes back as it was read, type and all; a command
    // that names an environment variable runs only when the shell expands it.
    LayoutValue command = request.keepCommand ? StoredLayoutValue(&request.storedCommand)
                              : TextValue(request.commandLine,
                                          !request.commandIsBuilt && ReferencesEnvironment(request.commandLine)
                                              ? REG_EXPAND_SZ : REG_SZ);
    LayoutValue menuText = request.keepMenuText && lstrcmpiA(verbKey, request.storedVerb) == 0
                               ? StoredLayoutValue(&request.storedMenuText)
                               : TextValue(request.menuText, REG_SZ);
    LayoutValue defaultVerb = TextValue(request.verb, REG_SZ);
    // The command first: without it the rest would be a verb that runs
    // nothing, so when it cannot be saved nothing else is written.
    if (!ComposeLayoutNames(&names, base, verbKey)
        || !SetLayoutValue(&names, LEVEL_COMMAND, &command, &report->refused)) {
        return 0;
    }
    report->menuTextSaved = SetLayoutValue(&names, LEVEL_VERB, &menuText, &refused);
    report->defaultVerbSaved = !setsDefault || SetLayoutValue(&names, LEVEL_SHELL, &defaultVerb, &refused);
    // Explorer keeps the menus and icons it has read until it is told.
    SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, NULL, NULL);
    return 1;
}

