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

namespace {

// The exit code of a program the tests ended.
const UINT kEndedCode = 99;

// Ends the process, waits until it is gone (its windows with it) and
// closes its handles.
void End(Program* program)
{
    if (!program->started) {
        return;
    }
    TerminateProcess(program->info.hProcess, kEndedCode);
    WaitForSingleObject(program->info.hProcess, kWaitMs);
    CloseHandle(program->info.hThread);
    CloseHandle(program->info.hProcess);
    program->started = false;
}

// Waits until the new process takes input (or ends): its first window may
// then come.
Program Started(BOOL created, const PROCESS_INFORMATION& info)
{
    Program program;
    program.started = created != FALSE;
    if (program.started) {
        program.info = info;
        WaitForInputIdle(program.info.hProcess, kWaitMs);
    }
    return program;
}

}  // namespace

Program::Program(Program&& other) : info(other.info), started(other.started)
{
    other.started = false;
}

Program& Program::operator=(Program&& other)
{
    if (this != &other) {
        End(this);
        info = other.info;
        started = other.started;
        other.started = false;
    }
    return *this;
}

Program::~Program()
{
    End(this);
}

Program StartProgram(const std::string& commandLine, const std::string& folder)
{
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info = {};
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    BOOL created = CreateProcessA(NULL, line.data(), NULL, NULL, FALSE, 0, NULL,
                                  folder.empty() ? NULL : folder.c_str(), &startup, &info);
    return Started(created, info);
}

Program StartWideProgram(const std::wstring& commandLine, HANDLE token)
{
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info = {};
    std::vector<WCHAR> line(commandLine.begin(), commandLine.end());
    line.push_back(L'\0');
    BOOL created = token != NULL
                       ? CreateProcessAsUserW(token, NULL, line.data(), NULL, NULL, FALSE, 0, NULL, NULL, &startup, &info)
                       : CreateProcessW(NULL, line.data(), NULL, NULL, FALSE, 0, NULL, NULL, &startup, &info);
    return Started(created, info);
}

namespace {

// Names the program's visible windows on the error stream: a program that
// did not end is most often waiting on a message box, and its caption says
// which.
BOOL CALLBACK ReportIfVisible(HWND window, LPARAM processId)
{
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == (DWORD)processId && IsWindowVisible(window)) {
        char title[256] = "";
        GetWindowTextA(window, title, sizeof(title));
        fprintf(stderr, "The program still shows a window titled \"%s\".\n", title);
    }
    return TRUE;
}

}  // namespace

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
    } else if (timeoutMs != 0) {
        EnumWindows(ReportIfVisible, (LPARAM)program->Id());
    }
    End(program);
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
    return WaitUntil([&] { return !IsRunning(path); }, timeoutMs);
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
    WaitUntil(
        [&] {
            search->found = NULL;
            EnumWindows(MatchWindow, (LPARAM)search);
            return search->found != NULL;
        },
        timeoutMs);
    return search->found;
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
    return WaitUntil([&] { return !IsWindow(window) || !IsWindowVisible(window); }, timeoutMs);
}

void Settle(HWND window)
{
    SendWithin(window, WM_NULL, 0, 0);
}

LRESULT SendWithin(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL, kWaitMs, &result)) {
        return 0;
    }
    return (LRESULT)result;
}

std::string GetText(HWND window)
{
    char text[4096];
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXT, sizeof(text), (LPARAM)text, SMTO_NORMAL, kWaitMs, &length)
        || length >= sizeof(text)) {
        return "";
    }
    return std::string(text, (size_t)length);
}

void SetText(HWND window, const std::string& text)
{
    SendWithin(window, WM_SETTEXT, 0, (LPARAM)text.c_str());
}

void TypeText(HWND edit, const std::string& text)
{
    SetText(edit, text);
    SendWithin(edit, EM_SETMODIFY, TRUE, 0);
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
    SendWithin(button, BM_CLICK, 0, 0);
    Settle(GetParent(button));
}

void PostClick(HWND button)
{
    PostMessageA(button, BM_CLICK, 0, 0);
}

bool IsChecked(HWND button)
{
    return SendWithin(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
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
