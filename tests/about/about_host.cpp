// The About box in a process of its own, for the window tests to drive.
//
//   about_host.exe program
//       this program's box, ShowProgramAboutBox(NULL); exit code its result
//   about_host.exe show|run [--flags HEX] [--company ID] [--copyright ID]
//                           [--link-text TEXT] [--log PATH] [--hold-init]
//       a test configuration: the program's own, with the options applied and
//       a hook that answers the requests of about_host_messages.h.
//       show goes through ShowAboutBox (exit code its result); run calls
//       DialogBoxParamA with AboutDialogProc itself, so that the exit code is
//       the box's own result (1 OK or link, 2 Cancel).
//   about_host.exe [opened ARGS...]
//       stands for a link target: writes "<this program's path>.opened"
//       holding its arguments, and ends.
#include "about/about_window.h"
#include "about_host_messages.h"
#include "resources/resource_ids.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

std::string g_logPath;
bool g_holdInit = false;
AboutBoxConfig g_testConfig;
HICON g_seenIcons[3];

void Log(const std::string& line)
{
    if (g_logPath.empty()) {
        return;
    }
    FILE* file = fopen(g_logPath.c_str(), "ab");
    if (file != NULL) {
        fprintf(file, "%s\n", line.c_str());
        fclose(file);
    }
}

std::string Hex(unsigned long value)
{
    char text[16];
    snprintf(text, sizeof(text), "%06lx", value);
    return text;
}

std::string CursorName(HCURSOR cursor)
{
    if (cursor != NULL && cursor == g_aboutConfig.linkCursor) {
        return "hand";
    }
    if (cursor != NULL && cursor == LoadCursorA(NULL, IDC_ARROW)) {
        return "arrow";
    }
    return "other";
}

void ProbeColours(HWND dialog)
{
    HDC context = CreateCompatibleDC(NULL);
    HWND version = GetDlgItem(dialog, g_aboutConfig.versionControl);
    SetTextColor(context, RGB(1, 2, 3));
    SetBkMode(context, OPAQUE);
    HBRUSH system = (HBRUSH)DefWindowProcA(dialog, WM_CTLCOLORSTATIC, (WPARAM)context, (LPARAM)version);
    COLORREF systemText = GetTextColor(context);
    int systemMode = GetBkMode(context);
    Log("colour default text=" + Hex(systemText) + " mode=" + std::to_string(systemMode));
    const int controls[] = {g_aboutConfig.linkControl, g_aboutConfig.versionControl,
                            g_aboutConfig.resourcesControl};
    for (int id : controls) {
        SetTextColor(context, RGB(1, 2, 3));
        SetBkMode(context, OPAQUE);
        HBRUSH brush = (HBRUSH)SendMessageA(dialog, WM_CTLCOLORSTATIC, (WPARAM)context,
                                            (LPARAM)GetDlgItem(dialog, id));
        std::string kind = brush == (HBRUSH)GetStockObject(NULL_BRUSH) ? "null"
                           : brush == system                           ? "default"
                                                                       : "other";
        Log("colour " + std::to_string(id) + " brush=" + kind + " text=" + Hex(GetTextColor(context)) +
            " mode=" + std::to_string(GetBkMode(context)));
    }
    DeleteDC(context);
}

void ProbeCursor(HWND dialog)
{
    const int controls[] = {g_aboutConfig.linkControl, g_aboutConfig.versionControl};
    for (int id : controls) {
        SetCursor(NULL);
        LRESULT result = SendMessageA(dialog, WM_SETCURSOR, (WPARAM)GetDlgItem(dialog, id),
                                      MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        Log("cursor " + std::to_string(id) + " result=" + std::to_string((long)result) +
            " shown=" + CursorName(GetCursor()));
    }
}

void SecondRequest()
{
    AboutBoxConfig other = g_testConfig;
    other.linkText = "second request";
    other.flags |= ABOUT_LINK;
    Log("second=" + std::to_string(ShowAboutBox(NULL, other)));
}

void ProbeState(HWND dialog)
{
    g_seenIcons[0] = (HICON)SendMessageA(dialog, WM_GETICON, ICON_BIG, 0);
    g_seenIcons[1] = (HICON)SendMessageA(dialog, WM_GETICON, ICON_SMALL, 0);
    g_seenIcons[2] = (HICON)SendMessageA(GetDlgItem(dialog, g_aboutConfig.iconControl), STM_GETICON, 0, 0);
    std::string window = g_aboutWindow == dialog ? "self" : g_aboutWindow == NULL ? "null" : "other";
    Log("state window=" + window + " icon-big=" + (g_seenIcons[0] ? "1" : "0") +
        " icon-small=" + (g_seenIcons[1] ? "1" : "0") + " icon-control=" + (g_seenIcons[2] ? "1" : "0"));
}

// The test configuration's hook: logs the start, answers the tests'
// requests, and lets the box do everything else.
INT_PTR CALLBACK ProbeHook(HWND dialog, UINT message, WPARAM, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        Log("init");
        return g_holdInit ? 0 : 1;
    case HOST_PROBE_COLOURS:
        ProbeColours(dialog);
        return 1;
    case HOST_PROBE_CURSOR:
        ProbeCursor(dialog);
        return 1;
    case HOST_SECOND_REQUEST:
        SecondRequest();
        return 1;
    case HOST_PROBE_STATE:
        ProbeState(dialog);
        return 1;
    case HOST_REPORT_CURSOR:
        Log("shown=" + CursorName(GetCursor()));
        return 1;
    }
    return 1;
}

