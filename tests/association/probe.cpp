// Stands in for a program the shell starts: appends the command line it was
// started with, and one line break, to the file named like itself with
// ".log" added (probe.exe -> probe.exe.log), and its UTF-16 command line
// the same way, as UTF-16LE, to the one with ".wlog" added: the A form
// cannot tell a U+00A5 from the backslash it is substituted by.
#include <windows.h>

static int AppendToFile(const WCHAR* suffix, const void* line, DWORD lineBytes, const void* end,
                        DWORD endBytes)
{
    WCHAR path[MAX_PATH + 8];
    DWORD length = GetModuleFileNameW(NULL, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return 0;
    }
    lstrcpynW(path + length, suffix, 8);
    HANDLE file = CreateFileW(path, FILE_APPEND_DATA, FILE_SHARE_READ, NULL, OPEN_ALWAYS, 0, NULL);
    if (file == INVALID_HANDLE_VALUE) {
        return 0;
    }
    DWORD written = 0;
    WriteFile(file, line, lineBytes, &written, NULL);
    WriteFile(file, end, endBytes, &written, NULL);
    CloseHandle(file);
    return 1;
}

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    const char* line = GetCommandLineA();
    const WCHAR* wideLine = GetCommandLineW();
    int logged = AppendToFile(L".log", line, (DWORD)lstrlenA(line), "\n", 1)
                 && AppendToFile(L".wlog", wideLine, (DWORD)lstrlenW(wideLine) * sizeof(WCHAR), L"\n",
                                 sizeof(WCHAR));
    return logged ? 0 : 1;
}
