#include "common/window_driver.h"

#include <tlhelp32.h>

#include <cstdio>
#include <vector>

std::string BinFolder()
{
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(NULL, path, MAX_PATH);
    std::string folder(path, length);
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

std::string MakeTempFolder(const char* prefix)
{
    static unsigned counter = 0;
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    char name[MAX_PATH + 64];
    snprintf(name, sizeof(name), "%s%s%lx_%u", temp, prefix, GetCurrentProcessId(), ++counter);
    CreateDirectoryA(name, NULL);
    return std::string(name) + "\\";
}

void WriteFileText(const std::string& path, const std::string& text)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    if (file == INVALID_HANDLE_VALUE) {
        return;
    }
    DWORD written = 0;
    WriteFile(file, text.data(), (DWORD)text.size(), &written, NULL);
    CloseHandle(file);
}

bool ReadFileText(const std::string& path, std::string* text)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL,
                              OPEN_EXISTING, 0, NULL);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    std::vector<char> buffer(65536);
    DWORD read = 0;
    ReadFile(file, buffer.data(), (DWORD)buffer.size(), &read, NULL);
    CloseHandle(file);
    text->assign(buffer.data(), read);
    return true;
}

std::string ReadFileText(const std::string& path)
{
    std::string text;
    ReadFileText(path, &text);
    return text;
}

bool FileExists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

Program StartProgram(const std::string& commandLine, const std::string& folder)
{
    Program program;
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    program.started = CreateProcessA(NULL, line.data(), NULL, NULL, FALSE, 0, NULL,
                                     folder.empty() ? NULL : folder.c_str(), &startup,
                                     &program.info) != FALSE;
    if (program.started) {
        WaitForInputIdle(program.info.hProcess, 5000);
    }
    return program;
}

long FinishProgram(Program* program, DWORD timeoutMs)
{
    if (!program->started) {
        return -1;
    }
    long result = -1;
    if (WaitForSingleObject(program->info.hProcess, timeoutMs) == WAIT_OBJECT_0) {
        DWORD code = 0;
        GetExitCodeProcess(program->info.hProcess, &code);
        result = (long)code;
    } else {
        TerminateProcess(program->info.hProcess, 99);
        WaitForSingleObject(program->info.hProcess, 5000);
    }
    CloseHandle(program->info.hThread);
    CloseHandle(program->info.hProcess);
    program->started = false;
    return result;
}

bool HasExited(const Program& program)
{
    return !program.started || WaitForSingleObject(program.info.hProcess, 0) == WAIT_OBJECT_0;
}

namespace {

std::string FileName(const std::string& path)
{
    return path.substr(path.find_last_of('\\') + 1);
}

// By the file name alone: a process of that name started from another
// folder only makes the wait longer, never shorter.
bool IsRunning(const std::string& path)
{
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) {
        return true;
    }
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof(entry);
    bool running = false;
    for (BOOL more = Process32First(snapshot, &entry); more && !running; more = Process32Next(snapshot, &entry)) {
        running = lstrcmpiA(FileName(entry.szExeFile).c_str(), FileName(path).c_str()) == 0;
    }
    CloseHandle(snapshot);
    return running;
}

}  // namespace

bool WaitForNoProcessOf(const std::string& path, DWORD timeoutMs)
{
    DWORD start = GetTickCount();
    while (IsRunning(path)) {
        if (GetTickCount() - start > timeoutMs) {
            return false;
        }
        Sleep(20);
    }
    return true;
}

namespace {

struct Search {
    std::string title;
    bool anyTitle;
    DWORD processId;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM parameter)
{
    Search* search = (Search*)parameter;
    if (!IsWindowVisible(window)) {
        return TRUE;
    }
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (search->processId != 0 && owner != search->processId) {
        return TRUE;
    }
    if (!search->anyTitle && GetText(window) != search->title) {
        return TRUE;
    }
    search->found = window;
    return FALSE;
}

HWND Wait(Search* search, DWORD timeoutMs)
{
    DWORD start = GetTickCount();
    for (;;) {
        search->found = NULL;
        EnumWindows(MatchWindow, (LPARAM)search);
        if (search->found != NULL || GetTickCount() - start > timeoutMs) {
            return search->found;
        }
        Sleep(20);
    }
}

}  // namespace

HWND WaitForWindow(const std::string& title, DWORD processId, DWORD timeoutMs)
{
    Search search = {title, false, processId, NULL};
    return Wait(&search, timeoutMs);
}

HWND WaitForAnyWindow(DWORD processId, DWORD timeoutMs)
{
    Search search = {"", true, processId, NULL};
    return Wait(&search, timeoutMs);
}

bool WaitForWindowGone(HWND window, DWORD timeoutMs)
{
    DWORD start = GetTickCount();
    while (IsWindow(window) && IsWindowVisible(window)) {
        if (GetTickCount() - start > timeoutMs) {
            return false;
        }
        Sleep(20);
    }
    return true;
}

void Settle(HWND window)
{
    DWORD_PTR result = 0;
    SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result);
}

std::string GetText(HWND window)
{
    // With a time limit, so that a program that stopped answering fails the
    // test instead of holding it.
    char text[4096];
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXT, sizeof(text), (LPARAM)text, SMTO_NORMAL, 5000, &length)
        || length >= sizeof(text)) {
        return "";
    }
    return std::string(text, (size_t)length);
}

void SetText(HWND window, const std::string& text)
{
    SendMessageA(window, WM_SETTEXT, 0, (LPARAM)text.c_str());
}

void TypeText(HWND edit, const std::string& text)
{
    SetText(edit, text);
    SendMessageA(edit, EM_SETMODIFY, TRUE, 0);
}

HWND ChildById(HWND parent, int id)
{
    for (HWND child = GetWindow(parent, GW_CHILD); child != NULL; child = GetWindow(child, GW_HWNDNEXT)) {
        if (GetDlgCtrlID(child) == id) {
            return child;
        }
    }
    return NULL;
}

void ClickButton(HWND button)
{
    SendMessageA(button, BM_CLICK, 0, 0);
    Settle(GetParent(button));
}

void PostClick(HWND button)
{
    PostMessageA(button, BM_CLICK, 0, 0);
}

bool IsChecked(HWND button)
{
    return SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

MessageBoxTexts ReadMessageBox(HWND box)
{
    MessageBoxTexts texts;
    texts.caption = GetText(box);
    HWND text = GetDlgItem(box, 0xFFFF);
    if (text != NULL) {
        texts.text = GetText(text);
    }
    return texts;
}
