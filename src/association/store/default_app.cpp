#include "association/store/default_app.h"

#include "association/assoc_request.h"
#include "association/store/class_registry.h"
#include "common/bounded_text.h"
#include "common/code_page_text.h"
#include "common/packed_text.h"
#include "common/same_name.h"

// The choices the user made in Windows' settings, under HKEY_CURRENT_USER.
static const char kFileExts[] PACKED_TEXT = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts";

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
    int found = 0;
    for (const char* choiceKey : kChoiceKeys) {
        RegText value = {0, 0, NULL};
        if (!found && FormatText(name, sizeof(name), "%s\\%s\\%s", kFileExts, extension, choiceKey)
            && ReadRegValue(HKEY_CURRENT_USER, name, L"ProgId", &value) && value.text != NULL
            && IsStringType(value.type) && value.text[0] != L'\0') {
            // One that code page 932 cannot hold stays empty: it names no
            // type this program writes.
            found = 1;
            WideToProgramText(value.text, progId, ASSOC_TEXT_SIZE);
        }
        FreeRegText(&value);
    }
    return found;
}

int ChoiceNamesAnotherType(const char* extension, const char* type)
{
    char progId[ASSOC_TEXT_SIZE];
    return ReadUserChoice(extension, progId) && !IsSameProgramName(progId, type);
}
