#include "association/association_store.h"

#include <shlobj.h>

#include "association/association_keys.h"
#include "association/command_line.h"
#include "common/code_page_text.h"
#include "common/bounded_text.h"

// The program's texts are Shift-JIS: a build without -fexec-charset=CP932
// would store UTF-8 bytes in the registry.
static_assert(sizeof("表") == 3 && "表"[1] == '\x5C', "literals must be compiled to code page 932");

static const char kDefaultVerb[] = "open";
static const char kDefaultMenuText[] = "開く(&O)";
// Under HKEY_CURRENT_USER: the user's own classes, and the choices the user
// made in Windows' settings.
static const char kUserClasses[] = "Software\\Classes";
static const char kFileExts[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts";

int OpenClassKey(HKEY root, const char* subKey, HKEY* key)
{
    return RegOpenKeyExA(root, subKey, 0, KEY_READ, key) == ERROR_SUCCESS;
}

int CreateClassKey(HKEY root, const char* subKey, HKEY* key, int* refused)
{
    char emptyClass[] = "";
    DWORD disposition = 0;
    // Only the right the writer uses: a key that may not be written is
    // refused here, not when its value is set.
    LONG result = RegCreateKeyExA(root, subKey, 0, emptyClass, REG_OPTION_NON_VOLATILE,
                                  KEY_SET_VALUE, NULL, key, &disposition);
    if (refused != NULL) {
        *refused = result == ERROR_ACCESS_DENIED;
    }
    return result == ERROR_SUCCESS;
}

int ReadStringValue(HKEY key, const char* valueName, char* buffer, DWORD size)
{
    DWORD type;
    DWORD length = size;
    // A value longer than size bytes fails with ERROR_MORE_DATA (and leaves
    // the buffer undefined), so on success length is at most size.
    if (RegQueryValueExA(key, valueName, NULL, &type, (BYTE*)buffer, &length) != ERROR_SUCCESS
        || (type != REG_SZ && type != REG_EXPAND_SZ)) {
        buffer[0] = '\0';
        return 0;
    }
    // A value stored without its NUL comes back unterminated (the buffer has
    // one byte more than size for that); one that needs all size bytes for
    // its text alone does not fit either.
    buffer[length] = '\0';
    if (lstrlenA(buffer) >= (int)size) {
        buffer[0] = '\0';
        return 0;
    }
    return 1;
}

int WriteStringValue(HKEY key, const char* valueName, const char* text)
{
    DWORD length = (DWORD)lstrlenA(text) + 1;
    return RegSetValueExA(key, valueName, 0, REG_SZ, (const BYTE*)text, length) == ERROR_SUCCESS;
}

// A string value (null name: the default) of an existing key, or 0 when the
// key or value is missing.
static int ReadKeyValue(HKEY root, const char* subKey, const char* valueName, char* buffer)
{
    HKEY key;
    buffer[0] = '\0';
    if (!OpenClassKey(root, subKey, &key)) {
        return 0;
    }
    int result = ReadStringValue(key, valueName, buffer, ASSOC_READ_SIZE);
    RegCloseKey(key);
    return result;
}

static int KeyExists(HKEY root, const char* subKey)
{
    HKEY key;
    if (!OpenClassKey(root, subKey, &key)) {
        return 0;
    }
    RegCloseKey(key);
    return 1;
}

// The default value of an existing key as stored, in UTF-16: 0 (and type 0)
// when the key or value is missing, not a string, or over 259 characters.
static int ReadStoredValue(HKEY root, const char* subKey, StoredValue* value)
{
    HKEY key;
    DWORD type = 0;
    // Two bytes kept back for a NUL the value was stored without.
    DWORD size = sizeof(value->data) - sizeof(WCHAR);
    value->type = 0;
    value->size = 0;
    if (!OpenClassKey(root, subKey, &key)) {
        return 0;
    }
    LONG result = RegQueryValueExW(key, NULL, NULL, &type, value->data, &size);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) {
        return 0;
    }
    WCHAR* text = (WCHAR*)value->data;
    text[size / sizeof(WCHAR)] = L'\0';
    DWORD length = (DWORD)lstrlenW(text);
    if (length >= ASSOC_READ_SIZE) {
        return 0;
    }
    value->type = type;
    value->size = (length + 1) * sizeof(WCHAR);
    return 1;
}

// The default value of a key in code page 932 (size bytes). 1 when it is
// there and converts exactly; -1 when it is there but code page 932 cannot
// hold it (a substitute would name another key); 0 when it is missing.
static int ReadExactText(HKEY root, const char* subKey, char* text, size_t size)
{
    StoredValue value;
    text[0] = '\0';
    if (!ReadStoredValue(root, subKey, &value)) {
        return 0;
    }
    return WideToProgramText((const WCHAR*)value.data, text, size) ? 1 : -1;
}

