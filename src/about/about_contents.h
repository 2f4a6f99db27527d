// The About box's contents: its texts from the program's own version block,
// its icons, and the free-resources line, filled as the box starts.
#ifndef KIVERAN_ABOUT_ABOUT_CONTENTS_H
#define KIVERAN_ABOUT_ABOUT_CONTENTS_H

#include <windows.h>

#include "about/version_library.h"

// Fills the items that g_aboutConfig's flags name and gives the box the
// program's icons. Returns TRUE: the dialog manager sets the default focus.
BOOL InitAboutContents(HWND dialog);

// Destroys the icons that InitAboutContents handed to the box (loaded for it
// alone, never shared). Called as the box is destroyed.
void ReleaseAboutIcons(HWND dialog);

// The version block of the file at path, read with library's functions, in
// a heap block that the caller releases with free(), and in translation a
// pointer into it to the first entry of its translation table; null (and a
// null translation) when the file has no block or the block has no
// translation entry.
void* LoadOwnVersionInfo(const VersionLibrary* library, const char* path, DWORD** translation);

// One string of the block in the language and code page of translation (low
// half the language, high half the code page) into output (ABOUT_TEXT_SIZE
// bytes, cut when longer). Returns 1, or 0 with output empty when absent.
int QueryVersionString(const VersionLibrary* library, char* output, void* block, DWORD translation,
                       const char* name);

// The free system, GDI and USER resources in percent from the optional
// system library rsrc32.dll, loaded from the system folder only, never by a
// search; only the outputs that are not null are asked for. Returns 1, or 0 when the library or its function is missing.
int GetFreeSystemResources(int* system, int* gdi, int* user);

#endif
