#include "about/about_window.h"

#include "about/about_contents.h"
#include "about/about_texts.h"
#include "about/window_geometry.h"
#include "common/code_page_text.h"
#include "common/desktop_open.h"
#include "common/message_box.h"
#include "common/packed_text.h"
#include "resources/resource_ids.h"

HWND g_aboutWindow;

static const COLORREF kLinkColor = 0x00FF0000;  // pure blue
static const char kWithheldCaption[] PACKED_TEXT = "ページを開きませんでした";
static const char kWithheldText[] PACKED_TEXT =
    "管理者の権限でブラウザーが動かないように、ページは開きませんでした。\n\n"
    "このアドレスをブラウザーに入力して開くことができます。";

int ShowProgramAboutBox(HWND owner)
{
    HINSTANCE instance = GetModuleHandleA(NULL);
    AboutBoxConfig config;
    config.flags = ABOUT_TITLE | ABOUT_ICON | ABOUT_VERSION | ABOUT_LINK | ABOUT_RESOURCES;
    config.iconControl = IDC_ABOUT_ICON;
    config.companyControl = 0;
    config.versionControl = IDC_ABOUT_VERSION;
    config.copyrightControl = 0;
    config.linkControl = IDC_ABOUT_LINK;
    config.resourcesControl = IDC_ABOUT_RESOURCES;
    config.linkText = KIVERAN_HOME_PAGE;
    config.templateName = "ABOUT_BOX";
    config.hook = NULL;
    config.linkCursor = LoadCursorA(instance, "IDC_CURSOR_HAND");
    config.instance = instance;
    return ShowAboutBox(owner, config);
}

int ShowAboutBox(HWND owner, AboutBoxConfig config)
{
    if (g_aboutWindow != NULL) {
        BringWindowToTop(g_aboutWindow);
        SetForegroundWindow(g_aboutWindow);
        ShowWindow(g_aboutWindow, SW_SHOWDEFAULT);
        return 1;
    }
    g_aboutConfig = config;
    DialogBoxParamA(config.instance, config.templateName, owner, AboutDialogProc, 0);
    g_aboutWindow = NULL;
    return 1;
}

// The link is drawn in blue straight onto the box's background; the other
// statics are left to the system's colours.
static INT_PTR OnAboutControlColor(HWND dialog, HDC context, HWND control)
{
    if (control != GetDlgItem(dialog, g_aboutConfig.linkControl)) {
        return FALSE;
    }
    SetTextColor(context, kLinkColor);
    SetBkMode(context, TRANSPARENT);
    return (INT_PTR)GetStockObject(NULL_BRUSH);
}

// The hand over the link; elsewhere the system's cursor.
static INT_PTR OnAboutSetCursor(HWND dialog, HWND underCursor)
{
    if (underCursor != GetDlgItem(dialog, g_aboutConfig.linkControl)) {
        return FALSE;
    }
    SetCursor(g_aboutConfig.linkCursor);
    SetWindowLongPtrA(dialog, DWLP_MSGRESULT, TRUE);
    return TRUE;
}

BOOL OnAboutCommand(HWND dialog, WPARAM wParam)
{
    int control = LOWORD(wParam);
    if (control == IDOK) {
        EndDialog(dialog, IDOK);
        return TRUE;
    }
    if (control == IDCANCEL) {
        EndDialog(dialog, IDCANCEL);
        return TRUE;
    }
    if (control == g_aboutConfig.linkControl) {
        // Withheld, the box stays so that the address can still be read.
        WCHAR address[ABOUT_TEXT_SIZE];
        if (ProgramTextToWide(g_aboutConfig.linkText, address, ABOUT_TEXT_SIZE)
            && !OpenAddressAsSignedInUser(address)) {
            ShowMessage(dialog, kWithheldCaption, kWithheldText, MB_OK);
            return TRUE;
        }
        EndDialog(dialog, 1);
        return TRUE;
    }
    return FALSE;
}

INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    // A hook that returns 0 takes the message over entirely.
    if (g_aboutConfig.hook != NULL && !g_aboutConfig.hook(dialog, message, wParam, lParam)) {
        return FALSE;
    }
    switch (message) {
    case WM_INITDIALOG:
        g_aboutWindow = dialog;
        PlaceNearCursor(dialog);
        return InitAboutContents(dialog);
    case WM_CTLCOLORSTATIC:
        return OnAboutControlColor(dialog, (HDC)wParam, (HWND)lParam);
    case WM_SETCURSOR:
        return OnAboutSetCursor(dialog, (HWND)wParam);
    case WM_COMMAND:
        return OnAboutCommand(dialog, wParam);
    case WM_DESTROY:
        // Only a box that InitAboutContents filled holds icons of its own.
        if (g_aboutWindow == dialog) {
            ReleaseAboutIcons(dialog);
        }
        return FALSE;
    }
    return FALSE;
}
