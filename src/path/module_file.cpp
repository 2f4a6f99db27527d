#include "path/module_file.h"

#include "common/code_page_text.h"

// Read in UTF-16: the A form would name a substitute of a folder such as
// C:\Users\Zo\u00eb. A result as long as the buffer was cut (and left
// unterminated).
int GetModulePath(char* buffer)
{
    WCHAR path[MAX_PATH];
    DWORD length = GetModuleFileNameW(NULL, path, MAX_PATH);
    buffer[0] = '\0';
    return length > 0 && length < MAX_PATH && WideToProgramPath(path, buffer);
}

HICON GetModuleIcon(HMODULE module, WPARAM which)
{
    int width = GetSystemMetrics(which == ICON_BIG ? SM_CXICON : SM_CXSMICON);
    int height = GetSystemMetrics(which == ICON_BIG ? SM_CYICON : SM_CYSMICON);
    return (HICON)LoadImageA(module, "IDI_ICON", IMAGE_ICON, width, height, LR_DEFAULTCOLOR);
}

void SetWindowIcon(HWND window, WPARAM which, HICON icon)
{
    SendMessageA(window, WM_SETICON, which, (LPARAM)icon);
}

// The small icon first: a window handed a large icon and no small one makes a
// small copy of the large one for its caption (Wine does at once: about
// 1.5 ms of the dialog's start), which the small icon then replaces.
void SetModuleIcons(HWND window, HMODULE module)
{
    SetWindowIcon(window, ICON_SMALL, GetModuleIcon(module, ICON_SMALL));
    SetWindowIcon(window, ICON_BIG, GetModuleIcon(module, ICON_BIG));
}

static void DestroyHandedIcon(LRESULT icon)
{
    if (icon != 0) {
        DestroyIcon((HICON)icon);
    }
}

void ReleaseModuleIcons(HWND window)
{
    DestroyHandedIcon(SendMessageA(window, WM_SETICON, ICON_BIG, 0));
    DestroyHandedIcon(SendMessageA(window, WM_SETICON, ICON_SMALL, 0));
}
