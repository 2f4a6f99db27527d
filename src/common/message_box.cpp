#include "common/message_box.h"

int ShowMessage(HWND owner, const char* caption, const char* text, UINT style)
{
    // The icon bits (MB_ICONHAND .. MB_ICONASTERISK) pick the beep's sound.
    MessageBeep(style & 0x70);
    return MessageBoxA(owner, text, caption, style);
}
