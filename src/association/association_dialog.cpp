#include "association/association_dialog.h"

#include <commdlg.h>
#include <stddef.h>

#include "association/command_line.h"
#include "path/bounded_text.h"
#include "path/module_file.h"
#include "path/sjis_path.h"
#include "resources/resource_ids.h"

AssocRequest g_dialogRequest;

static const char kDialogTitle[] = "ｱﾌﾟﾘｹｰｼｮﾝとの関連づけ";
static const char kOkText[] = "OK(&O)";
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

int RunAssociationDialog(HWND owner, AssocRequest* request)
{
    g_dialogRequest = *request;
    BOOL confirmed = OpenFileDialogEx(owner, GetModuleHandleA(NULL), "CUSTOM_BOX", AssocDialogHook,
                                      kAssocDialogFlags, request->commandLine,
                                      request->commandLine, kDialogTitle, kFilter, 0);
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

static void OnNotify(HWND dialog, const NMHDR* header)
{
    switch (header->code) {
    case CDN_INITDONE:
        OnInitDone(dialog);
        break;
    case CDN_SELCHANGE:
        RefreshCommandLine(dialog);
        break;
    case CDN_FILEOK:
        CaptureDialog(dialog);
        break;
    }
}

UINT_PTR CALLBACK AssocDialogHook(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_NOTIFY:
        OnNotify(dialog, (const NMHDR*)lParam);
        break;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDC_QUOTE_FILE_NAME) {
            RefreshCommandLine(dialog);
        }
        break;
    }
    // 0 everywhere: the dialog goes on with its own handling and accepts OK.
    return 0;
}
