#include "path/module_file.h"

#include <shellapi.h>

#include "common/code_page_text.h"

// Read in UTF-16 and converted exactly, else its short form: the A form would
// name a substitute of a folder such as C:\Users\Zo\u00eb. A result as long
// as the buffer was cut (and left unterminated).
static int GetModuleFilePath(HMODULE module, char* buffer)
{
    WCHAR path[MAX_PATH];
    WCHAR shortPath[MAX_PATH];
    DWORD length = GetModuleFileNameW(module, path, MAX_PATH);
    buffer[0] = '\0';
    if (length == 0 || length >= MAX_PATH) {
        return 0;
    }
    if (WideToProgramText(path, buffer, MAX_PATH)) {
        return 1;
    }
    length = GetShortPathNameW(path, shortPath, MAX_PATH);
    return length > 0 && length < MAX_PATH && WideToProgramText(shortPath, buffer, MAX_PATH);
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
