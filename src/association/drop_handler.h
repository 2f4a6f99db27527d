// One dropped file, from checking its path to having it opened.
#ifndef KIVERAN_ASSOCIATION_DROP_HANDLER_H
#define KIVERAN_ASSOCIATION_DROP_HANDLER_H

#include <windows.h>

// Runs the whole association for the file at path, its long UTF-16 path (at
// most 259 characters, or empty when the argument could not be resolved).
// The file is found and opened by that path; only its extension goes to
// the registry in code page 932.
void HandleDroppedFile(const WCHAR* path);

#endif
