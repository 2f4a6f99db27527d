// Drives the program's real windows from a test program running in the same
// Wine session: starts processes, waits for windows, reads and works controls.
#ifndef KIVERAN_TESTS_WINDOW_DRIVER_H
#define KIVERAN_TESTS_WINDOW_DRIVER_H

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

// A started program; Finish waits for its end and gives its exit code.
struct Program {
    PROCESS_INFORMATION info = {};
    bool started = false;
};
// Starts in folder as its current folder, or in the test's own when empty.
Program StartProgram(const std::string& commandLine, const std::string& folder = "");
// Exit code, or -1 when it did not end within timeoutMs (it is then killed).
long FinishProgram(Program* program, DWORD timeoutMs = 15000);
bool HasExited(const Program& program);
// Waits until no process runs a program file named like the one at path;
// false when one still did after timeoutMs. Proves that a program the shell
// started for a process that has since ended is done: ShellExecute creates
// the process before it returns (Wine's shell calls CreateProcess itself),
// so once the caller has ended, that process is either listed or finished.
bool WaitForNoProcessOf(const std::string& path, DWORD timeoutMs = 15000);

// The visible top-level window with this exact title (CP932) belonging to
// the process (0: any), waiting up to timeoutMs; null when none came.
HWND WaitForWindow(const std::string& title, DWORD processId, DWORD timeoutMs = 15000);
// Any visible top-level window of the process, null when none came.
HWND WaitForAnyWindow(DWORD processId, DWORD timeoutMs = 15000);
bool WaitForWindowGone(HWND window, DWORD timeoutMs = 15000);
// Gives the window's process time to handle what was posted to it.
void Settle(HWND window);

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
