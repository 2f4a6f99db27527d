// Finds and works the association dialog: the system Open dialog with the
// program's own child dialog inside it.
#ifndef KIVERAN_TESTS_OPEN_DIALOG_DRIVER_H
#define KIVERAN_TESTS_OPEN_DIALOG_DRIVER_H

#include "common/waits.h"

#include <windows.h>

#include <string>

struct OpenDialog {
    HWND window = NULL;  // the Open dialog
    HWND custom = NULL;  // the child dialog made from the program's template
    // A control of the program's own part. Identifiers 1040 and 1137 also
    // exist in the Open dialog's part, so never look them up there.
    HWND Control(int id) const;
};

// Waits until the dialog titled title of the process is visible with its
// own part and its folder view. Wine's shell may first wait 10-20 s for its
// desktop and services to come back.
OpenDialog WaitForOpenDialog(const std::string& title, DWORD processId, DWORD timeoutMs = kWaitMs);
// The file-name box: an edit 0x480 under Wine, the combo 0x47C on Windows.
HWND FileNameBox(const OpenDialog& dialog);
// The look-in combo box's text, which names the current folder.
std::string LookInText(const OpenDialog& dialog);
// Types a folder's path into the file-name box and presses OK, as a user
// moves the dialog there; true once the look-in box names the folder.
bool GoToFolder(const OpenDialog& dialog, const std::string& folder);
// Names listed in the folder view now, each followed by "|" (for messages:
// to wait for a name, WaitForListedName).
std::string ListedNames(const OpenDialog& dialog, HANDLE process);
// Waits until the folder view lists name; false when it did not within kWaitMs.
bool WaitForListedName(const OpenDialog& dialog, HANDLE process, const std::string& name);
// Waits until the folder view lists name, then selects it as a click would,
// so that the dialog itself sends its selection-change notification; true
// once it is selected.
bool SelectListedFile(const OpenDialog& dialog, HANDLE process, const std::string& name);
// Presses OK or Cancel without waiting: OK may open a message box.
void PressOk(const OpenDialog& dialog);
void PressCancel(const OpenDialog& dialog);

#endif
