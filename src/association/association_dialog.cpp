#include "association/association_dialog.h"

#include <commdlg.h>
#include <stddef.h>

#include "association/association_keys.h"
#include "association/association_store.h"
#include "association/command_line.h"
#include "association/message_box.h"
#include "path/bounded_text.h"
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

int RunAssociationDialog(HWND owner, AssocRequest* request, const char* extension)
{
    g_dialogRequest = *request;
    // The hook finds the extension in the record's custom data.
    BOOL confirmed = OpenFileDialogEx(owner, GetModuleHandleA(NULL), "CUSTOM_BOX", AssocDialogHook,
                                      kAssocDialogFlags, request->commandLine,
                                      request->commandLine, kDialogTitle, kFilter,
                                      (LPARAM)extension);
    if (!confirmed) {
        return 0;
    }
    // Replaces the file name the dialog returned with the captured command line.
    *request = g_dialogRequest;
    return 1;
}

void RefreshCommandLine(HWND dialog)
{
    HWND openDialog = GetParent(dialog);
    char path[MAX_PATH] = "";
    char command[MAX_PATH];
    // The folder path comes first into the same buffer; when the file path
    // cannot be had it stays, or nothing does.
    LRESULT length = SendMessageA(openDialog, CDM_GETFOLDERPATH, sizeof(path), (LPARAM)path);
    TerminateText(path, sizeof(path));
    if (length > 0 && path[0] != '\0') {
        SendMessageA(openDialog, CDM_GETFILEPATH, sizeof(path), (LPARAM)path);
    } else {
        SendMessageA(openDialog, CDM_GETSPEC, sizeof(path), (LPARAM)path);
    }
    TerminateText(path, sizeof(path));
    int quote = IsDlgButtonChecked(dialog, IDC_QUOTE_FILE_NAME) == BST_CHECKED;
    // The edit holds what will be stored, at most 259 bytes: a command that
    // does not fit is not shown cut (it would not run); the edit is emptied
    // and the user hears a warning instead.
    if (!FormatCommandLine(command, ASSOC_READ_SIZE, path, quote)) {
        MessageBeep(MB_ICONEXCLAMATION);
    }
    SetDlgItemTextA(dialog, IDC_COMMAND_LINE, command);
}

static void CheckButton(HWND dialog, int id, int checked)
{
    CheckDlgButton(dialog, id, checked ? BST_CHECKED : BST_UNCHECKED);
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
    SetDlgItemTextA(dialog, IDC_MENU_TEXT, g_dialogRequest.menuText);
}

static void CaptureDialog(HWND dialog)
{
    g_dialogRequest.runAfter = IsDlgButtonChecked(dialog, IDC_RUN_AFTER) == BST_CHECKED;
    g_dialogRequest.quoteFileName = IsDlgButtonChecked(dialog, IDC_QUOTE_FILE_NAME) == BST_CHECKED;
    g_dialogRequest.setDefaultVerb = IsDlgButtonChecked(dialog, IDC_SET_DEFAULT_VERB) == BST_CHECKED;
    GetDlgItemTextA(dialog, IDC_COMMAND_LINE, g_dialogRequest.commandLine, ASSOC_READ_SIZE);
    GetDlgItemTextA(dialog, IDC_VERB, g_dialogRequest.verb, ASSOC_READ_SIZE);
    GetDlgItemTextA(dialog, IDC_MENU_TEXT, g_dialogRequest.menuText, ASSOC_READ_SIZE);
}

// A verb that cannot name its keys is refused here, while the user can
// still mend it: the message is owned by the Open dialog, which stays open
// with everything the user chose. 1 when the verb may be saved.
static int AcceptVerb(HWND dialog, const char* extension)
{
    char verb[ASSOC_TEXT_SIZE];
    char text[512];  // the longer text takes under 300 bytes
    size_t room = 0;
    GetDlgItemTextA(dialog, IDC_VERB, verb, ASSOC_READ_SIZE);
    int fault = CheckVerbForSaving(extension, verb, IsDlgButtonChecked(dialog, IDC_SET_DEFAULT_VERB) == BST_CHECKED, &room);
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
    ShowMessage(GetParent(dialog), kVerbCaption, text, MB_OK);
    // Through the dialog manager, which also selects the edit's text.
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
        if (!AcceptVerb(dialog, (const char*)((const OFNOTIFYA*)header)->lpOFN->lCustData)) {
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
