#include "launch/resolve_long_path.h"

#include <windows.h>
#include <shlobj.h>

// SHGetPathFromIDListA converts the shell's UTF-16 path to the ANSI code page
// without telling whether it fitted in MAX_PATH bytes: Windows cuts it, Wine
// leaves it unterminated. The UTF-16 path is measured first so that a path
// of more than 259 bytes is refused instead of handed on cut.
static int GetFittingPathFromIDList(LPCITEMIDLIST itemList, WCHAR* wideBuffer, char* output)
{
    if (!SHGetPathFromIDListW(itemList, wideBuffer)) {
        return 0;
    }
    int needed = WideCharToMultiByte(CP_ACP, 0, wideBuffer, -1, NULL, 0, NULL, NULL);
    if (needed == 0 || needed > MAX_PATH) {
        return 0;
    }
    if (!SHGetPathFromIDListA(itemList, output)) {
        output[0] = '\0';
        return 0;
    }
    return 1;
}

int ResolveLongPath(const char* input, char* output, size_t outputSize)
{
    if (output == 0 || outputSize == 0) {
        return 0;
    }
    output[0] = '\0';
    if (input == 0 || outputSize < MAX_PATH) {
        return 0;
    }

    IMalloc* allocator = 0;
    if (SHGetMalloc(&allocator) != S_OK) {
        return 0;
    }
    IShellFolder* desktop = 0;
    if (SHGetDesktopFolder(&desktop) != S_OK) {
        allocator->Release();
        return 0;
    }

    // The whole argument with its NUL must fit in 260 UTF-16 characters (the
    // smaller of outputSize, at least 260 here, and the buffer). A longer one
    // makes the conversion fail, and it is refused rather than parsed cut.
    WCHAR wide[MAX_PATH];
    LPITEMIDLIST itemList = 0;
    int resolved = 0;
    if (MultiByteToWideChar(CP_ACP, 0, input, -1, wide, MAX_PATH) != 0
        && desktop->ParseDisplayName(NULL, NULL, wide, NULL, &itemList, NULL) == S_OK) {
        resolved = GetFittingPathFromIDList(itemList, wide, output);
        allocator->Free(itemList);
    }

    desktop->Release();
    allocator->Release();
    return resolved;
}
