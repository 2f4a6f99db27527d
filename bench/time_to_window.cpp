// Times programs from their start to their first visible top-level window,
// under Wine or Windows. For each round it starts each command in turn,
// polls for the window, closes it and waits for the program to end.
//
//   time_to_window ROUNDS COMMAND...
//
// Each COMMAND is a whole command line, the program's path quoted as needed
// and its arguments after it. Prints one line per round with the
// milliseconds of each command, in the order given; a window that never came
// prints -1. One warm-up round is run first and not printed.
#include <windows.h>

#include <stdio.h>
#include <stdlib.h>

namespace {

struct Search {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM parameter)
{
    Search* search = (Search*)parameter;
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId || !IsWindowVisible(window)) {
        return TRUE;
    }
    search->found = window;
    return FALSE;
}

HWND FindVisibleWindow(DWORD processId)
{
    Search search = {processId, NULL};
    EnumWindows(MatchWindow, (LPARAM)&search);
    return search.found;
}

// Closes the window as a user would (the close box; OK for a message box
// that ignores it) and waits for the program to end.
void CloseAndWait(HANDLE process, HWND window)
{
    if (window != NULL) {
        PostMessageA(window, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(process, 3000) == WAIT_OBJECT_0) {
            return;
        }
        PostMessageA(window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    }
    if (WaitForSingleObject(process, 5000) != WAIT_OBJECT_0) {
        TerminateProcess(process, 1);
        WaitForSingleObject(process, 5000);
    }
}

// Milliseconds from CreateProcess to the first visible window, -1 if none
// came within 30 s.
double Measure(const char* command)
{
    char commandLine[2 * MAX_PATH + 8];
    snprintf(commandLine, sizeof(commandLine), "%s", command);
    STARTUPINFOA startup;
    ZeroMemory(&startup, sizeof(startup));
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info;
    LARGE_INTEGER frequency, start, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    if (!CreateProcessA(NULL, commandLine, NULL, NULL, FALSE, 0, NULL, NULL, &startup, &info)) {
        fprintf(stderr, "time_to_window: cannot start %s\n", command);
        return -1;
    }
    HWND window = NULL;
    double elapsed = -1;
    for (;;) {
        window = FindVisibleWindow(info.dwProcessId);
        QueryPerformanceCounter(&now);
        double ms = (now.QuadPart - start.QuadPart) * 1000.0 / frequency.QuadPart;
        if (window != NULL) {
            elapsed = ms;
            break;
        }
        if (ms > 30000 || WaitForSingleObject(info.hProcess, 0) == WAIT_OBJECT_0) {
            break;
        }
        Sleep(1);
    }
    CloseAndWait(info.hProcess, window);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    return elapsed;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3 || atoi(argv[1]) < 1) {
        fprintf(stderr, "usage: time_to_window ROUNDS COMMAND...\n");
        return 2;
    }
    int rounds = atoi(argv[1]);
    for (int round = 0; round <= rounds; ++round) {
        double times[16];
        int count = argc - 2 < 16 ? argc - 2 : 16;
        for (int i = 0; i < count; ++i) {
            times[i] = Measure(argv[2 + i]);
        }
        if (round == 0) {
            continue;
        }
        for (int i = 0; i < count; ++i) {
            printf(i == 0 ? "%.1f" : " %.1f", times[i]);
        }
        printf("\n");
        fflush(stdout);
    }
    return 0;
}
