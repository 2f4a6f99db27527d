#include "association/association_dialog.h"

#include <commdlg.h>

#include "association/association_reader.h"
#include "association/command_line.h"
#include "association/ok_checks.h"
#include "association/ok_record.h"
#include "association/open_file_dialog.h"
#include "association/picked_program.h"
#include "common/bounded_text.h"
#include "common/code_page_text.h"
#include "common/same_name.h"
#include "path/module_file.h"
#include "resources/resource_ids.h"

AssocRequest g_dialogRequest;

static const char kDialogTitle[] = "ｱﾌﾟﾘｹｰｼｮﾝとの関連づけ";
static const char kOkText[] = "OK(&O)";
// Offered only for a new open verb: an existing verb without a menu text
// keeps none, and the shell shows its own label for it.
static const char kDefaultMenuText[] = "開く(&O)";
// Two pairs of description and pattern, ending in a double NUL (the literal
// adds the last one). "*" rather than "*.*" also lists names without a dot.
static const char kFilter[] =
    "実行可能ﾌｧｲﾙ(*.exe;*.com;*.bat)\0*.exe;*.com;*.bat\0"
    "すべてのﾌｧｲﾙ(*.*)\0*\0";

static const DWORD kAssocDialogFlags = OFN_HIDEREADONLY | OFN_ENABLEHOOK | OFN_ENABLETEMPLATE;
static_assert((OPEN_FILE_BASE_FLAGS | kAssocDialogFlags) == 0x00880864, "dialog flags");

// What the hook keeps between messages. It lives on RunAssociationDialog's
// stack and reaches the hook through the record's custom data.
struct DialogSession {
    const char* extension;
    WCHAR lastProgram[MAX_PATH];      // the file 1010 was last built for, or empty
    WCHAR lastProgramLong[MAX_PATH];  // its long form, worked out once
    char shownVerb[ASSOC_TEXT_SIZE];  // the verb whose texts the edits show
    int initDone;
    int commandIsBuilt;  // IDC_COMMAND_LINE was made from a program chosen in the dialog
    int menuIsDefault;   // IDC_MENU_TEXT offers the text of a new open verb
};

static DialogSession* GetSession(HWND dialog)
{
    return (DialogSession*)GetWindowLongPtrA(dialog, DWLP_USER);
}

static void SetLastProgram(DialogSession* session, const WCHAR* program)
{
    lstrcpynW(session->lastProgram, program, MAX_PATH);
    GetLongForm(session->lastProgram, session->lastProgramLong);
}

