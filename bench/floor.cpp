// The floor of the start-up benchmark: the least a program like kiveran.exe
// does before its first window. It maps the same system DLLs (the program's
// imports, and version.dll, which the program loads as its About box opens),
// initialises COM as the program does, asks the shell for its own icon once
// and shows one message box. It carries the program's manifest (see
// bench/CMakeLists.txt), so that it loads the same controls and theme.
#include <windows.h>
#include <commdlg.h>
#include <objbase.h>
#include <shellapi.h>

// One function of each DLL the program imports, so that the linker keeps
// the import and the loader maps the DLL at start, as it does for the program.
static const void* volatile g_imports[] = {
    (const void*)&GetOpenFileNameA,         // comdlg32
    (const void*)&RegCloseKey,              // advapi32
    (const void*)&GetFileVersionInfoSizeA,  // version
    (const void*)&SetBkMode,                // gdi32
    (const void*)&ShellExecuteA,            // shell32
};

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    HRESULT com = CoInitializeEx(NULL, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(NULL, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        path[0] = '\0';
    }
    SHFILEINFOA info;
    ZeroMemory(&info, sizeof(info));
    if (SHGetFileInfoA(path, 0, &info, sizeof(info), SHGFI_ICON) && info.hIcon != NULL) {
        DestroyIcon(info.hIcon);
    }
    MessageBoxA(NULL, "floor", "bench_floor", MB_OK);
    if (SUCCEEDED(com)) {
        CoUninitialize();
    }
    return g_imports[0] != NULL ? 0 : 1;
}
