// What the About box tests need beyond common/window_driver.h: real mouse and
// keyboard input, the focus and the Z order, the host's requests and log, and
// the box's pixels on the screen.
#ifndef KIVERAN_TESTS_ABOUT_BOX_DRIVER_H
#define KIVERAN_TESTS_ABOUT_BOX_DRIVER_H

#include "common/waits.h"

#include <windows.h>

#include <string>

bool CopyInto(const std::string& source, const std::string& target);
// Waits until the file holds a line equal to line, or its whole text equals
// it when line has no line break; true when it did within timeoutMs.
bool WaitForLine(const std::string& path, const std::string& line, DWORD timeoutMs = kWaitMs);
bool WaitForFile(const std::string& path, DWORD timeoutMs = kWaitMs);

// How many visible top-level dialogs the process has.
int CountBoxes(DWORD processId);

RECT ScreenRect(HWND window);
// Sends a request of about_host_messages.h; false when the box did not
// answer within timeoutMs.
bool SendRequest(HWND box, UINT message, DWORD timeoutMs = kWaitMs);

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
// Brings a window to the front, so that key presses reach it; false when
// it was not in front within kWaitMs.
bool Activate(HWND window);
// Waits until the window is in front.
bool WaitForForeground(HWND window, DWORD timeoutMs = kWaitMs);

// Pixels of a screen rectangle, counted: mostly blue (blue well above red
// and green), and dark (every channel low).
struct PixelCount {
    int blue;
    int dark;
};
PixelCount CountPixels(RECT rect);

#endif
