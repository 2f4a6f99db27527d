#include "box_driver.h"

#include "common/window_driver.h"

bool CopyInto(const std::string& source, const std::string& target)
{
    return CopyFileA(source.c_str(), target.c_str(), FALSE) != FALSE;
}

static bool HasLine(const std::string& text, const std::string& line)
{
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find('\n', start);
        std::string current = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (!current.empty() && current.back() == '\r') {
            current.pop_back();
        }
        if (current == line) {
            return true;
        }
        if (end == std::string::npos) {
            break;
        }
        start = end + 1;
    }
    return false;
}

bool WaitForLine(const std::string& path, const std::string& line, DWORD timeoutMs)
{
    return WaitUntil([&] { return HasLine(ReadFileText(path), line); }, timeoutMs);
}

bool WaitForFile(const std::string& path, DWORD timeoutMs)
{
    return WaitUntil([&] { return FileExists(path); }, timeoutMs);
}

namespace {

struct BoxCount {
    DWORD processId;
    int count;
};

BOOL CALLBACK CountBox(HWND window, LPARAM parameter)
{
    BoxCount* search = (BoxCount*)parameter;
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char className[64] = "";
    GetClassNameA(window, className, sizeof(className));
    if (owner == search->processId && IsWindowVisible(window) && lstrcmpA(className, "#32770") == 0) {
        ++search->count;
    }
    return TRUE;
}

}  // namespace

int CountBoxes(DWORD processId)
{
    BoxCount search = {processId, 0};
    EnumWindows(CountBox, (LPARAM)&search);
    return search.count;
}

RECT ScreenRect(HWND window)
{
    RECT rect = {};
    GetWindowRect(window, &rect);
    return rect;
}

bool SendRequest(HWND box, UINT message, DWORD timeoutMs)
{
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(box, message, 0, 0, SMTO_NORMAL, timeoutMs, &result) != 0;
}

bool PutCursor(int x, int y)
{
    POINT at = {};
    return SetCursorPos(x, y) && GetCursorPos(&at) && at.x == x && at.y == y;
}

void MoveMouseTo(int x, int y)
{
    // Absolute mouse input is given in 0..65535 across the primary screen.
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = (LONG)(((long long)x * 65536 + 65535) / GetSystemMetrics(SM_CXSCREEN));
    input.mi.dy = (LONG)(((long long)y * 65536 + 65535) / GetSystemMetrics(SM_CYSCREEN));
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof(input));
    Sleep(100);
}

void ClickAt(int x, int y)
{
    MoveMouseTo(x, y);
    INPUT inputs[2] = {};
    inputs[0].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[1].type = INPUT_MOUSE;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, inputs, sizeof(INPUT));
}

void ClickOnText(HWND window)
{
    RECT rect = ScreenRect(window);
    ClickAt(rect.left + 4, (rect.top + rect.bottom) / 2);
}

void PressKey(WORD key)
{
    INPUT inputs[2] = {};
    inputs[0].type = INPUT_KEYBOARD;
    inputs[0].ki.wVk = key;
    inputs[1].type = INPUT_KEYBOARD;
    inputs[1].ki.wVk = key;
    inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, inputs, sizeof(INPUT));
}

void PumpMessages(DWORD ms)
{
    DWORD start = GetTickCount();
    do {
        MSG message;
        while (PeekMessageA(&message, NULL, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        Sleep(10);
    } while (GetTickCount() - start < ms);
}

bool Activate(HWND window)
{
    return WaitUntil([&] {
        if (GetForegroundWindow() == window) {
            return true;
        }
        SetForegroundWindow(window);
        PumpMessages(100);
        return GetForegroundWindow() == window;
    });
}

bool WaitForForeground(HWND window, DWORD timeoutMs)
{
    return WaitUntil(
        [&] {
            PumpMessages(0);
            return GetForegroundWindow() == window;
        },
        timeoutMs);
}

PixelCount CountPixels(RECT rect)
{
    PixelCount count = {0, 0};
    int width = rect.right - rect.left;
    int height = rect.bottom - rect.top;
    HDC screen = GetDC(NULL);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = NULL;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, NULL, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    GdiFlush();
    const unsigned char* pixel = (const unsigned char*)bits;
    for (int i = 0; i < width * height; ++i, pixel += 4) {
        int blue = pixel[0], green = pixel[1], red = pixel[2];
        if (blue > 128 && blue - red > 80 && blue - green > 80) {
            ++count.blue;
        }
        if (blue < 96 && green < 96 && red < 96) {
            ++count.dark;
        }
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(NULL, screen);
    return count;
}
