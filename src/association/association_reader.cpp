#include "association/association_reader.h"

#include "association/association_keys.h"
#include "association/class_registry.h"
#include "association/save_checks.h"
#include "common/bounded_text.h"
#include "common/code_page_text.h"

static const char kDefaultMenuText[] = "開く(&O)";

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
    request->storedVerb[0] = '\0';
    request->storedMenuText.type = 0;
    request->storedMenuText.size = 0;
    request->storedCommand.type = 0;
    request->storedCommand.size = 0;
    request->keepMenuText = 0;
    request->keepCommand = 0;
    request->commandIsBuilt = 0;
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

