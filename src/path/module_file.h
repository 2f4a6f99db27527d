// The program file's own path and the shell icons of files.
#ifndef KIVERAN_PATH_MODULE_FILE_H
#define KIVERAN_PATH_MODULE_FILE_H

#include <windows.h>

// The program file's full path in buffer (MAX_PATH bytes). Returns 1, or 0
// when it cannot be had (buffer then empty).
int GetModulePath(char* buffer);

// The icon the shell shows for path; SHGFI_ICON is always added to flags
// (0 for the large icon, SHGFI_SMALLICON for the small one). Null when the
// shell gives none.
HICON GetFileIcon(const char* path, UINT flags);

// The same for the file of a loaded module; null when its path is unknown.
HICON GetModuleIcon(HMODULE module, UINT flags);

// Hands an icon to a window: which is ICON_BIG or ICON_SMALL.
void SetWindowIcon(HWND window, WPARAM which, HICON icon);

#endif
