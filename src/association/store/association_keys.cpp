#include "association/store/association_keys.h"

#include "association/assoc_request.h"
#include "common/bounded_text.h"
#include "common/packed_text.h"
#include "path/sjis_path.h"

// What the command key's name takes besides the type and the verb.
static const char kShellPart[] PACKED_TEXT = "\\shell\\";
static const char kCommandPart[] PACKED_TEXT = "\\command";

static int IsEmpty(const char* text)
{
    return text == 0 || text[0] == '\0';
}

static int Refuse(char* output)
{
    output[0] = '\0';
    return 0;
}

int ComposeExtensionKey(char* output, const char* extension)
{
    // An empty extension would name the class root itself.
    if (IsEmpty(extension)) {
        return Refuse(output);
    }
    return FormatText(output, ASSOC_KEY_NAME_SIZE, "%s", extension);
}

int ComposeShellKey(char* output, const char* type)
{
    if (IsEmpty(type)) {
        return Refuse(output);
    }
    return FormatText(output, ASSOC_KEY_NAME_SIZE, "%s\\shell", type);
}

// A verb names one key below TYPE\shell: "open\command" would address the
// open verb's command key instead. A 0x5C trail byte (表) is no backslash.
static int IsVerbName(const char* verb)
{
    return !IsEmpty(verb) && !HasPathSeparator(verb);
}

int ComposeVerbKey(char* output, const char* type, const char* verb)
{
    if (IsEmpty(type) || !IsVerbName(verb)) {
        return Refuse(output);
    }
    return FormatText(output, ASSOC_KEY_NAME_SIZE, "%s%s%s", type, kShellPart, verb);
}

int ComposeCommandKey(char* output, const char* type, const char* verb)
{
    if (IsEmpty(type) || !IsVerbName(verb)) {
        return Refuse(output);
    }
    return FormatText(output, ASSOC_KEY_NAME_SIZE, "%s%s%s%s", type, kShellPart, verb, kCommandPart);
}

int FindVerbFault(const char* type, const char* verb, size_t* room)
{
    size_t fixed = StringEnd(type) + (sizeof(kShellPart) - 1) + (sizeof(kCommandPart) - 1) + 1;
    size_t verbRoom = fixed < ASSOC_KEY_NAME_SIZE ? ASSOC_KEY_NAME_SIZE - fixed : 0;
    if (room != 0) {
        *room = verbRoom;
    }
    if (HasPathSeparator(verb)) {
        return VERB_FAULT_SEPARATOR;
    }
    return verbRoom > 0 && StringEnd(verb) > verbRoom ? VERB_FAULT_TOO_LONG : VERB_FAULT_NONE;
}

int IsOneVerbWord(const char* verb)
{
    for (; verb != 0 && *verb != '\0'; ++verb) {
        if (IsListSeparator(*verb)) {
            return 0;
        }
    }
    return 1;
}
