// The system Open dialog with a hook and a child template.
#ifndef KIVERAN_ASSOCIATION_DIALOG_OPEN_FILE_DIALOG_H
#define KIVERAN_ASSOCIATION_DIALOG_OPEN_FILE_DIALOG_H

#include <windows.h>
#include <commdlg.h>

// The flags every such dialog gets, beside the caller's: an existing folder,
// Explorer style, resizable. The file named need not exist: the caller
// decides what a missing one means.
const DWORD OPEN_FILE_BASE_FLAGS = OFN_PATHMUSTEXIST | OFN_EXPLORER | OFN_ENABLESIZING;

// GetOpenFileNameA with a hook and a child template, opened in the folder of
// initialPath with its file name (written into fileBuffer, MAX_PATH bytes).
BOOL OpenFileDialogEx(HWND owner, HINSTANCE instance, const char* templateName,
                      LPOFNHOOKPROC hook, DWORD extraFlags, char* fileBuffer,
                      const char* initialPath, const char* title, const char* filter,
                      LPARAM customData);

#endif
