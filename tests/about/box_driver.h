// Drives the About box of about_host.exe from the test program, the way a
// user would: starts the host, finds its window, reads and works its controls
// with the mouse and the keyboard, and reads what the host logged.
#ifndef KIVERAN_TESTS_ABOUT_BOX_DRIVER_H
#define KIVERAN_TESTS_ABOUT_BOX_DRIVER_H

#include <windows.h>

#include <string>

// The test program's folder, with a trailing backslash.
std::string ProgramFolder();
// A new empty folder under the temporary folder, with a trailing backslash.
std::string NewTempFolder();
bool CopyInto(const std::string& source, const std::string& target);
// The whole file, or "" when it cannot be read.
std::string ReadWholeFile(const std::string& path);
// Waits until the file holds a line equal to line, or its whole text equals
// it when line has no line break; true when it did within timeoutMs.
bool WaitForLine(const std::string& path, const std::string& line, DWORD timeoutMs = 10000);
bool WaitForFile(const std::string& path, DWORD timeoutMs = 10000);

struct Host {
    PROCESS_INFORMATION info;
    bool started;
};
// Starts program with arguments, in the environment of the test program.
Host StartHost(const std::string& program, const std::string& arguments);
// The host's exit code once it has ended, or -1 when it did not end within
// timeoutMs (it is then ended by force).
long FinishHost(Host* host, DWORD timeoutMs = 10000);

// The visible top-level dialog of the process, or with this exact title
// (CP932) when title is not null; null when none came within timeoutMs.
HWND WaitForBox(DWORD processId, const char* title, DWORD timeoutMs = 10000);
// How many visible top-level dialogs the process has.
int CountBoxes(DWORD processId);
bool WaitForGone(HWND window, DWORD timeoutMs = 10000);

std::string WindowText(HWND window);
HWND Control(HWND box, int id);
RECT ScreenRect(HWND window);
// Sends a request of about_host_messages.h; false when the box did not
// answer within timeoutMs.
bool SendRequest(HWND box, UINT message, DWORD timeoutMs = 10000);

// Real input through the system's input queue.
bool PutCursor(int x, int y);
void MoveMouseTo(int x, int y);
void ClickAt(int x, int y);
// A left click on the window: in the middle of its height, a few pixels in
// from its left edge, where a static's text begins.
void ClickOnText(HWND window);
void PressKey(WORD key);
// Handles the test program's own messages for a while: its windows take
// part in activation, which the system settles with messages.
void PumpMessages(DWORD ms);
// Brings a window to the front, so that key presses reach it.
bool Activate(HWND window);
// Waits until the window is in front.
bool WaitForForeground(HWND window, DWORD timeoutMs = 3000);

// Pixels of a screen rectangle, counted: mostly blue (blue well above red
// and green), and dark (every channel low).
struct PixelCount {
    int blue;
    int dark;
};
PixelCount CountPixels(RECT rect);

#endif
