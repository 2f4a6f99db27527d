#include "association/association_store.h"

#include <shlobj.h>

#include "association/association_keys.h"
#include "path/bounded_text.h"

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

// The file type named by the extension key when it has a shell key, else the
// extension key itself.
static void ResolveFileType(HKEY root, const char* extension, char* type)
{
    char shellKey[ASSOC_KEY_NAME_SIZE];
    CopyText(type, ASSOC_KEY_NAME_SIZE, extension);
    if (!ReadKeyValue(root, extension, NULL, type) || type[0] == '\0') {
        CopyText(type, ASSOC_KEY_NAME_SIZE, extension);
        return;
    }
    if (!ComposeShellKey(shellKey, type) || !KeyExists(root, shellKey)) {
        CopyText(type, ASSOC_KEY_NAME_SIZE, extension);
    }
}

static void ReadDefaultVerb(HKEY root, const char* type, char* verb)
{
    char name[ASSOC_KEY_NAME_SIZE];
    if (!ComposeShellKey(name, type) || !ReadKeyValue(root, name, NULL, verb) || verb[0] == '\0') {
        CopyText(verb, ASSOC_TEXT_SIZE, kDefaultVerb);
        return;
    }
    if (!ComposeVerbKey(name, type, verb) || !KeyExists(root, name)) {
        CopyText(verb, ASSOC_TEXT_SIZE, kDefaultVerb);
    }
}

static void ReadVerbMenuText(HKEY root, const char* type, const char* verb, char* menuText)
{
    char name[ASSOC_KEY_NAME_SIZE];
    if (!ComposeVerbKey(name, type, verb) || !ReadKeyValue(root, name, NULL, menuText)
        || menuText[0] == '\0') {
        CopyText(menuText, ASSOC_TEXT_SIZE, kDefaultMenuText);
    }
}

void ReadCurrentAssociation(const char* extension, AssocRequest* request)
{
    HKEY root = HKEY_CLASSES_ROOT;
    char type[ASSOC_KEY_NAME_SIZE];
    request->verb[0] = '\0';
    request->menuText[0] = '\0';
    if (extension == NULL || extension[0] == '\0') {
        // No extension names no key: only the defaults apply.
        CopyText(request->verb, ASSOC_TEXT_SIZE, kDefaultVerb);
        CopyText(request->menuText, ASSOC_TEXT_SIZE, kDefaultMenuText);
        return;
    }
    ResolveFileType(root, extension, type);
    ReadDefaultVerb(root, type, request->verb);
    ReadVerbMenuText(root, type, request->verb, request->menuText);
}

// Opens or creates one key of the layout for writing: through the class
// root, or, when the class root refuses it (ERROR_ACCESS_DENIED, as for a
// machine-wide key and a user without administrator rights), the same key
// under the user's own classes, which the class root shows that user instead.
// Any other failure is the answer. refused says whether the class root
// refused the key, whatever the user's classes then did.
static int CreateLayoutKey(const char* subKey, HKEY* key, int* refused)
{
    char userKey[sizeof(kUserClasses) + ASSOC_KEY_NAME_SIZE];
    if (CreateClassKey(HKEY_CLASSES_ROOT, subKey, key, refused)) {
        return 1;
    }
    if (!*refused) {
        return 0;
    }
    return FormatText(userKey, sizeof(userKey), "%s\\%s", kUserClasses, subKey)
           && CreateClassKey(HKEY_CURRENT_USER, userKey, key, NULL);
}

// The file type the extension key names, read with read rights only. An
// extension that has no key at all gets an empty one, since the layout will
// live under it; an existing extension key is never written, so no per-user
// copy of it can hide the type it names.
static void ReadTypeForWriting(const char* extensionKey, char* type)
{
    HKEY key;
    int refused;
    type[0] = '\0';
    if (OpenClassKey(HKEY_CLASSES_ROOT, extensionKey, &key)) {
        ReadStringValue(key, NULL, type, ASSOC_READ_SIZE);
        RegCloseKey(key);
    } else if (CreateLayoutKey(extensionKey, &key, &refused)) {
        RegCloseKey(key);
    }
}

static void WriteDefaultVerb(const char* base, char* verb)
{
    char name[ASSOC_KEY_NAME_SIZE];
    HKEY key;
    int refused;
    if (!ComposeShellKey(name, base)) {
        return;
    }
    if (verb[0] == '\0') {
        // No verb given: keep the type's present default verb, if any.
        ReadKeyValue(HKEY_CLASSES_ROOT, name, NULL, verb);
        return;
    }
    if (CreateLayoutKey(name, &key, &refused)) {
        WriteStringValue(key, NULL, verb);
        RegCloseKey(key);
    }
}

static void WriteMenuText(const char* base, const char* verb, const char* menuText)
{
    char name[ASSOC_KEY_NAME_SIZE];
    HKEY key;
    int refused;
    if (ComposeVerbKey(name, base, verb) && CreateLayoutKey(name, &key, &refused)) {
        WriteStringValue(key, NULL, menuText);
        RegCloseKey(key);
    }
}

static int WriteCommand(const char* base, const char* verb, const char* commandLine, int* refused)
{
    char name[ASSOC_KEY_NAME_SIZE];
    HKEY key;
    *refused = 0;
    if (!ComposeCommandKey(name, base, verb) || !CreateLayoutKey(name, &key, refused)) {
        return 0;
    }
    WriteStringValue(key, NULL, commandLine);
    RegCloseKey(key);
    return 1;
}

int WriteAssociation(const char* extension, AssocRequest request, AssocWriteReport* report)
{
    AssocWriteReport unused;
    char extensionKey[ASSOC_KEY_NAME_SIZE];
    char type[ASSOC_KEY_NAME_SIZE];
    if (report == NULL) {
        report = &unused;
    }
    report->refused = 0;
    report->type[0] = '\0';
    // Terminate the texts: the request may come from anywhere.
    TerminateText(request.verb, sizeof(request.verb));
    TerminateText(request.menuText, sizeof(request.menuText));
    TerminateText(request.commandLine, sizeof(request.commandLine));
    if (!ComposeExtensionKey(extensionKey, extension)) {
        return 0;
    }
    ReadTypeForWriting(extensionKey, type);
    const char* base = type[0] != '\0' ? type : extensionKey;
    CopyText(report->type, sizeof(report->type), base);
    if (request.setDefaultVerb) {
        WriteDefaultVerb(base, request.verb);
    }
    const char* verbKey = request.verb[0] != '\0' ? request.verb : kDefaultVerb;
    WriteMenuText(base, verbKey, request.menuText);
    if (!WriteCommand(base, verbKey, request.commandLine, &report->refused)) {
        return 0;
    }
    // Explorer keeps the menus and icons it has read until it is told.
    SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, NULL, NULL);
    return 1;
}

int ReadUserChoice(const char* extension, char* progId)
{
    char name[sizeof(kFileExts) + ASSOC_KEY_NAME_SIZE + sizeof("\\UserChoice")];
    progId[0] = '\0';
    if (extension == NULL || extension[0] == '\0'
        || !FormatText(name, sizeof(name), "%s\\%s\\UserChoice", kFileExts, extension)) {
        return 0;
    }
    return ReadKeyValue(HKEY_CURRENT_USER, name, "ProgId", progId) && progId[0] != '\0';
}