// The first verb of the list a TYPE\shell key's default value holds, or an
// empty verb when there is none or it cannot be held exactly.
static void ReadListedDefaultVerb(HKEY root, const char* shellKey, char* verb)
{
    char list[ASSOC_KEY_NAME_SIZE];
    verb[0] = '\0';
    if (ReadExactText(root, shellKey, list, sizeof(list)) == 1) {
        FirstListedVerb(list, verb);
    }
}

// The file type named by the extension key when it has a shell key, else the
// extension key itself. 0 when the name cannot be held in code page 932.
static int ResolveFileType(HKEY root, const char* extension, char* type)
{
    char shellKey[ASSOC_KEY_NAME_SIZE];
    int named = ReadExactText(root, extension, type, ASSOC_KEY_NAME_SIZE);
    if (named < 0) {
        return 0;
    }
    if (named == 0 || type[0] == '\0' || !ComposeShellKey(shellKey, type) || !KeyExists(root, shellKey)) {
        CopyText(type, ASSOC_KEY_NAME_SIZE, extension);
    }
    return 1;
}

static void ReadDefaultVerb(HKEY root, const char* type, char* verb)
{
    char name[ASSOC_KEY_NAME_SIZE];
    verb[0] = '\0';
    if (ComposeShellKey(name, type)) {
        ReadListedDefaultVerb(root, name, verb);
    }
    if (verb[0] == '\0' || !ComposeVerbKey(name, type, verb) || !KeyExists(root, name)) {
        CopyText(verb, ASSOC_TEXT_SIZE, kDefaultVerb);
    }
}

// The verb's menu text and command as stored. The menu text is also given in
// code page 932 where it converts (the default text where there is none).
static void ReadVerbTexts(HKEY root, const char* type, AssocRequest* request)
{
    char name[ASSOC_KEY_NAME_SIZE];
    CopyText(request->storedVerb, ASSOC_TEXT_SIZE, request->verb);
    if (ComposeVerbKey(name, type, request->verb) && ReadStoredValue(root, name, &request->storedMenuText)
        && ((const WCHAR*)request->storedMenuText.data)[0] != L'\0') {
        WideToProgramText((const WCHAR*)request->storedMenuText.data, request->menuText, ASSOC_READ_SIZE);
    } else {
        request->storedMenuText.type = 0;
        CopyText(request->menuText, ASSOC_TEXT_SIZE, kDefaultMenuText);
    }
    if (ComposeCommandKey(name, type, request->verb)) {
        ReadStoredValue(root, name, &request->storedCommand);
    }
}

int ReadCurrentAssociation(const char* extension, AssocRequest* request)
{
    HKEY root = HKEY_CLASSES_ROOT;
    char type[ASSOC_KEY_NAME_SIZE];
    request->verb[0] = '\0';
    request->menuText[0] = '\0';
    request->storedVerb[0] = '\0';
    request->storedMenuText.type = 0;
    request->storedMenuText.size = 0;
    request->storedCommand.type = 0;
    request->storedCommand.size = 0;
    request->keepMenuText = 0;
    request->keepCommand = 0;
    CopyText(request->verb, ASSOC_TEXT_SIZE, kDefaultVerb);
    CopyText(request->menuText, ASSOC_TEXT_SIZE, kDefaultMenuText);
    // No extension names no key: only the defaults apply.
    if (extension == NULL || extension[0] == '\0') {
        return 1;
    }
    if (!ResolveFileType(root, extension, type)) {
        return 0;
    }
    ReadDefaultVerb(root, type, request->verb);
    ReadVerbTexts(root, type, request);
    return 1;
}

// The keys one value of the layout lives in, from the key of the type (or
// of the extension) down: creating a deeper key brings any missing one
// above it into being.
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

// Every name of the save, or 0 when one of them cannot be a key name: then
// nothing at all is written.
static int ComposeLayoutNames(LayoutNames* names, const char* base, const char* verb)
{
    return CopyText(names->name[LEVEL_TYPE], ASSOC_KEY_NAME_SIZE, base)
           && ComposeShellKey(names->name[LEVEL_SHELL], base)
           && ComposeVerbKey(names->name[LEVEL_VERB], base, verb)
           && ComposeCommandKey(names->name[LEVEL_COMMAND], base, verb);
}

