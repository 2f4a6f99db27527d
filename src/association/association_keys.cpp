#include "association/association_keys.h"

#include "association/assoc_request.h"
#include "path/bounded_text.h"

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

int ComposeVerbKey(char* output, const char* type, const char* verb)
{
    if (IsEmpty(type) || IsEmpty(verb)) {
        return Refuse(output);
    }
    return FormatText(output, ASSOC_KEY_NAME_SIZE, "%s\\shell\\%s", type, verb);
}

int ComposeCommandKey(char* output, const char* type, const char* verb)
{
    if (IsEmpty(type) || IsEmpty(verb)) {
        return Refuse(output);
    }
    return FormatText(output, ASSOC_KEY_NAME_SIZE, "%s\\shell\\%s\\command", type, verb);
}
