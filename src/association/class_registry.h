// Registry primitives of the association's keys. The root is
// HKEY_CLASSES_ROOT, or HKEY_CURRENT_USER for the user's own classes
// (Software\Classes) and settings. Each returns 1 on success, 0 on any error.
#ifndef KIVERAN_ASSOCIATION_CLASS_REGISTRY_H
#define KIVERAN_ASSOCIATION_CLASS_REGISTRY_H

#include <windows.h>

#include "association/assoc_request.h"

// The user's own classes, under HKEY_CURRENT_USER.
const char kUserClasses[] = "Software\\Classes";

// Opens an existing key for reading only.
int OpenClassKey(HKEY root, const char* subKey, HKEY* key);
// Opens or creates a key for setting its values. When refused is not null it
// is set to 1 when the failure was ERROR_ACCESS_DENIED, else to 0.
int CreateClassKey(HKEY root, const char* subKey, HKEY* key, int* refused);
// Reads a string value into buffer, which holds at least size + 1 bytes.
// The text is always terminated. A value that is not a string or does not
// fit in size bytes counts as absent: 0 and an empty buffer.
int ReadStringValue(HKEY key, const char* valueName, char* buffer, DWORD size);
int WriteStringValue(HKEY key, const char* valueName, const char* text);

// A string value (null name: the default) of an existing key, read with the
// A functions (ASSOC_READ_SIZE bytes).
int ReadKeyValue(HKEY root, const char* subKey, const char* valueName, char* buffer);
int KeyExists(HKEY root, const char* subKey);
// The default value of an existing key as stored, in UTF-16: 0 (and type 0)
// when the key or value is missing, not a string, or over 259 characters.
int ReadStoredValue(HKEY root, const char* subKey, StoredValue* value);
// The default value of a key in code page 932 (size bytes): 1 when it
// converts exactly; -1 when code page 932 cannot hold it (a substitute would
// name another key); 0 when it is missing.
int ReadExactText(HKEY root, const char* subKey, char* text, size_t size);
// subKey under root: itself under the class root, else among the user's classes.
int RootedName(char* output, size_t outputSize, HKEY root, const char* subKey);

#endif
