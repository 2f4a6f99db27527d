// Reading and writing an association under the class root.
#ifndef KIVERAN_ASSOCIATION_ASSOCIATION_STORE_H
#define KIVERAN_ASSOCIATION_ASSOCIATION_STORE_H

#include <windows.h>

#include "association/assoc_request.h"

// Registry primitives; the program always passes HKEY_CLASSES_ROOT as root.
// Each returns 1 on success and 0 on any error.
int OpenClassKey(HKEY root, const char* subKey, HKEY* key);
int CreateClassKey(HKEY root, const char* subKey, HKEY* key);
// Reads a string value into buffer, which holds at least size + 1 bytes.
// The text is always terminated. A value that is not a string or does not
// fit in size bytes counts as absent: 0 and an empty buffer.
int ReadStringValue(HKEY key, const char* valueName, char* buffer, DWORD size);
int WriteStringValue(HKEY key, const char* valueName, const char* text);

// The default verb and its menu text for extension (".xyz", or empty) into
// request's verb and menuText. Never creates keys or values.
void ReadCurrentAssociation(const char* extension, AssocRequest* request);

// Writes the menu text and command of request's verb under the extension's
// file type, and the default verb when asked. 1 when the command key could
// be opened or created; 0 otherwise (always for an empty extension).
int WriteAssociation(const char* extension, AssocRequest request);

#endif
