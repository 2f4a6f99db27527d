#include "association/association_dialog.h"

#include <commdlg.h>
#include <dlgs.h>
#include <shlobj.h>
#include <stddef.h>

#include "association/association_keys.h"
#include "association/association_store.h"
#include "association/command_line.h"
#include "common/message_box.h"
#include "association/picked_program.h"
#include "association/save_overrides.h"
#include "common/code_page_text.h"
#include "common/bounded_text.h"
#include "path/module_file.h"
#include "path/sjis_path.h"
#include "resources/resource_ids.h"

AssocRequest g_dialogRequest;

static const char kDialogTitle[] = "ｱﾌﾟﾘｹｰｼｮﾝとの関連づけ";
static const char kOkText[] = "OK(&O)";
static const char kVerbCaption[] = "この動詞は使えません";
static const char kVerbSeparatorText[] =
    "動詞に「\\」を含めることはできません。\n\n"
    "動詞はレジストリのキーの名前になるため、「\\」があると別のキーを書き換えてしまいます。"
    "「\\」を取り除いてから、もう一度「OK」を押してください。";
static const char kVerbTooLongText[] =
    "動詞が長すぎます。\n\n"
    "動詞はレジストリのキーの名前になるため、この種類のファイルでは半角 %u 文字 (全角 %u 文字) までです。"
    "動詞を短くしてから、もう一度「OK」を押してください。";
static const char kEmptyCommandCaption[] = "コマンドラインが空です";
static const char kEmptyCommandText[] =
    "コマンドラインが空のままでは、この種類のファイルを開けなくなるため、保存できません。\n\n"
    "ファイルを開くプログラムを一覧から選ぶか、コマンドラインを入力してから、"
    "もう一度「OK」を押してください。";
static const char kVerbNotOneWordText[] =
    "標準の動詞に設定する動詞には、空白や「,」を含めることはできません。\n\n"
    "Windows は標準の動詞を空白や「,」で区切られた動詞の並びとして読むため、最初の語だけが標準の動詞になってしまいます。"
    "空白と「,」を取り除くか、「標準の動詞に設定」のチェックを外してから、もう一度「OK」を押してください。";
// Two pairs of description and pattern, ending in a double NUL (the literal
// adds the last one). "*" rather than "*.*" also lists names without a dot.
static const char kFilter[] =
    "実行可能ﾌｧｲﾙ(*.exe;*.com;*.bat)\0*.exe;*.com;*.bat\0"
    "すべてのﾌｧｲﾙ(*.*)\0*\0";

// The record as Windows 95 and NT 4 knew it (OPENFILENAME_SIZE_VERSION_400):
// the fields added in Windows 2000 stay off. 76 bytes on 32-bit Windows; the
// same record, with 64-bit pointers, on 64-bit Windows.
// (OPENFILENAME_SIZE_VERSION_400A, written as a constant expression.)
static constexpr DWORD kOpenFileNameSize =
    offsetof(OPENFILENAMEA, lpTemplateName) + sizeof(LPCSTR);
#ifndef _WIN64
static_assert(kOpenFileNameSize == 76, "the 32-bit version-4.00 record");
#endif
static const DWORD kBaseFlags = OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST | OFN_EXPLORER | OFN_ENABLESIZING;
static const DWORD kAssocDialogFlags = OFN_HIDEREADONLY | OFN_ENABLEHOOK | OFN_ENABLETEMPLATE;

static_assert((kBaseFlags | kAssocDialogFlags) == 0x00881864, "dialog flags");

BOOL OpenFileDialogEx(HWND owner, HINSTANCE instance, const char* templateName,
                      LPOFNHOOKPROC hook, DWORD extraFlags, char* fileBuffer,
                      const char* initialPath, const char* title, const char* filter,
                      LPARAM customData)
{
    // initialPath may be fileBuffer itself: split a copy before writing it.
    char folder[ASSOC_KEY_NAME_SIZE];
    CopyText(folder, sizeof(folder), initialPath);
    CopyText(fileBuffer, MAX_PATH, SplitFileName(folder));

    OPENFILENAMEA dialog;
    ZeroMemory(&dialog, sizeof(dialog));
    dialog.lStructSize = kOpenFileNameSize;
    dialog.hwndOwner = owner;
    dialog.hInstance = instance;
    dialog.lpstrFilter = filter;
    dialog.nFilterIndex = 0;
    dialog.lpstrFile = fileBuffer;
    dialog.nMaxFile = MAX_PATH;
    dialog.lpstrInitialDir = folder;
    dialog.lpstrTitle = title;
    dialog.Flags = extraFlags | kBaseFlags;
    dialog.lCustData = customData;
    dialog.lpfnHook = hook;
    dialog.lpTemplateName = templateName;
    return GetOpenFileNameA(&dialog);
}

