// Names compared as the file system and the registry compare them: by the
// case of their letters alone, code unit by code unit. lstrcmpi compares
// linguistically and calls 佐々木 and 佐佐木 the same name.
#ifndef KIVERAN_COMMON_SAME_NAME_H
#define KIVERAN_COMMON_SAME_NAME_H

#include <windows.h>

// Paths, verbs, ProgIds: 1 when a and b name the same thing.
int IsSameName(const WCHAR* a, const WCHAR* b);
// The same for names in code page 932.
int IsSameProgramName(const char* a, const char* b);

#endif
