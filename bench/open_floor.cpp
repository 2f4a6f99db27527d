// The floor of the association dialog's start-up: the least a program like
// kiveran.exe does before the dialog appears. It maps the program's own
// system DLLs, initialises COM as the program does and shows the system Open
// dialog with the record the program's association dialog gets for a file
// whose type opens with PROGRAM: the version-4.00 record, the same flags,
// filter, title, folder and file name, the program's own child template
// (the program's own script, compiled in bench/CMakeLists.txt) and a hook that lets
// the dialog do all its own handling. With a hook, Windows shows the same
// Explorer-style dialog that the program gets rather than the newer one, and
// the template gives it the same controls: the window is the one the user
// sees. What the program does besides, the floor leaves out: it reads no
// association, resolves no argument and fills no control.
//
//   bench_open_floor.exe PROGRAM     (a full path without quotes)
#include <windows.h>
#include <commdlg.h>
#include <objbase.h>
#include <shellapi.h>
#include <stddef.h>

// Literals are Shift-JIS, like the program's own.
static const char kTitle[] = "ｱﾌﾟﾘｹｰｼｮﾝとの関連づけ";
static const char kFilter[] =
    "実行可能ﾌｧｲﾙ(*.exe;*.com;*.bat)\0*.exe;*.com;*.bat\0"
    "すべてのﾌｧｲﾙ(*.*)\0*\0";

// One function of each DLL the program imports, so that the linker keeps
// the import and the loader maps the DLL at start, as it does for the program.
static const void* volatile g_imports[] = {
    (const void*)&GetOpenFileNameA,  // comdlg32
    (const void*)&RegCloseKey,       // advapi32
    (const void*)&SetBkMode,         // gdi32
    (const void*)&ShellExecuteA,     // shell32
};

static UINT_PTR CALLBACK PassHook(HWND, UINT, WPARAM, LPARAM)
{
    return 0;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int)
{
    HRESULT com = CoInitializeEx(NULL, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    char folder[MAX_PATH];
    char file[MAX_PATH];
    // Split at the last backslash, as the program splits the path it opens
    // the dialog with.
    lstrcpynA(folder, commandLine, MAX_PATH);
    char* separator = NULL;
    for (char* p = folder; *p != '\0'; p = CharNextA(p)) {
        if (*p == '\\') {
            separator = p;
        }
    }
    lstrcpynA(file, separator != NULL ? separator + 1 : folder, MAX_PATH);
    if (separator != NULL) {
        *separator = '\0';
    }

    OPENFILENAMEA dialog;
    ZeroMemory(&dialog, sizeof(dialog));
    dialog.lStructSize = offsetof(OPENFILENAMEA, lpTemplateName) + sizeof(LPCSTR);
    dialog.hInstance = instance;
    dialog.lpstrFilter = kFilter;
    dialog.lpstrFile = file;
    dialog.nMaxFile = MAX_PATH;
    dialog.lpstrInitialDir = folder;
    dialog.lpstrTitle = kTitle;
    dialog.Flags = OFN_PATHMUSTEXIST | OFN_EXPLORER | OFN_ENABLESIZING |
                   OFN_HIDEREADONLY | OFN_ENABLEHOOK | OFN_ENABLETEMPLATE;
    dialog.lpfnHook = PassHook;
    dialog.lpTemplateName = "CUSTOM_BOX";
    GetOpenFileNameA(&dialog);
    if (SUCCEEDED(com)) {
        CoUninitialize();
    }
    return g_imports[0] != NULL ? 0 : 1;
}
