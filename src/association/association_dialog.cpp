#include "association/association_dialog.h"

#include <commdlg.h>

#include "association/association_keys.h"
#include "association/command_line.h"
#include "association/ok_checks.h"
#include "association/open_file_dialog.h"
#include "association/picked_program.h"
#include "common/bounded_text.h"
#include "common/code_page_text.h"
#include "common/message_box.h"
#include "path/module_file.h"
#include "resources/resource_ids.h"

AssocRequest g_dialogRequest;

static const char kDialogTitle[] = "ｱﾌﾟﾘｹｰｼｮﾝとの関連づけ";
static const char kOkText[] = "OK(&O)";
static const char kEmptyCommandCaption[] = "コマンドラインが空です";
static const char kEmptyCommandText[] =
    "コマンドラインが空では、この種類のファイルを開けなくなります。\n\n"
    "プログラムを一覧から選ぶか、コマンドラインを入力してから、もう一度「OK」を押してください。";
// Two pairs of description and pattern, ending in a double NUL (the literal
// adds the last one). "*" rather than "*.*" also lists names without a dot.
static const char kFilter[] =
    "実行可能ﾌｧｲﾙ(*.exe;*.com;*.bat)\0*.exe;*.com;*.bat\0"
    "すべてのﾌｧｲﾙ(*.*)\0*\0";

static const DWORD kAssocDialogFlags = OFN_HIDEREADONLY | OFN_ENABLEHOOK | OFN_ENABLETEMPLATE;
static_assert((OPEN_FILE_BASE_FLAGS | kAssocDialogFlags) == 0x00881864, "dialog flags");

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

static int IsModified(HWND dialog, int id)
{
    return SendDlgItemMessageA(dialog, id, EM_GETMODIFY, 0, 0) != 0;
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
    if (fault != PICKED_PROGRAM_OK) {
        // 1010 keeps what it had; OK will say why this file gives no command.
        MessageBeep(MB_ICONEXCLAMATION);
        return fault;
    }
    if (!FormatCommandLine(command, ASSOC_READ_SIZE, program, quote)) {
        MessageBeep(MB_ICONEXCLAMATION);
    }
    SetDlgItemTextA(dialog, IDC_COMMAND_LINE, command);
    SendDlgItemMessageA(dialog, IDC_COMMAND_LINE, EM_SETMODIFY, FALSE, 0);
    session->commandIsStored = 0;
    lstrcpynW(session->lastProgram, picked, MAX_PATH);
    return fault;
}

// With no file named (the dialog has just opened, or a folder without a
// path is shown) the command stays as it is.
void RefreshCommandLine(HWND dialog)
{
    WCHAR picked[MAX_PATH];
    if (GetNamedFile(GetParent(dialog), NULL, picked)) {
        WriteCommandFor(dialog, picked);
    }
}

// A selection of the program 1010 is already for (the one the dialog opens
// with, or the one still named when a folder is clicked) leaves it as it is.
static void OnSelectionChange(HWND dialog)
{
    WCHAR picked[MAX_PATH];
    if (GetNamedFile(GetParent(dialog), NULL, picked)
        && (IsModified(dialog, IDC_COMMAND_LINE) || !IsSameFile(picked, GetSession(dialog)->lastProgram))) {
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
    SetModuleIcons(openDialog, GetModuleHandleA(NULL));
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
    g_dialogRequest.commandIsBuilt = !GetSession(dialog)->commandIsStored && !IsModified(dialog, IDC_COMMAND_LINE);
}

// A program chosen since 1010 was last written, selected or typed, gives the
// command, unless the user typed into 1010 since; an empty one is refused.
static int AcceptCommand(HWND dialog, const OPENFILENAMEA* record)
{
    DialogSession* session = GetSession(dialog);
    WCHAR named[MAX_PATH];
    HWND command = GetDlgItem(dialog, IDC_COMMAND_LINE);
    if (!IsModified(dialog, IDC_COMMAND_LINE)) {
        // Not the record's lpstrFile: the dialog's A answer may be substituted.
        int fault = !GetNamedFile(GetParent(dialog), record->lpstrFile, named) ? PICKED_NAME_NOT_CONVERTIBLE
                    : !IsSameFile(named, session->lastProgram)                   ? WriteCommandFor(dialog, named)
                                                                                 : PICKED_PROGRAM_OK;
        if (fault != PICKED_PROGRAM_OK) {
            return RefuseAtOk(dialog, GetFileNameBox(GetParent(dialog)), kPickedProgramCaption,
                              DescribePickedProgramFault(fault));
        }
    }
    if (GetWindowTextLengthA(command) == 0) {
        return RefuseAtOk(dialog, command, kEmptyCommandCaption, kEmptyCommandText);
    }
    return 1;
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
        OnSelectionChange(dialog);
        break;
    case CDN_FILEOK:
        if (!AcceptTexts(dialog) || !AcceptVerb(dialog, GetSession(dialog)->extension)
            || !AcceptCommand(dialog, ((const OFNOTIFYA*)header)->lpOFN)
            || !AcceptOverrides(dialog, GetSession(dialog)->extension)) {
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