// What the hook keeps between messages. It lives on RunAssociationDialog's
// stack and reaches the hook through the record's custom data.
struct DialogSession {
    const char* extension;
    WCHAR lastProgram[MAX_PATH];  // the file 1010 was last written for, or empty
    int commandIsStored;          // 1010 shows the stored command as it was read
};

static DialogSession* GetSession(HWND dialog)
{
    return (DialogSession*)GetWindowLongPtrA(dialog, DWLP_USER);
}

int RunAssociationDialog(HWND owner, AssocRequest* request, const char* extension)
{
    DialogSession session;
    ZeroMemory(&session, sizeof(session));
    session.extension = extension;
    // The program the dialog opens with is the one the stored command is for.
    ProgramTextToWide(request->commandLine, session.lastProgram, MAX_PATH);
    g_dialogRequest = *request;
    BOOL confirmed = OpenFileDialogEx(owner, GetModuleHandleA(NULL), "CUSTOM_BOX", AssocDialogHook,
                                      kAssocDialogFlags, request->commandLine,
                                      request->commandLine, kDialogTitle, kFilter,
                                      (LPARAM)&session);
    if (!confirmed) {
        return 0;
    }
    // Replaces the file name the dialog returned with the captured command line.
    *request = g_dialogRequest;
    return 1;
}

// The Open dialog's file-name box: a combo box on Windows, an edit under Wine.
static HWND FileNameBox(HWND openDialog)
{
    HWND box = GetDlgItem(openDialog, cmb13);
    return box != NULL ? box : GetDlgItem(openDialog, edt1);
}

