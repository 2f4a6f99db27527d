#include "path/file_icon.h"

#include <shellapi.h>

HICON GetFileIcon(const char* path, UINT flags)
{
    SHFILEINFOA info;
    ZeroMemory(&info, sizeof(info));
    if (!SHGetFileInfoA(path, 0, &info, sizeof(info), flags | SHGFI_ICON)) {
        return NULL;
    }
    return info.hIcon;
}
