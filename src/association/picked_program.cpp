#include "association/picked_program.h"

#include <dlgs.h>
#include <shlobj.h>

#include "common/code_page_text.h"
#include "common/same_name.h"
#include "path/sjis_path.h"

const char kPickedProgramCaption[] = "プログラムを選び直してください";

static const char kNameText[] =
    "選んだプログラムの場所に、このプログラムでは扱えない文字 (アクセント付きの文字など) があるか、"
    "場所が長すぎるため、コマンドラインに書けません。\n\n"
    "プログラムを別のフォルダーに移すか名前を変えてから、選び直してください。";
static const char kAdvertisedText[] =
    "選んだのはインストーラーが作ったショートカットで、プログラムのファイルを指していません。\n\n"
    "プログラムのファイル (.exe など) を選んでください。";
static const char kWithoutFileText[] =
    "選んだショートカットは、プログラムのファイルを指していません。\n\n"
    "プログラムのファイル (.exe など) を選んでください。";
static const char kFileMissingText[] =
    "選んだファイルが見つかりません。プログラムを選び直してください。";
static const char kTargetMissingText[] =
    "選んだショートカットが指しているファイルが見つかりません。\n\n"
    "プログラムのファイル (.exe など) を選んでください。";

// The shell takes a file for a shortcut by its extension, whatever it holds;
// so does this, and no other file is read through the shortcut parser.
static int IsShortcutName(const WCHAR* path)
{
    int length = lstrlenW(path);
    return length >= 4 && IsSameName(path + length - 4, L".lnk");
}

static int IsAdvertised(IShellLinkW* link)
{
    IShellLinkDataList* data = NULL;
    DWORD flags = 0;
    if (SUCCEEDED(link->QueryInterface(__uuidof(IShellLinkDataList), (void**)&data))) {
        if (FAILED(data->GetFlags(&flags))) {
            flags = 0;
        }
        data->Release();
    }
    return (flags & SLDF_HAS_DARWINID) != 0;
}

// The target's path, from the item ID list where the shortcut has one: Wine
// keeps GetPath's copy in the ANSI code page, best-fitted ("Cafe" for
// "Café"), while the list holds the names in UTF-16. Empty when the target
// is no file-system object.
static void ReadTargetPath(IShellLinkW* link, WCHAR* target)
{
    target[0] = L'\0';
    LPITEMIDLIST items = NULL;
    if (SUCCEEDED(link->GetIDList(&items)) && items != NULL) {
        if (!SHGetPathFromIDListW(items, target)) {
            target[0] = L'\0';
        }
        CoTaskMemFree(items);
    } else if (link->GetPath(target, MAX_PATH, NULL, 0) != S_OK) {
        target[0] = L'\0';
    }
    target[MAX_PATH - 1] = L'\0';
}

static int LoadedShortcutTarget(IShellLinkW* link, WCHAR* target)
{
    if (IsAdvertised(link)) {
        return PICKED_SHORTCUT_ADVERTISED;
    }
    ReadTargetPath(link, target);
    if (target[0] == L'\0') {
        return PICKED_SHORTCUT_WITHOUT_FILE;
    }
    DWORD attributes = GetFileAttributesW(target);
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return PICKED_SHORTCUT_TARGET_MISSING;
    }
    return attributes & FILE_ATTRIBUTE_DIRECTORY ? PICKED_SHORTCUT_WITHOUT_FILE : PICKED_PROGRAM_OK;
}

// Reads the shortcut as it is: Resolve() could search the disk or show a
// window, and a moved target is the user's to pick.
static int ShortcutTarget(const WCHAR* shortcut, WCHAR* target)
{
    IShellLinkW* link = NULL;
    if (FAILED(CoCreateInstance(__uuidof(ShellLink), NULL, CLSCTX_INPROC_SERVER,
                                __uuidof(IShellLinkW), (void**)&link))) {
        return PICKED_SHORTCUT_WITHOUT_FILE;
    }
    int fault = PICKED_SHORTCUT_WITHOUT_FILE;
    IPersistFile* file = NULL;
    if (SUCCEEDED(link->QueryInterface(__uuidof(IPersistFile), (void**)&file))) {
        if (SUCCEEDED(file->Load(shortcut, STGM_READ))) {
            fault = LoadedShortcutTarget(link, target);
        }
        file->Release();
    }
    link->Release();
    return fault;
}

static int IsFile(const WCHAR* path)
{
    DWORD attributes = GetFileAttributesW(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The path exactly, else its short form exactly (which may also be what lets
// a long path fit).
static int ToProgramPath(const WCHAR* path, char* program)
{
    if (WideToProgramText(path, program, MAX_PATH)) {
        return 1;
    }
    WCHAR shortPath[MAX_PATH];
    DWORD length = GetShortPathNameW(path, shortPath, MAX_PATH);
    return length > 0 && length < MAX_PATH && WideToProgramText(shortPath, program, MAX_PATH);
}

int ResolvePickedProgram(const WCHAR* picked, char* program)
{
    program[0] = '\0';
    WCHAR target[MAX_PATH];
    if (IsShortcutName(picked)) {
        int fault = ShortcutTarget(picked, target);
        if (fault != PICKED_PROGRAM_OK) {
            return fault;
        }
        picked = target;
    } else if (!IsFile(picked)) {
        return PICKED_FILE_MISSING;
    }
    return ToProgramPath(picked, program) ? PICKED_PROGRAM_OK : PICKED_NAME_NOT_CONVERTIBLE;
}

const char* DescribePickedProgramFault(int code)
{
    static const char* const kTexts[] = {
        "", kNameText, kAdvertisedText, kWithoutFileText, kTargetMissingText, kFileMissingText,
    };
    if (code < 0 || code >= (int)(sizeof(kTexts) / sizeof(kTexts[0]))) {
        return "";
    }
    return kTexts[code];
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
