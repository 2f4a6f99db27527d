// Drives the program's real windows from a test program running in the same
// Wine session: starts processes, waits for windows, reads and works controls.
// Every wait and every message to another process's window is bounded by
// kWaitMs (common/waits.h).
#ifndef KIVERAN_TESTS_WINDOW_DRIVER_H
#define KIVERAN_TESTS_WINDOW_DRIVER_H

#include "common/waits.h"

#include <windows.h>

#include <string>

// The folder of the running test program (the build's bin folder), with a
// trailing backslash.
std::string BinFolder();
// A new empty folder under the prefix's temporary folder, with a trailing backslash.
std::string MakeTempFolder(const char* prefix);
void WriteFileText(const std::string& path, const std::string& text);
bool ReadFileText(const std::string& path, std::string* text);
// The whole file, or "" when it cannot be read.
std::string ReadFileText(const std::string& path);
bool FileExists(const std::string& path);

// A started program, owning its process: when it goes while the program
// still runs (a failed assertion left the test early), the process is
// ended at once, its windows and message boxes with it, so that the test
// ends without waiting for CTest's timeout and leaves nothing to the next.
// FinishProgram waits for its end and gives its exit code. Move-only.
struct Program {
    PROCESS_INFORMATION info = {};
    bool started = false;

    Program() = default;
    Program(Program&& other);
    Program& operator=(Program&& other);
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;
    ~Program();
    DWORD Id() const { return info.dwProcessId; }
};
// Starts in folder as its current folder, or in the test's own when empty.
Program StartProgram(const std::string& commandLine, const std::string& folder = "");
// The same with an exact UTF-16 command line, as the shell starts a program
// for a file whose name code page 932 cannot hold.
Program StartWideProgram(const std::wstring& commandLine, HANDLE token = NULL);
// Exit code, or -1 when it did not end within timeoutMs (it is then ended).
long FinishProgram(Program* program, DWORD timeoutMs = kWaitMs);
bool HasExited(const Program& program);
// Waits until no process runs a program file named like the one at path;
// false when one still did after timeoutMs. Proves that a program the shell
// started for a process that has since ended is done: ShellExecute creates
// the process before it returns (Wine's shell calls CreateProcess itself),
// so once the caller has ended, that process is either listed or finished.
bool WaitForNoProcessOf(const std::string& path, DWORD timeoutMs = kWaitMs);

// The visible top-level window with this exact title (CP932) belonging to
// the process (0: any), waiting up to timeoutMs; null when none came.
HWND WaitForWindow(const std::string& title, DWORD processId, DWORD timeoutMs = kWaitMs);
// Any visible top-level window of the process, null when none came.
HWND WaitForAnyWindow(DWORD processId, DWORD timeoutMs = kWaitMs);
bool WaitForWindowGone(HWND window, DWORD timeoutMs = kWaitMs);
// Waits until the window's thread has handled what was sent to it before.
void Settle(HWND window);

// Sends a message to a window of another process and gives the result, or
// 0 when the window's thread did not handle it within kWaitMs: a program
// that stopped answering fails the test instead of holding it.
LRESULT SendWithin(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
std::string GetText(HWND window);
void SetText(HWND window, const std::string& text);
// Stands for the user's typing: the edit's text, marked as modified (which
// WM_SETTEXT clears).
void TypeText(HWND edit, const std::string& text);
// A direct child with this identifier, null when there is none.
HWND ChildById(HWND parent, int id);
// Clicks a button and waits until its dialog has handled the click.
void ClickButton(HWND button);
// Clicks without waiting: for buttons that end a modal loop or open another.
void PostClick(HWND button);
bool IsChecked(HWND button);

// The caption and text of a message box (its text is the static 0xFFFF).
struct MessageBoxTexts {
    std::string caption;
    std::string text;
};
MessageBoxTexts ReadMessageBox(HWND box);

#endif
