#include "association/dialog/picked_program.h"

#include <shlobj.h>

#include "association/dialog/named_file.h"
#include "common/bounded_text.h"
#include "common/code_page_text.h"
#include "common/packed_text.h"
#include "common/same_name.h"
#include "path/sjis_path.h"

const char kPickedProgramCaption[] PACKED_TEXT = "プログラムを選び直してください";

static const char kNameText[] PACKED_TEXT =
    "選んだプログラムの場所に、このプログラムでは扱えない文字 (アクセント付きの文字など) があるか、"
    "場所が長すぎるため、コマンドラインに書けません。\n\n"
    "プログラムを別のフォルダーに移すか名前を変えてから、選び直してください。";
static const char kAdvertisedText[] PACKED_TEXT =
    "選んだのはインストーラーが作ったショートカットで、プログラムのファイルを指していません。";
static const char kWithoutFileText[] PACKED_TEXT =
    "選んだショートカットは、プログラムのファイルを指していません。";
static const char kFileMissingText[] PACKED_TEXT =
    "選んだファイルが見つかりません。プログラムを選び直してください。";
static const char kTargetMissingText[] PACKED_TEXT =
    "選んだショートカットが指しているファイルが見つかりません。";
// What the three shortcut texts ask for, kept once.
static const char kPickFileText[] PACKED_TEXT = "\n\nプログラムのファイル (.exe など) を選んでください。";

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
    return WideToProgramPath(picked, program) ? PICKED_PROGRAM_OK : PICKED_NAME_NOT_CONVERTIBLE;
}

void DescribePickedProgramFault(int code, char* text, size_t size)
{
    static const char* const kTexts[] = {
        "", kNameText, kAdvertisedText, kWithoutFileText, kTargetMissingText, kFileMissingText,
    };
    const unsigned asksForFile = (1u << PICKED_SHORTCUT_ADVERTISED) | (1u << PICKED_SHORTCUT_WITHOUT_FILE)
                                 | (1u << PICKED_SHORTCUT_TARGET_MISSING);
    if (size == 0) {
        return;
    }
    text[0] = '\0';
    if (code < 0 || code >= (int)(sizeof(kTexts) / sizeof(kTexts[0]))) {
        return;
    }
    CopyText(text, size, kTexts[code]);
    if (asksForFile & (1u << code)) {
        size_t used = StringEnd(text);
        CopyText(text + used, size - used, kPickFileText);
    }
}
