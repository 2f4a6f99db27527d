// The program file's own path and its own icons, from its resources.
#ifndef KIVERAN_PATH_MODULE_FILE_H
#define KIVERAN_PATH_MODULE_FILE_H

#include <windows.h>

// The program file's full path in buffer (MAX_PATH bytes). Returns 1, or 0
// when it cannot be had (buffer then empty).
int GetModulePath(char* buffer);

// The icon group IDI_ICON of a loaded module at the size the system asks
// for: which is ICON_BIG (SM_CXICON by SM_CYICON) or ICON_SMALL (SM_CXSMICON
// by SM_CYSMICON). Not shared: the caller, or the window it is handed to,
// owns it and destroys it. Null when the module has no such group.
HICON GetModuleIcon(HMODULE module, WPARAM which);

// Hands an icon to a window: which is ICON_BIG or ICON_SMALL.
void SetWindowIcon(HWND window, WPARAM which, HICON icon);

// Hands a window that has no icons yet the module's large and small icons
// (GetModuleIcon). A window does not destroy the icons it is handed:
// ReleaseModuleIcons takes them back and destroys them as it ends.
void SetModuleIcons(HWND window, HMODULE module);
void ReleaseModuleIcons(HWND window);

#endif
