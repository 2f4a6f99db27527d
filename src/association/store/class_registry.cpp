#include "association/store/class_registry.h"

#include <stdlib.h>
#include <string.h>

#include "association/assoc_request.h"
#include "common/bounded_text.h"
#include "common/code_page_text.h"
#include "common/packed_text.h"

const char kClassesKey[] PACKED_TEXT = "Software\\Classes";

static_assert(ROOTED_NAME_SIZE >= sizeof(kClassesKey) + ASSOC_KEY_NAME_SIZE, "a key name under the classes key");

int RootedName(char* output, HKEY root, const char* subKey)
{
    if (root == HKEY_CLASSES_ROOT) {
        return CopyText(output, ROOTED_NAME_SIZE, subKey);
    }
    return FormatText(output, ROOTED_NAME_SIZE, "%s\\%s", kClassesKey, subKey);
}

int OpenClassKey(HKEY root, const char* subKey, HKEY* key)
{
    return RegOpenKeyExA(root, subKey, 0, KEY_READ, key) == ERROR_SUCCESS;
}

int OpenClassKeyForWriting(HKEY root, const char* subKey, HKEY* key)
{
    return RegOpenKeyExA(root, subKey, 0, KEY_SET_VALUE, key) == ERROR_SUCCESS;
}

int KeyExists(HKEY root, const char* subKey)
{
    HKEY key;
    if (!OpenClassKey(root, subKey, &key)) {
        return 0;
    }
    RegCloseKey(key);
    return 1;
}

int ProbeKeyAccess(HKEY root, const char* subKey)
{
    HKEY key;
    LONG result = RegOpenKeyExA(root, subKey, 0, KEY_SET_VALUE, &key);
    if (result == ERROR_SUCCESS) {
        RegCloseKey(key);
        return KEY_WRITABLE;
    }
    return result == ERROR_FILE_NOT_FOUND ? KEY_ABSENT : KEY_REFUSED;
}

int CreateClassKey(HKEY root, const char* subKey, REGSAM access, HKEY* key, int* created, int* refused)
{
    char emptyClass[] = "";
    DWORD disposition = 0;
    LONG result = RegCreateKeyExA(root, subKey, 0, emptyClass, REG_OPTION_NON_VOLATILE, access, NULL, key,
                                  &disposition);
    *created = result == ERROR_SUCCESS && disposition == REG_CREATED_NEW_KEY;
    if (refused != NULL) {
        *refused = result == ERROR_ACCESS_DENIED;
    }
    return result == ERROR_SUCCESS;
}

void DeleteClassKey(HKEY root, const char* subKey)
{
    RegDeleteKeyA(root, subKey);
}

int IsStringType(DWORD type)
{
    return type == REG_SZ || type == REG_EXPAND_SZ;
}

// Two tries: the value may have grown between the size asked and the read.
static BYTE* ReadValueBytes(HKEY key, const WCHAR* valueName, DWORD* type, DWORD* size)
{
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (RegQueryValueExW(key, valueName, NULL, type, NULL, size) != ERROR_SUCCESS) {
            return NULL;
        }
        // Two NULs more: a text stored without its own, or of an odd size,
        // still ends in one.
        BYTE* data = (BYTE*)malloc(*size + 2 * sizeof(WCHAR));
        if (data == NULL) {
            return NULL;
        }
        DWORD read = *size;
        if (RegQueryValueExW(key, valueName, NULL, type, data, &read) == ERROR_SUCCESS) {
            *size = read;
            memset(data + read, 0, 2 * sizeof(WCHAR));
            return data;
        }
        free(data);
    }
    return NULL;
}

int ReadRegValue(HKEY root, const char* subKey, const WCHAR* valueName, RegText* value)
{
    HKEY key;
    value->type = 0;
    value->size = 0;
    value->text = NULL;
    if (!OpenClassKey(root, subKey, &key)) {
        return 0;
    }
    value->text = (WCHAR*)ReadValueBytes(key, valueName, &value->type, &value->size);
    RegCloseKey(key);
    if (value->text == NULL) {
        value->type = 0;
        value->size = 0;
    }
    return 1;
}

int ReadRegText(HKEY root, const char* subKey, RegText* value)
{
    return ReadRegValue(root, subKey, NULL, value);
}

void FreeRegText(RegText* value)
{
    free(value->text);
    value->text = NULL;
}

int WriteRawValue(HKEY key, DWORD type, const void* data, DWORD size)
{
    return RegSetValueExW(key, NULL, 0, type, (const BYTE*)data, size) == ERROR_SUCCESS;
}

int WriteStringValue(HKEY key, const char* text, DWORD type)
{
    WCHAR wide[ASSOC_LONG_TEXT_SIZE];
    return ProgramTextToWide(text, wide, ASSOC_LONG_TEXT_SIZE)
           && WriteRawValue(key, type, wide, (DWORD)(lstrlenW(wide) + 1) * sizeof(WCHAR));
}

int ReadExactText(HKEY root, const char* subKey, char* text, size_t size)
{
    RegText value;
    text[0] = '\0';
    ReadRegText(root, subKey, &value);
    int result = 0;
    if (IsStringType(value.type) && lstrlenW(value.text) < ASSOC_READ_SIZE) {
        result = WideToProgramText(value.text, text, size) ? 1 : -1;
    }
    FreeRegText(&value);
    return result;
}
