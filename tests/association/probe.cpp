// Stands in for a program the shell starts: appends the command line it was
// started with, and one line break, to the file named like itself with
// ".log" added (probe.exe -> probe.exe.log), and its UTF-16 command line
// the same way, as UTF-16LE, to the one with ".wlog" added: the A form
// cannot tell a U+00A5 from the backslash it is substituted by. Two more
// lines of the .log tell who started it and where:
//   parent <process id> <its file name, or ? when it cannot be read>
//   folder <the current folder>
// A parent that has ended is still found by its id while a handle to it is
// open (the test that started it holds one until the probe has ended).
#undef _WIN32_WINNT
#define _WIN32_WINNT 0x0600  // QueryFullProcessImageNameA; the tests run on Wine's Vista and later
#include <windows.h>
#include <tlhelp32.h>

#include <stdio.h>
#include <string.h>

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

// "parent ID NAME\nfolder PATH" into text (size bytes).
static void DescribeStart(char* text, int size)
{
    DWORD parent = 0;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32 entry;
    entry.dwSize = sizeof(entry);
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry)) {
        if (entry.th32ProcessID == GetCurrentProcessId()) {
            parent = entry.th32ParentProcessID;
        }
    }
    CloseHandle(snapshot);
    char path[MAX_PATH] = "?";
    DWORD length = MAX_PATH;
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, parent);
    if (process == NULL || !QueryFullProcessImageNameA(process, 0, path, &length)) {
        lstrcpyA(path, "?");
    }
    CloseHandle(process);
    const char* name = strrchr(path, '\\') != NULL ? strrchr(path, '\\') + 1 : path;
    char folder[MAX_PATH] = "";
    GetCurrentDirectoryA(MAX_PATH, folder);
    snprintf(text, size, "parent %lu %s\nfolder %s", parent, name, folder);
}

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    const char* line = GetCommandLineA();
    const WCHAR* wideLine = GetCommandLineW();
    char start[3 * MAX_PATH];
    DescribeStart(start, sizeof(start));
    int logged = AppendToFile(L".log", line, (DWORD)lstrlenA(line), "\n", 1)
                 && AppendToFile(L".log", start, (DWORD)lstrlenA(start), "\n", 1)
                 && AppendToFile(L".wlog", wideLine, (DWORD)lstrlenW(wideLine) * sizeof(WCHAR), L"\n",
                                 sizeof(WCHAR));
    return logged ? 0 : 1;
}