// A key of the layout under root: the class root's own name, or the same
// name among the user's classes.
static int RootedName(char* output, size_t outputSize, HKEY root, const char* subKey)
{
    if (root == HKEY_CLASSES_ROOT) {
        return CopyText(output, outputSize, subKey);
    }
    return FormatText(output, outputSize, "%s\\%s", kUserClasses, subKey);
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

// Copies every value of the machine's key (not its subkeys) into the
// per-user key of the same name, in UTF-16 so that no text goes through the
// code page. 1 when the machine has no such key or all its values were
// copied; 0 when one could not be read whole or written.
static int CopyMachineValues(const char* subKey, HKEY userKey)
{
    static const char kMachineClasses[] = "Software\\Classes";
    char name[sizeof(kMachineClasses) + ASSOC_KEY_NAME_SIZE];
    HKEY machineKey;
    if (!FormatText(name, sizeof(name), "%s\\%s", kMachineClasses, subKey)
        || RegOpenKeyExA(HKEY_LOCAL_MACHINE, name, 0, KEY_QUERY_VALUE, &machineKey) != ERROR_SUCCESS) {
        return 1;
    }
    WCHAR valueName[256];
    BYTE data[4096];
    LONG result = ERROR_SUCCESS;
    for (DWORD index = 0; result == ERROR_SUCCESS; ++index) {
        DWORD nameLength = sizeof(valueName) / sizeof(valueName[0]);
        DWORD dataLength = sizeof(data);
        DWORD type;
        result = RegEnumValueW(machineKey, index, valueName, &nameLength, NULL, &type, data, &dataLength);
        if (result == ERROR_SUCCESS) {
            result = RegSetValueExW(userKey, valueName, 0, type, data, dataLength);
        }
    }
    RegCloseKey(machineKey);
    return result == ERROR_NO_MORE_ITEMS;
}

// In the merged view a per-user key's values replace the machine's: the
// type's key and its shell key, when the fallback brought them into being,
// get the machine's values, so that the user sees the type's description and
// default verb as before. The verb and command keys get none: the machine's
// MUIVerb or DelegateExecute there would override what the user asked for.
static int KeepUserView(const LayoutNames* names, int last, unsigned existing)
{
    char name[sizeof(kUserClasses) + ASSOC_KEY_NAME_SIZE];
    for (int level = 0; level <= last && level <= LEVEL_SHELL; ++level) {
        HKEY key;
        if (existing & (1u << level)) {
            continue;
        }
        if (!RootedName(name, sizeof(name), HKEY_CURRENT_USER, names->name[level])
            || RegOpenKeyExA(HKEY_CURRENT_USER, name, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) {
            return 0;
        }
        int copied = CopyMachineValues(names->name[level], key);
        RegCloseKey(key);
        if (!copied) {
            return 0;
        }
    }
    return 1;
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

// Sets the default value of the layout key at level, through the class
// root, or, when the class root refuses the key (ERROR_ACCESS_DENIED, as for
// a machine-wide key and a user without administrator rights), under the
// same name among the user's own classes, which the class root shows that
// user instead. Any other failure is the answer. refused says whether the
// class root refused the key, whatever the user's classes then did. A step
// that fails leaves no key of its own making: 1 means the value is set.
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

// The key the layout goes under: the file type the extension key names,
// read with read rights only, else the extension key itself (type holds
// ASSOC_KEY_NAME_SIZE bytes). The extension key is never written: a new
// extension's key comes into being with the layout below it, and no per-user
// copy of an existing one can hide the type it names. Null for a type name
// that code page 932 cannot hold: a substitute would name another key.
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
static void ChooseVerb(const char* base, const char* verb, int setDefault, char* chosen)
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
                                          ReferencesEnvironment(request.commandLine) ? REG_EXPAND_SZ : REG_SZ);
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

int ReadUserChoice(const char* extension, char* progId)
{
    // Windows 11 builds since 2025 keep the choice in a subkey named ProgId
    // of UserChoiceLatest; the others in UserChoice.
    static const char* const kChoiceKeys[] = {"UserChoiceLatest\\ProgId", "UserChoice"};
    char name[sizeof(kFileExts) + ASSOC_KEY_NAME_SIZE + sizeof("\\UserChoiceLatest\\ProgId")];
    progId[0] = '\0';
    if (extension == NULL || extension[0] == '\0') {
        return 0;
    }
    for (const char* choiceKey : kChoiceKeys) {
        if (FormatText(name, sizeof(name), "%s\\%s\\%s", kFileExts, extension, choiceKey)
            && ReadKeyValue(HKEY_CURRENT_USER, name, "ProgId", progId) && progId[0] != '\0') {
            return 1;
        }
    }
    return 0;
}
