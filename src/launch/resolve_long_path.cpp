#include "launch/resolve_long_path.h"

#include <shlobj.h>
#include <string.h>

static int IsSeparator(WCHAR c)
{
    return c == L'\\' || c == L'/';
}

// True for a path that names its drive and starts at its root (C:\dir) and
// for one that starts with two separators (\\server\share, \\?\C:\dir).
// Any other path depends on the current folder: memo.txt, sub\memo.txt,
// .\memo.txt and ..\memo.txt, but also \dir\memo.txt (on the current drive)
// and C:memo.txt (in the current folder of drive C).
static int IsFullyQualified(const WCHAR* path)
{
    if (IsSeparator(path[0])) {
        return IsSeparator(path[1]);
    }
    int letter = (path[0] >= L'A' && path[0] <= L'Z') || (path[0] >= L'a' && path[0] <= L'z');
    return letter && path[1] == L':' && IsSeparator(path[2]);
}

// Writes into path (MAX_PATH characters) input, or, when input depends on
// the current folder, its completed form: the desktop folder would read it
// against the desktop. Short names stay short here; the shell makes them
// long. 0 when the path, with its NUL, does not fit in MAX_PATH.
static int MakeAbsolute(const WCHAR* input, WCHAR* path)
{
    if (IsFullyQualified(input)) {
        if (lstrlenW(input) >= MAX_PATH) {
            return 0;
        }
        lstrcpynW(path, input, MAX_PATH);
        return 1;
    }
    DWORD length = GetFullPathNameW(input, MAX_PATH, path, NULL);
    return length != 0 && length < MAX_PATH;
}

// The length of the item's parsing name, or -1 when the desktop gives none.
// SHGetPathFromIDListW cuts a longer path to MAX_PATH without a word under
// Wine, so the path is measured here first and a longer one refused.
static int MeasureParsingName(IShellFolder* desktop, IMalloc* allocator, LPCITEMIDLIST itemList)
{
    STRRET name;
    if (desktop->GetDisplayNameOf(itemList, SHGDN_FORPARSING, &name) != S_OK) {
        return -1;
    }
    if (name.uType != STRRET_WSTR) {
        // A name held in the record itself (STRRET_CSTR) fits in MAX_PATH
        // bytes; one at an offset into the item is a name of its own kind.
        return name.uType == STRRET_CSTR ? (int)strlen(name.cStr) : -1;
    }
    int length = lstrlenW(name.pOleStr);
    allocator->Free(name.pOleStr);
    return length;
}

int ResolveLongPath(const WCHAR* input, WCHAR* output, size_t outputSize)
{
    if (output == 0 || outputSize == 0) {
        return 0;
    }
    output[0] = L'\0';
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

    // ParseDisplayName takes a writable text, so the input is parsed from
    // this copy.
    WCHAR path[MAX_PATH];
    LPITEMIDLIST itemList = 0;
    int resolved = 0;
    if (MakeAbsolute(input, path)
        && desktop->ParseDisplayName(NULL, NULL, path, NULL, &itemList, NULL) == S_OK) {
        int length = MeasureParsingName(desktop, allocator, itemList);
        resolved = length >= 0 && length < MAX_PATH && SHGetPathFromIDListW(itemList, output);
        allocator->Free(itemList);
    }
    if (!resolved) {
        output[0] = L'\0';
    }

    desktop->Release();
    allocator->Release();
    return resolved;
}
