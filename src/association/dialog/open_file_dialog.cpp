#include "association/dialog/open_file_dialog.h"

#include <stddef.h>

#include "association/assoc_request.h"
#include "common/bounded_text.h"
#include "path/sjis_path.h"

// The record as Windows 95 and NT 4 knew it (OPENFILENAME_SIZE_VERSION_400):
// the fields added in Windows 2000 stay off. 76 bytes on 32-bit Windows; the
// same record, with 64-bit pointers, on 64-bit Windows.
// (OPENFILENAME_SIZE_VERSION_400A, written as a constant expression.)
static constexpr DWORD kOpenFileNameSize =
    offsetof(OPENFILENAMEA, lpTemplateName) + sizeof(LPCSTR);
#ifndef _WIN64
static_assert(kOpenFileNameSize == 76, "the 32-bit version-4.00 record");
#endif
BOOL OpenFileDialogEx(HWND owner, HINSTANCE instance, const char* templateName,
                      LPOFNHOOKPROC hook, DWORD extraFlags, char* fileBuffer,
                      const char* initialPath, const char* title, const char* filter,
                      LPARAM customData)
{
    // initialPath may be fileBuffer itself: split a copy before writing it.
    char folder[ASSOC_KEY_NAME_SIZE];
    CopyText(folder, sizeof(folder), initialPath);
    CopyText(fileBuffer, MAX_PATH, SplitFileName(folder));

    OPENFILENAMEA dialog;
    ZeroMemory(&dialog, sizeof(dialog));
    dialog.lStructSize = kOpenFileNameSize;
    dialog.hwndOwner = owner;
    dialog.hInstance = instance;
    dialog.lpstrFilter = filter;
    dialog.nFilterIndex = 0;
    dialog.lpstrFile = fileBuffer;
    dialog.nMaxFile = MAX_PATH;
    dialog.lpstrInitialDir = folder;
    dialog.lpstrTitle = title;
    dialog.Flags = extraFlags | OPEN_FILE_BASE_FLAGS;
    dialog.lCustData = customData;
    dialog.lpfnHook = hook;
    dialog.lpTemplateName = templateName;
    return GetOpenFileNameA(&dialog);
}

