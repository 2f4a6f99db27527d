#include "association/dialog/association_dialog.h"

#include <commdlg.h>

#include "association/dialog/ok_checks.h"
#include "association/dialog/ok_record.h"
#include "association/dialog/open_file_dialog.h"
#include "association/dialog/shown_texts.h"
#include "common/code_page_text.h"
#include "common/packed_text.h"
#include "path/module_file.h"
#include "resources/resource_ids.h"

AssocRequest g_dialogRequest;

static const char kDialogTitle[] PACKED_TEXT = "ｱﾌﾟﾘｹｰｼｮﾝとの関連づけ";
static const char kOkText[] PACKED_TEXT = "OK(&O)";
// Two pairs of description and pattern, ending in a double NUL (the literal
// adds the last one). "*" rather than "*.*" also lists names without a dot.
static const char kFilter[] PACKED_TEXT =
    "実行可能ﾌｧｲﾙ(*.exe;*.com;*.bat)\0*.exe;*.com;*.bat\0"
    "すべてのﾌｧｲﾙ(*.*)\0*\0";

static const DWORD kAssocDialogFlags = OFN_HIDEREADONLY | OFN_ENABLEHOOK | OFN_ENABLETEMPLATE;
static_assert((OPEN_FILE_BASE_FLAGS | kAssocDialogFlags) == 0x00880864, "dialog flags");

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
    // The dialog wrote the file it returned into request's command line: the
    // texts accepted at OK replace it.
    *request = g_dialogRequest;
    return 1;
}

// The button's own message: CheckDlgButton would be one more import.
static void CheckButton(HWND dialog, int id, int checked)
{
    SendDlgItemMessageA(dialog, id, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
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
}

// The texts of the verb named, a command from the program named, then the
// record read once, checked, and taken only when accepted. Nonzero refuses OK.
static UINT_PTR OnFileOk(HWND dialog, const OPENFILENAMEA* record)
{
    DialogSession* session = GetSession(dialog);
    OkRecord ok;
    OkFault fault;
    AssocRequest accepted = g_dialogRequest;
    char text[512];  // the longest message takes under 400 bytes
    ShowVerbTexts(dialog);
    if (!BuildCommandIfDue(dialog, record)) {
        return 1;
    }
    ReadOkRecord(dialog, session->menuIsDefault, session->commandIsBuilt, &ok);
    if (FindOkFault(&ok, session->extension, &accepted, &fault)) {
        const char* caption = DescribeOkFault(&fault, text, sizeof(text));
        RefuseAtOk(dialog, GetDlgItem(dialog, fault.control), caption, text);
        return 1;
    }
    if (!AcceptOverrides(dialog, &accepted, session->extension)) {
        return 1;
    }
    g_dialogRequest = accepted;
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
        // The record's custom data is the one pointer of the caller's a hook gets.
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
    case WM_DESTROY:
        // The Open dialog's icons are the program's to destroy.
        ReleaseModuleIcons(GetParent(dialog));
        break;
    }
    // 0: the dialog goes on with its own handling.
    return 0;
}
