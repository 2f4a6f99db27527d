#include "launch/resolve_long_path.h"

#include <windows.h>
#include <shlobj.h>

enum {
    // Any path of up to 259 UTF-16 characters, each at most two bytes in the
    // ANSI code page, fits with its NUL; a longer one would fail the
    // conversion to UTF-16 below anyway.
    ABSOLUTE_PATH_SIZE = 2 * MAX_PATH
};

static int IsSeparator(char c)
{
    return c == '\\' || c == '/';
}

// True for a path that names its drive and starts at its root (C:\dir) and
// for one that starts with two separators (\\server\share, \\?\C:\dir).
// Any other path depends on the current folder: memo.txt, sub\memo.txt,
// .\memo.txt and ..\memo.txt, but also \dir\memo.txt (on the current drive)
// and C:memo.txt (in the current folder of drive C). The bytes looked at are
// all ASCII when they match, so none of them is a trail byte.
static int IsFullyQualified(const char* path)
{
    if (IsSeparator(path[0])) {
        return IsSeparator(path[1]);
    }
    int letter = (path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z');
    return letter && path[1] == ':' && IsSeparator(path[2]);
}

// Points *path at input, or, when input depends on the current folder, at
// its completed form in buffer (ABSOLUTE_PATH_SIZE bytes): the desktop folder
// would read it against the desktop. Short names stay short here; the shell
// makes them long. 0 when the completed form cannot be had or does not fit.
static int MakeAbsolute(const char* input, char* buffer, const char** path)
{
    *path = input;
    if (IsFullyQualified(input)) {
        return 1;
    }
    DWORD length = GetFullPathNameA(input, ABSOLUTE_PATH_SIZE, buffer, NULL);
    if (length == 0 || length >= ABSOLUTE_PATH_SIZE) {
        return 0;
    }
    *path = buffer;
    return 1;
}

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

    // The whole path with its NUL must fit in 260 UTF-16 characters (the
    // smaller of outputSize, at least 260 here, and the buffer). A longer one
    // makes the conversion fail, and it is refused rather than parsed cut.
    char absolute[ABSOLUTE_PATH_SIZE];
    const char* path = 0;
    WCHAR wide[MAX_PATH];
    LPITEMIDLIST itemList = 0;
    int resolved = 0;
    if (MakeAbsolute(input, absolute, &path)
        && MultiByteToWideChar(CP_ACP, 0, path, -1, wide, MAX_PATH) != 0
        && desktop->ParseDisplayName(NULL, NULL, wide, NULL, &itemList, NULL) == S_OK) {
        resolved = GetFittingPathFromIDList(itemList, wide, output);
        allocator->Free(itemList);
    }

    desktop->Release();
    allocator->Release();
    return resolved;
}
