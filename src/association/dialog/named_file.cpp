#include "association/dialog/named_file.h"

#include <dlgs.h>
#include <shlobj.h>

#include "common/code_page_text.h"
#include "path/sjis_path.h"

int IsFile(const WCHAR* path)
{
    DWORD attributes = GetFileAttributesW(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

HWND GetFileNameBox(HWND openDialog)
{
    HWND box = GetDlgItem(openDialog, cmb13);
    return box != NULL ? box : GetDlgItem(openDialog, edt1);
}

// A name that is no file may lack the extension Windows' dialog leaves out
// of the name it shows: the returned file's (when there is one), a
// shortcut's, the filter's.
static int AddHiddenExtension(WCHAR* path, const char* returnedFile)
{
    static const WCHAR* const kExtensions[] = {L"", L".lnk", L".exe", L".com", L".bat"};
    WCHAR returned[8] = L"";
    if (returnedFile != NULL) {
        ProgramTextToWide(FindExtension(returnedFile), returned, 8);
    }
    int length = lstrlenW(path);
    if (IsFile(path)) {
        return 1;
    }
    for (const WCHAR* extension : kExtensions) {
        const WCHAR* tried = extension[0] != L'\0' ? extension : returned;
        if (length + lstrlenW(tried) < MAX_PATH) {
            lstrcpynW(path + length, tried, MAX_PATH - length);
            if (IsFile(path)) {
                return 1;
            }
        }
    }
    path[length] = L'\0';
    return 0;
}

// The dialog's own answers are code page 932, where a name may be substituted.
int GetNamedFile(HWND openDialog, const char* returnedFile, WCHAR* path)
{
    BYTE folderList[4096];
    WCHAR name[MAX_PATH] = L"";
    WCHAR joined[2 * MAX_PATH] = L"";
    path[0] = L'\0';
    if (GetWindowTextW(GetFileNameBox(openDialog), name, MAX_PATH) == 0) {
        return 0;
    }
    WCHAR* start = name;
    int length = lstrlenW(name);
    if (length >= 2 && name[0] == L'"' && name[length - 1] == L'"') {
        name[length - 1] = L'\0';
        ++start;
    }
    int full = (start[0] == L'\\' && start[1] == L'\\') || (start[0] != L'\0' && start[1] == L':');
    if (!full) {
        // A folder with no file-system path (a library) names no file.
        LRESULT size = SendMessageA(openDialog, CDM_GETFOLDERIDLIST, sizeof(folderList), (LPARAM)folderList);
        if (size <= 0 || size > (LRESULT)sizeof(folderList)
            || !SHGetPathFromIDListW((LPCITEMIDLIST)folderList, joined) || joined[0] == L'\0') {
            return 0;
        }
        int folderLength = lstrlenW(joined);
        joined[folderLength] = L'\\';
        joined[folderLength + 1] = L'\0';
    }
    int used = lstrlenW(joined);
    lstrcpynW(joined + used, start, 2 * MAX_PATH - used);
    // Also the one form of a name typed with ".." or doubled separators.
    DWORD fullLength = GetFullPathNameW(joined, MAX_PATH, path, NULL);
    if (fullLength == 0 || fullLength >= MAX_PATH) {
        path[0] = L'\0';
        return 0;
    }
    AddHiddenExtension(path, returnedFile);
    return 1;
}

void GetLongForm(const WCHAR* path, WCHAR* longPath)
{
    DWORD length = path[0] != L'\0' ? GetLongPathNameW(path, longPath, MAX_PATH) : 0;
    if (length == 0 || length >= MAX_PATH) {
        lstrcpynW(longPath, path, MAX_PATH);
    }
}

const WCHAR* FindFileName(const WCHAR* path)
{
    const WCHAR* name = path;
    for (const WCHAR* p = path; *p != L'\0'; ++p) {
        if (*p == L'\\') {
            name = p + 1;
        }
    }
    return name;
}