// Icons remembered by the state probe that still exist.
int CountLiveIcons()
{
    int live = 0;
    for (HICON icon : g_seenIcons) {
        ICONINFO info;
        if (icon != NULL && GetIconInfo(icon, &info)) {
            ++live;
            DeleteObject(info.hbmMask);
            if (info.hbmColor != NULL) {
                DeleteObject(info.hbmColor);
            }
        }
    }
    return live;
}

int RecordOpening(int argc, char** argv)
{
    char path[MAX_PATH];
    GetModuleFileNameA(NULL, path, MAX_PATH);
    std::string text;
    for (int i = 2; i < argc; ++i) {
        text += std::string(i > 2 ? " " : "") + argv[i];
    }
    FILE* file = fopen((std::string(path) + ".opened").c_str(), "w");
    if (file != NULL) {
        fprintf(file, "%s", text.c_str());
        fclose(file);
    }
    return 0;
}

AboutBoxConfig MakeTestConfig(int argc, char** argv)
{
    static std::string linkText = KIVERAN_HOME_PAGE;
    HINSTANCE instance = GetModuleHandleA(NULL);
    AboutBoxConfig config;
    config.flags = 0x01AA;
    config.iconControl = IDC_ABOUT_ICON;
    config.companyControl = 0;
    config.versionControl = IDC_ABOUT_VERSION;
    config.copyrightControl = 0;
    config.linkControl = IDC_ABOUT_LINK;
    config.resourcesControl = IDC_ABOUT_RESOURCES;
    config.templateName = "ABOUT_BOX";
    config.hook = ProbeHook;
    config.linkCursor = LoadCursorA(instance, "IDC_CURSOR_HAND");
    config.instance = instance;
    for (int i = 2; i < argc; ++i) {
        std::string option = argv[i];
        std::string value = i + 1 < argc ? argv[i + 1] : "";
        if (option == "--hold-init") {
            g_holdInit = true;
            continue;
        }
        ++i;
        if (option == "--flags") {
            config.flags = (UINT32)strtoul(value.c_str(), NULL, 16);
        } else if (option == "--company") {
            config.companyControl = atoi(value.c_str());
        } else if (option == "--copyright") {
            config.copyrightControl = atoi(value.c_str());
        } else if (option == "--link-text") {
            linkText = value;
        } else if (option == "--log") {
            g_logPath = value;
        }
    }
    config.linkText = linkText.c_str();
    return config;
}

}  // namespace

int main(int argc, char** argv)
{
    std::string mode = argc > 1 ? argv[1] : "opened";
    if (mode == "program") {
        return ShowProgramAboutBox(NULL);
    }
    if (mode != "show" && mode != "run") {
        return RecordOpening(argc, argv);
    }
    g_testConfig = MakeTestConfig(argc, argv);
    int result;
    if (mode == "show") {
        result = ShowAboutBox(NULL, g_testConfig);
    } else {
        g_aboutConfig = g_testConfig;
        result = (int)DialogBoxParamA(g_testConfig.instance, g_testConfig.templateName, NULL,
                                      AboutDialogProc, 0);
        g_aboutWindow = NULL;
    }
    Log("closed result=" + std::to_string(result) + " window=" + (g_aboutWindow ? "set" : "null") +
        " icons-alive=" + std::to_string(CountLiveIcons()));
    return result;
}
