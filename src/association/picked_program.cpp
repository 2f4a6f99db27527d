#include "association/picked_program.h"

#include <dlgs.h>

#include <shlobj.h>

#include "common/code_page_text.h"

const char kPickedProgramCaption[] = "プログラムを選び直してください";

static const char kNameText[] =
    "選んだプログラムの場所 (フォルダーやファイルの名前) に、このプログラムでは扱えない文字 "
    "(アクセント付きの文字や一部の記号など) が含まれているか、場所が長すぎるため、"
    "コマンドラインに書くことができません。\n\n"
    "プログラムを別のフォルダーに移すか、フォルダーやファイルの名前を変えてから、"
    "もう一度選んでください。";
static const char kAdvertisedText[] =
    "選んだショートカットは、インストーラーが作ったショートカットで、"
    "プログラムのファイルを指していません。\n\n"
    "ショートカットではなく、プログラムのファイル (.exe など) そのものを選んでください。";
static const char kWithoutFileText[] =
    "選んだショートカットは、プログラムのファイルを指していません "
    "(フォルダーや Web ページなどを指しているか、ショートカットが壊れています)。\n\n"
    "プログラムのファイル (.exe など) そのものを選んでください。";
static const char kTargetMissingText[] =
    "選んだショートカットが指しているプログラムのファイルが見つかりません。"
    "プログラムが移動されたか、削除されたのかもしれません。\n\n"
    "プログラムのファイル (.exe など) そのものを選んでください。";

// The shell takes a file for a shortcut by its extension, whatever it holds;
// so does this, and no other file is read through the shortcut parser.
static int IsShortcutName(const WCHAR* path)
{
    static const char kExtension[] = ".lnk";
    int length = lstrlenW(path);
    if (length < 4) {
        return 0;
    }
    for (int i = 0; i < 4; ++i) {
        WCHAR c = path[length - 4 + i];
        if (c >= L'A' && c <= L'Z') {
            c = (WCHAR)(c + (L'a' - L'A'));
        }
        if (c != (WCHAR)kExtension[i]) {
            return 0;
        }
    }
    return 1;
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
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
        return PICKED_SHORTCUT_WITHOUT_FILE;
    }
    return PICKED_PROGRAM_OK;
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
    }
    return ToProgramPath(picked, program) ? PICKED_PROGRAM_OK : PICKED_NAME_NOT_CONVERTIBLE;
}

const char* DescribePickedProgramFault(int code)
{
    static const char* const kTexts[] = {
        "", kNameText, kAdvertisedText, kWithoutFileText, kTargetMissingText,
    };
    if (code < 0 || code >= (int)(sizeof(kTexts) / sizeof(kTexts[0]))) {
        return "";
    }
    return kTexts[code];
}

// The Open dialog's file-name box: a combo box on Windows, an edit under Wine.
static HWND FileNameBox(HWND openDialog)
{
    HWND box = GetDlgItem(openDialog, cmb13);
    return box != NULL ? box : GetDlgItem(openDialog, edt1);
}

// The dialog's own answers are code page 932, where a name may be substituted.
int GetNamedFile(HWND openDialog, WCHAR* path)
{
    BYTE folderList[4096];
    WCHAR name[MAX_PATH] = L"";
    WCHAR joined[2 * MAX_PATH] = L"";
    path[0] = L'\0';
    if (GetWindowTextW(FileNameBox(openDialog), name, MAX_PATH) == 0) {
        return 0;
    }
    WCHAR* start = name;
    int length = lstrlenW(name);
    if (length >= 2 && name[0] == L'"' && name[length - 1] == L'"') {
        name[length - 1] = L'\0';
        ++start;
    }
    int full = (start[0] == L'\\' && start[1] == L'\\') || (start[0] != L'\0' && start[1] == L':');
    LRESULT size = SendMessageA(openDialog, CDM_GETFOLDERIDLIST, sizeof(folderList), (LPARAM)folderList);
    if (!full && size > 0 && size <= (LRESULT)sizeof(folderList)
        && SHGetPathFromIDListW((LPCITEMIDLIST)folderList, joined) && joined[0] != L'\0') {
        joined[lstrlenW(joined)] = L'\\';  // the folder leaves room for it and the name
    }
    int used = lstrlenW(joined);
    lstrcpynW(joined + used, start, 2 * MAX_PATH - used);
    // Also the one form of a name typed with ".." or doubled separators.
    DWORD fullLength = joined[0] != L'\0' ? GetFullPathNameW(joined, MAX_PATH, path, NULL) : 0;
    if (fullLength == 0 || fullLength >= MAX_PATH) {
        path[0] = L'\0';
        return 0;
    }
    return 1;
}

// path's long form, or path itself where it has none (MAX_PATH characters).
static void LongForm(const WCHAR* path, WCHAR* longPath)
{
    DWORD length = path[0] != L'\0' ? GetLongPathNameW(path, longPath, MAX_PATH) : 0;
    if (length == 0 || length >= MAX_PATH) {
        lstrcpynW(longPath, path, MAX_PATH);
    }
}

int IsSameFile(const WCHAR* a, const WCHAR* b)
{
    WCHAR longA[MAX_PATH];
    WCHAR longB[MAX_PATH];
    LongForm(a, longA);
    LongForm(b, longB);
    return lstrcmpiW(longA, longB) == 0;
}
