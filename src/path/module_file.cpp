#include "path/module_file.h"

#include <shellapi.h>

// GetModuleFileNameA fills the buffer without a terminator when the path is
// cut, so a result as long as the buffer counts as a failure.
static int GetModuleFilePath(HMODULE module, char* buffer)
{
    DWORD length = GetModuleFileNameA(module, buffer, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        buffer[0] = '\0';
        return 0;
    }
    return 1;
}

int GetModulePath(char* buffer)
{
    return GetModuleFilePath(NULL, buffer);
}

HICON GetFileIcon(const char* path, UINT flags)
{
    SHFILEINFOA info;
    ZeroMemory(&info, sizeof(info));
    if (!SHGetFileInfoA(path, 0, &info, sizeof(info), flags | SHGFI_ICON)) {
        return NULL;
    }
    return info.hIcon;
}

HICON GetModuleIcon(HMODULE module, UINT flags)
{
    char path[MAX_PATH];
    if (!GetModuleFilePath(module, path)) {
        return NULL;
    }
    return GetFileIcon(path, flags);
}

void SetWindowIcon(HWND window, WPARAM which, HICON icon)
{
    SendMessageA(window, WM_SETICON, which, (LPARAM)icon);
}