int RunAssociationDialog(HWND owner, AssocRequest* request, const char* extension)
{
    DialogSession session;
    WCHAR program[MAX_PATH];
    ZeroMemory(&session, sizeof(session));
    session.extension = extension;
    // The program the dialog opens with is the one the stored command is for.
    ProgramTextToWide(request->commandLine, program, MAX_PATH);
    SetLastProgram(&session, program);
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

static int IsEmpty(HWND dialog, int id)
{
    return GetWindowTextLengthW(GetDlgItem(dialog, id)) == 0;
}

static int IsLastProgram(const DialogSession* session, const WCHAR* path)
{
    WCHAR longPath[MAX_PATH];
    GetLongForm(path, longPath);
    return IsSameName(longPath, session->lastProgramLong);
}

// Writes IDC_COMMAND_LINE for the program at picked (a shortcut gives its
// target). The edit never shows a substituted or cut path: what cannot be
// had that way leaves it as it was, with a warning beep.
static int WriteCommandFor(HWND dialog, const WCHAR* picked)
{
    DialogSession* session = GetSession(dialog);
    char program[MAX_PATH];
    char command[ASSOC_LONG_TEXT_SIZE];
    int fault = ResolvePickedProgram(picked, program);
    int quote = IsDlgButtonChecked(dialog, IDC_QUOTE_FILE_NAME) == BST_CHECKED;
    if (fault != PICKED_PROGRAM_OK) {
        // OK will say why this file gives no command.
        MessageBeep(MB_ICONEXCLAMATION);
        return fault;
    }
    FormatCommandLine(command, sizeof(command), program, quote);
    SetDlgItemTextA(dialog, IDC_COMMAND_LINE, command);
    SendDlgItemMessageA(dialog, IDC_COMMAND_LINE, EM_SETMODIFY, FALSE, 0);
    session->commandIsBuilt = 1;
    SetLastProgram(session, picked);
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

// A selection of the program the command is already for (the one the
// dialog opens with, or the one still named when a folder is clicked)
// leaves it as it is, unless there is none yet.
static void OnSelectionChange(HWND dialog)
{
    WCHAR picked[MAX_PATH];
    DialogSession* session = GetSession(dialog);
    if (session->initDone && GetNamedFile(GetParent(dialog), NULL, picked)
        && (IsModified(dialog, IDC_COMMAND_LINE) || IsEmpty(dialog, IDC_COMMAND_LINE)
            || !IsLastProgram(session, picked))) {
        WriteCommandFor(dialog, picked);
    }
}

// A stored text as it is, in UTF-16; a value that is no text shows as none.
static void ShowStoredText(HWND dialog, int id, const RegText* stored)
{
    if (stored->text != NULL && IsStringType(stored->type)) {
        SetDlgItemTextW(dialog, id, stored->text);
    } else {
        SetDlgItemTextA(dialog, id, "");
    }
}

// The menu text and command the user has not typed into are those of the
// verb IDC_VERB names (an empty one stands for the verb a save chooses); a
// command built from a program chosen in the dialog stays.
static void ShowVerbTexts(HWND dialog)
{
    DialogSession* session = GetSession(dialog);
    WCHAR typed[ASSOC_TEXT_SIZE];
    char verb[ASSOC_TEXT_SIZE];
    VerbTexts texts;
    GetDlgItemTextW(dialog, IDC_VERB, typed, ASSOC_TEXT_SIZE);
    // A verb that code page 932 cannot hold names no key; OK says so.
    if (!WideToProgramText(typed, verb, sizeof(verb))) {
        return;
    }
    int setDefault = IsDlgButtonChecked(dialog, IDC_SET_DEFAULT_VERB) == BST_CHECKED;
    if (ReadVerbTexts(session->extension, verb, setDefault, &texts)
        && (session->shownVerb[0] == '\0' || !IsSameProgramName(texts.verb, session->shownVerb))) {
        CopyText(session->shownVerb, sizeof(session->shownVerb), texts.verb);
        if (!IsModified(dialog, IDC_MENU_TEXT)) {
            session->menuIsDefault = texts.offersDefaultMenu;
            if (session->menuIsDefault) {
                SetDlgItemTextA(dialog, IDC_MENU_TEXT, kDefaultMenuText);
            } else {
                ShowStoredText(dialog, IDC_MENU_TEXT, &texts.menuText);
            }
        }
        if (!IsModified(dialog, IDC_COMMAND_LINE) && !session->commandIsBuilt) {
            ShowStoredText(dialog, IDC_COMMAND_LINE, &texts.command);
        }
    }
    FreeVerbTexts(&texts);
}

static void CheckButton(HWND dialog, int id, int checked)
{
    CheckDlgButton(dialog, id, checked ? BST_CHECKED : BST_UNCHECKED);
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
    // The texts as stored, so that OK without a change keeps them.
    ShowVerbTexts(dialog);
    GetSession(dialog)->initDone = 1;
}

// A program chosen since IDC_COMMAND_LINE was last written, selected or
// typed, gives the command, unless the user typed into it since; so does
// the program named when it is empty. 1 when OK may go on.
static int BuildCommandIfDue(HWND dialog, const OPENFILENAMEA* record)
{
    DialogSession* session = GetSession(dialog);
    WCHAR named[MAX_PATH];
    if (IsModified(dialog, IDC_COMMAND_LINE)) {
        return 1;
    }
    int empty = IsEmpty(dialog, IDC_COMMAND_LINE);
    // Not the record's lpstrFile: the dialog's A answer may be substituted.
    int fault = PICKED_NAME_NOT_CONVERTIBLE;
    if (GetNamedFile(GetParent(dialog), record->lpstrFile, named)) {
        // A stored command stays when the box still names its program, even
        // one that is gone.
        int kept = !empty && (IsLastProgram(session, named)
                              || (!session->commandIsBuilt && GetFileAttributesW(named) == INVALID_FILE_ATTRIBUTES
                                  && IsSameName(FindFileName(named), FindFileName(session->lastProgram))));
        fault = kept ? PICKED_PROGRAM_OK : WriteCommandFor(dialog, named);
    }
    if (fault != PICKED_PROGRAM_OK) {
        return RefuseAtOk(dialog, GetFileNameBox(GetParent(dialog)), kPickedProgramCaption,
                          DescribePickedProgramFault(fault));
    }
    return 1;
}

// The texts of the verb named, a command from the program named, then the
// record read once, checked, and taken only when accepted. Nonzero refuses OK.
static UINT_PTR OnFileOk(HWND dialog, const OPENFILENAMEA* record)
{
    DialogSession* session = GetSession(dialog);
    OkRecord ok;
    OkFault fault;
    char text[512];  // the longest message takes under 400 bytes
    ShowVerbTexts(dialog);
    if (!BuildCommandIfDue(dialog, record)) {
        return 1;
    }
    ReadOkRecord(dialog, session->menuIsDefault, session->commandIsBuilt, &ok);
    if (FindOkFault(&ok, session->extension, &fault)) {
        const char* caption = DescribeOkFault(&fault, text, sizeof(text));
        RefuseAtOk(dialog, GetDlgItem(dialog, fault.control), caption, text);
        return 1;
    }
    if (!AcceptOverrides(dialog, &ok, session->extension) || !CaptureOkRecord(&ok, &g_dialogRequest)) {
        return 1;
    }
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
        OnSelectionChange(dialog);
        break;
    case CDN_FILEOK:
        if (OnFileOk(dialog, ((const OFNOTIFYA*)header)->lpOFN)) {
            SetWindowLongPtrA(dialog, DWLP_MSGRESULT, 1);
            return 1;
        }
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
        } else if (LOWORD(wParam) == IDC_VERB && HIWORD(wParam) == EN_KILLFOCUS) {
            ShowVerbTexts(dialog);
        }
        break;
    }
    // 0: the dialog goes on with its own handling.
    return 0;
}
