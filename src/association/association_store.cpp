#include "association/association_store.h"

#include "association/association_keys.h"
#include "path/bounded_text.h"

// The program's texts are Shift-JIS: a build without -fexec-charset=CP932
// would store UTF-8 bytes in the registry.
static_assert(sizeof("表") == 3 && "表"[1] == '\x5C', "literals must be compiled to code page 932");

static const char kDefaultVerb[] = "open";
static const char kDefaultMenuText[] = "開く(&O)";

int OpenClassKey(HKEY root, const char* subKey, HKEY* key)
{
    return RegOpenKeyExA(root, subKey, 0, KEY_ALL_ACCESS, key) == ERROR_SUCCESS;
}

int CreateClassKey(HKEY root, const char* subKey, HKEY* key)
{
    char emptyClass[] = "";
    DWORD disposition = 0;
    return RegCreateKeyExA(root, subKey, 0, emptyClass, REG_OPTION_NON_VOLATILE,
                           KEY_ALL_ACCESS, NULL, key, &disposition) == ERROR_SUCCESS;
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

// Default value of an existing key, or 0 when the key or value is missing.
static int ReadKeyDefault(HKEY root, const char* subKey, char* buffer)
{
    HKEY key;
    buffer[0] = '\0';
    if (!OpenClassKey(root, subKey, &key)) {
        return 0;
    }
    int result = ReadStringValue(key, NULL, buffer, ASSOC_READ_SIZE);
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
    if (!ReadKeyDefault(root, extension, type) || type[0] == '\0') {
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
    if (!ComposeShellKey(name, type) || !ReadKeyDefault(root, name, verb) || verb[0] == '\0') {
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
    if (!ComposeVerbKey(name, type, verb) || !ReadKeyDefault(root, name, menuText)
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

// The file type the extension key names, creating an empty extension key
// when there is none; the extension key's own value is never written.
static void ReadTypeForWriting(HKEY root, const char* extensionKey, char* type)
{
    HKEY key;
    type[0] = '\0';
    if (CreateClassKey(root, extensionKey, &key)) {
        ReadStringValue(key, NULL, type, ASSOC_READ_SIZE);
        RegCloseKey(key);
    }
}

static void WriteDefaultVerb(HKEY root, const char* base, char* verb)
{
    char name[ASSOC_KEY_NAME_SIZE];
    HKEY key;
    if (!ComposeShellKey(name, base) || !CreateClassKey(root, name, &key)) {
        return;
    }
    if (verb[0] != '\0') {
        WriteStringValue(key, NULL, verb);
    } else {
        // No verb given: keep the type's present default verb, if any.
        ReadStringValue(key, NULL, verb, ASSOC_READ_SIZE);
    }
    RegCloseKey(key);
}

static void WriteMenuText(HKEY root, const char* base, const char* verb, const char* menuText)
{
    char name[ASSOC_KEY_NAME_SIZE];
    HKEY key;
    if (ComposeVerbKey(name, base, verb) && CreateClassKey(root, name, &key)) {
        WriteStringValue(key, NULL, menuText);
        RegCloseKey(key);
    }
}

static int WriteCommand(HKEY root, const char* base, const char* verb, const char* commandLine)
{
    char name[ASSOC_KEY_NAME_SIZE];
    HKEY key;
    if (!ComposeCommandKey(name, base, verb) || !CreateClassKey(root, name, &key)) {
        return 0;
    }
    WriteStringValue(key, NULL, commandLine);
    RegCloseKey(key);
    return 1;
}

int WriteAssociation(const char* extension, AssocRequest request)
{
    HKEY root = HKEY_CLASSES_ROOT;
    char extensionKey[ASSOC_KEY_NAME_SIZE];
    char type[ASSOC_KEY_NAME_SIZE];
    // Terminate the texts: the request may come from anywhere.
    TerminateText(request.verb, sizeof(request.verb));
    TerminateText(request.menuText, sizeof(request.menuText));
    TerminateText(request.commandLine, sizeof(request.commandLine));
    if (!ComposeExtensionKey(extensionKey, extension)) {
        return 0;
    }
    ReadTypeForWriting(root, extensionKey, type);
    const char* base = type[0] != '\0' ? type : extensionKey;
    if (request.setDefaultVerb) {
        WriteDefaultVerb(root, base, request.verb);
    }
    const char* verbKey = request.verb[0] != '\0' ? request.verb : kDefaultVerb;
    WriteMenuText(root, base, verbKey, request.menuText);
    return WriteCommand(root, base, verbKey, request.commandLine);
}