// The file the Open dialog names, in UTF-16: the name in the file-name box
// (typed or selected; a full path stands alone) in the folder shown. The
// dialog's own answers are code page 932, where a name may be substituted.
static int GetNamedFile(HWND openDialog, WCHAR* path)
{
    BYTE folderList[4096];
    WCHAR name[MAX_PATH] = L"";
    WCHAR joined[2 * MAX_PATH] = L"";
    path[0] = L'\0';
    GetWindowTextW(FileNameBox(openDialog), name, MAX_PATH);
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

// Writes 1010 for the program at picked (a shortcut gives its target). The
// edit holds what will be stored, at most 259 bytes, and never a substituted
// path: what cannot be had that way leaves it empty, with a warning beep.
static int WriteCommandFor(HWND dialog, const WCHAR* picked)
{
    DialogSession* session = GetSession(dialog);
    char program[MAX_PATH];
    char command[MAX_PATH];
    int fault = ResolvePickedProgram(picked, program);
    int quote = IsDlgButtonChecked(dialog, IDC_QUOTE_FILE_NAME) == BST_CHECKED;
    if (fault != PICKED_PROGRAM_OK || !FormatCommandLine(command, ASSOC_READ_SIZE, program, quote)) {
        command[0] = '\0';
        MessageBeep(MB_ICONEXCLAMATION);
    }
    SetDlgItemTextA(dialog, IDC_COMMAND_LINE, command);
    SendDlgItemMessageA(dialog, IDC_COMMAND_LINE, EM_SETMODIFY, FALSE, 0);
    session->commandIsStored = 0;
    lstrcpynW(session->lastProgram, fault == PICKED_PROGRAM_OK ? picked : L"", MAX_PATH);
    return fault;
}

// With no file named (the dialog has just opened, or a folder is selected)
// the command stays as it is: a folder is no program.
void RefreshCommandLine(HWND dialog)
{
    WCHAR picked[MAX_PATH];
    if (GetWindowTextLengthW(FileNameBox(GetParent(dialog))) > 0 && GetNamedFile(GetParent(dialog), picked)) {
        WriteCommandFor(dialog, picked);
    }
}

static void CheckButton(HWND dialog, int id, int checked)
{
    CheckDlgButton(dialog, id, checked ? BST_CHECKED : BST_UNCHECKED);
}

// A stored text shown as it is, in UTF-16; else the text in code page 932.
static void ShowText(HWND dialog, int id, const StoredValue* stored, const char* text)
{
    if (stored->type != 0) {
        SetDlgItemTextW(dialog, id, (const WCHAR*)stored->data);
    } else {
        SetDlgItemTextA(dialog, id, text);
    }
}

static void OnInitDone(HWND dialog)
{
    HWND openDialog = GetParent(dialog);
    SetWindowIcon(openDialog, ICON_BIG, GetModuleIcon(GetModuleHandleA(NULL), 0));
    SendMessageA(openDialog, CDM_SETCONTROLTEXT, IDOK, (LPARAM)kOkText);
    CheckButton(dialog, IDC_RUN_AFTER, g_dialogRequest.runAfter);
    CheckButton(dialog, IDC_QUOTE_FILE_NAME, g_dialogRequest.quoteFileName);
    CheckButton(dialog, IDC_SET_DEFAULT_VERB, g_dialogRequest.setDefaultVerb);
    SetDlgItemTextA(dialog, IDC_VERB, g_dialogRequest.verb);
    ShowText(dialog, IDC_MENU_TEXT, &g_dialogRequest.storedMenuText, g_dialogRequest.menuText);
    // The command as stored, so that OK without choosing a program keeps it.
    // A selection the dialog makes at start rewrites it.
    if (GetWindowTextLengthA(GetDlgItem(dialog, IDC_COMMAND_LINE)) == 0) {
        ShowText(dialog, IDC_COMMAND_LINE, &g_dialogRequest.storedCommand, "");
        GetSession(dialog)->commandIsStored = g_dialogRequest.storedCommand.type != 0;
    }
}

static int IsModified(HWND dialog, int id)
{
    return SendDlgItemMessageA(dialog, id, EM_GETMODIFY, 0, 0) != 0;
}

static void CaptureDialog(HWND dialog)
{
    g_dialogRequest.runAfter = IsDlgButtonChecked(dialog, IDC_RUN_AFTER) == BST_CHECKED;
    g_dialogRequest.quoteFileName = IsDlgButtonChecked(dialog, IDC_QUOTE_FILE_NAME) == BST_CHECKED;
    g_dialogRequest.setDefaultVerb = IsDlgButtonChecked(dialog, IDC_SET_DEFAULT_VERB) == BST_CHECKED;
    GetDlgItemTextA(dialog, IDC_COMMAND_LINE, g_dialogRequest.commandLine, ASSOC_READ_SIZE);
    GetDlgItemTextA(dialog, IDC_VERB, g_dialogRequest.verb, ASSOC_READ_SIZE);
    GetDlgItemTextA(dialog, IDC_MENU_TEXT, g_dialogRequest.menuText, ASSOC_READ_SIZE);
    // Texts the user left alone go back exactly as they were read.
    g_dialogRequest.keepMenuText = !IsModified(dialog, IDC_MENU_TEXT);
    g_dialogRequest.keepCommand = GetSession(dialog)->commandIsStored && !IsModified(dialog, IDC_COMMAND_LINE);
}

// Every refusal at OK: a message owned by the Open dialog, which stays open
// with everything the user chose, and the focus on the field to mend.
static int RefuseAtOk(HWND dialog, int id, const char* caption, const char* text)
{
    ShowMessage(GetParent(dialog), caption, text, MB_OK);
    // Through the dialog manager, which also selects the edit's text.
    SendMessageA(GetParent(dialog), WM_NEXTDLGCTL, (WPARAM)GetDlgItem(dialog, id), TRUE);
    return 0;
}

// A verb that cannot name its keys, or cannot be the default, is refused
// while the user can still mend it. 1 when the verb may be saved.
static int AcceptVerb(HWND dialog)
{
    char verb[ASSOC_TEXT_SIZE];
    char text[512];  // the longer text takes under 300 bytes
    size_t room = 0;
    GetDlgItemTextA(dialog, IDC_VERB, verb, ASSOC_READ_SIZE);
    int fault = CheckVerbForSaving(GetSession(dialog)->extension, verb,
                                   IsDlgButtonChecked(dialog, IDC_SET_DEFAULT_VERB) == BST_CHECKED, &room);
    if (fault == VERB_FAULT_NONE) {
        return 1;
    }
    if (fault == VERB_FAULT_SEPARATOR) {
        CopyText(text, sizeof(text), kVerbSeparatorText);
    } else if (fault == VERB_FAULT_NOT_ONE_WORD) {
        CopyText(text, sizeof(text), kVerbNotOneWordText);
    } else {
        FormatText(text, sizeof(text), kVerbTooLongText, (unsigned)room, (unsigned)(room / 2));
    }
    return RefuseAtOk(dialog, IDC_VERB, kVerbCaption, text);
}

// path's long form, or path itself where it has none (MAX_PATH characters).
static void LongForm(const WCHAR* path, WCHAR* longPath)
{
    DWORD length = path[0] != L'\0' ? GetLongPathNameW(path, longPath, MAX_PATH) : 0;
    if (length == 0 || length >= MAX_PATH) {
        lstrcpynW(longPath, path, MAX_PATH);
    }
}

// A program chosen since 1010 was last written, selected or typed, gives the
// command, unless the user typed into 1010 since; an empty one is refused.
static int AcceptCommand(HWND dialog, const OPENFILENAMEA* record)
{
    DialogSession* session = GetSession(dialog);
    WCHAR named[MAX_PATH];
    WCHAR longNamed[MAX_PATH];
    WCHAR longLast[MAX_PATH];
    if (!IsModified(dialog, IDC_COMMAND_LINE)
        && (GetNamedFile(GetParent(dialog), named) || ProgramTextToWide(record->lpstrFile, named, MAX_PATH))) {
        // Short and long forms of one file are the same program.
        LongForm(named, longNamed);
        LongForm(session->lastProgram, longLast);
        int fault = lstrcmpiW(longNamed, longLast) != 0 ? WriteCommandFor(dialog, named) : PICKED_PROGRAM_OK;
        if (fault != PICKED_PROGRAM_OK) {
            return RefuseAtOk(dialog, IDC_COMMAND_LINE, kPickedProgramCaption, DescribePickedProgramFault(fault));
        }
    }
    if (GetWindowTextLengthA(GetDlgItem(dialog, IDC_COMMAND_LINE)) == 0) {
        return RefuseAtOk(dialog, IDC_COMMAND_LINE, kEmptyCommandCaption, kEmptyCommandText);
    }
    return 1;
}

// Values that make Windows use something else than what is saved: the user
// is asked before anything is written. 1 to save.
static int AcceptOverrides(HWND dialog)
{
    char verb[ASSOC_TEXT_SIZE];
    char written[ASSOC_TEXT_SIZE];
    char text[SAVE_OVERRIDE_QUESTION_SIZE];
    int setDefault = IsDlgButtonChecked(dialog, IDC_SET_DEFAULT_VERB) == BST_CHECKED;
    GetDlgItemTextA(dialog, IDC_VERB, verb, ASSOC_READ_SIZE);
    if (!FindWrittenVerb(GetSession(dialog)->extension, verb, setDefault, written)) {
        return 1;
    }
    unsigned overrides = FindSaveOverrides(GetSession(dialog)->extension, written);
    if (overrides == 0 || !ComposeOverrideQuestion(overrides, text, sizeof(text))) {
        return 1;
    }
    if (ShowMessage(GetParent(dialog), kSaveOverrideCaption, text, kSaveOverrideStyle) == IDYES) {
        return 1;
    }
    SendMessageA(GetParent(dialog), WM_NEXTDLGCTL, (WPARAM)GetDlgItem(dialog, IDC_VERB), TRUE);
    return 0;
}

// The result of a notification: nonzero only to refuse OK, which the Open
// dialog also reads from the child dialog's message result.
static UINT_PTR OnNotify(HWND dialog, const NMHDR* header)
{
    switch (header->code) {
    case CDN_INITDONE:
        OnInitDone(dialog);
        break;
    case CDN_SELCHANGE:
        RefreshCommandLine(dialog);
        break;
    case CDN_FILEOK:
        if (!AcceptVerb(dialog) || !AcceptCommand(dialog, ((const OFNOTIFYA*)header)->lpOFN)
            || !AcceptOverrides(dialog)) {
            SetWindowLongPtrA(dialog, DWLP_MSGRESULT, 1);
            return 1;
        }
        CaptureDialog(dialog);
        break;
    }
    return 0;
}

UINT_PTR CALLBACK AssocDialogHook(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        // The session, from the record's custom data, for the messages to come.
        SetWindowLongPtrA(dialog, DWLP_USER, ((const OPENFILENAMEA*)lParam)->lCustData);
        break;
    case WM_NOTIFY:
        return OnNotify(dialog, (const NMHDR*)lParam);
    case WM_COMMAND:
        if (LOWORD(wParam) == IDC_QUOTE_FILE_NAME) {
            RefreshCommandLine(dialog);
        }
        break;
    }
    // 0: the dialog goes on with its own handling.
    return 0;
}
