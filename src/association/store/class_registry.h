// Registry primitives of the association's keys: every key of the store is
// opened, created or deleted here. The root is HKEY_CLASSES_ROOT, or
// HKEY_CURRENT_USER (the user's own classes and settings) or
// HKEY_LOCAL_MACHINE (the machine's classes). Each returns 1 on success, 0
// on any error, unless it says otherwise.
#ifndef KIVERAN_ASSOCIATION_STORE_CLASS_REGISTRY_H
#define KIVERAN_ASSOCIATION_STORE_CLASS_REGISTRY_H

#include <windows.h>

#include <stddef.h>

// Where the classes are kept under HKEY_CURRENT_USER and HKEY_LOCAL_MACHINE.
extern const char kClassesKey[];
enum { ROOTED_NAME_SIZE = 18 + 264 };  // kClassesKey, a backslash, a key name

// subKey, a name relative to the class root, as a name under root: itself
// for HKEY_CLASSES_ROOT, else below kClassesKey (output: ROOTED_NAME_SIZE).
int RootedName(char* output, HKEY root, const char* subKey);

// Opens an existing key for reading only, or for setting its values.
int OpenClassKey(HKEY root, const char* subKey, HKEY* key);
int OpenClassKeyForWriting(HKEY root, const char* subKey, HKEY* key);
int KeyExists(HKEY root, const char* subKey);

// Whether an existing key may be written.
enum { KEY_ABSENT = 0, KEY_WRITABLE = 1, KEY_REFUSED = 2 };
int ProbeKeyAccess(HKEY root, const char* subKey);

// Opens subKey, or creates it when its parent exists, for access. created
// tells whether this call made it; refused (when not null) whether the
// failure was ERROR_ACCESS_DENIED.
int CreateClassKey(HKEY root, const char* subKey, REGSAM access, HKEY* key, int* created, int* refused);
void DeleteClassKey(HKEY root, const char* subKey);

// Sets a key's default value to text (code page 932) as a string of type,
// in UTF-16 so that no conversion but the program's own is made.
int WriteStringValue(HKEY key, const char* text, DWORD type = REG_SZ);

// A key's default value as stored, whole: its type, its bytes, and the same
// bytes as a terminated UTF-16 text (a value stored without its NUL, or one
// that is no string, still reads as a text). 1 when the key exists; text is
// null when the value or the key is missing. The block comes from malloc:
// FreeRegText gives it back.
struct RegText {
    DWORD type;
    DWORD size;  // bytes as stored
    WCHAR* text;
};
int ReadRegText(HKEY root, const char* subKey, RegText* value);
// The same for a named value.
int ReadRegValue(HKEY root, const char* subKey, const WCHAR* valueName, RegText* value);
void FreeRegText(RegText* value);
int IsStringType(DWORD type);
// Sets a key's default value to bytes as they are (a RegText's, or UTF-16).
int WriteRawValue(HKEY key, DWORD type, const void* data, DWORD size);

// The default value of a key in code page 932 (size bytes): 1 when it is a
// string and converts exactly; -1 when code page 932 cannot hold it (a
// substitute would name another key); 0 when it is missing, no string, or
// over 259 characters.
int ReadExactText(HKEY root, const char* subKey, char* text, size_t size);

#endif
