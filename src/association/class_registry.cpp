#include "association/class_registry.h"

#include "common/bounded_text.h"
#include "common/code_page_text.h"

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
int ReadKeyValue(HKEY root, const char* subKey, const char* valueName, char* buffer)
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

int KeyExists(HKEY root, const char* subKey)
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
int ReadStoredValue(HKEY root, const char* subKey, StoredValue* value)
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
int ReadExactText(HKEY root, const char* subKey, char* text, size_t size)
{
    StoredValue value;
    text[0] = '\0';
    if (!ReadStoredValue(root, subKey, &value)) {
        return 0;
    }
    return WideToProgramText((const WCHAR*)value.data, text, size) ? 1 : -1;
}

// A key of the layout under root: the class root's own name, or the same
// name among the user's classes.
int RootedName(char* output, size_t outputSize, HKEY root, const char* subKey)
{
    if (root == HKEY_CLASSES_ROOT) {
        return CopyText(output, outputSize, subKey);
    }
    return FormatText(output, outputSize, "%s\\%s", kUserClasses, subKey);
}
