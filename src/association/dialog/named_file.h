// What the Open dialog names: its file-name box and the file it names, in
// UTF-16, since the dialog's own A answers may be substitutes.
#ifndef KIVERAN_ASSOCIATION_DIALOG_NAMED_FILE_H
#define KIVERAN_ASSOCIATION_DIALOG_NAMED_FILE_H

#include <windows.h>

// The Open dialog's file-name box: a combo box on Windows, an edit under Wine.
HWND GetFileNameBox(HWND openDialog);

// The file the Open dialog names, in UTF-16 (MAX_PATH characters): the name
// in its file-name box, typed or selected, in the folder it shows; a full
// path stands alone. Windows' dialog may show a name without its extension:
// the first of the returned file's (returnedFile, or null), .lnk and the
// filter's extensions that makes it a file is added. 0 when the box is
// empty, the folder has no file-system path, or the path does not fit.
int GetNamedFile(HWND openDialog, const char* returnedFile, WCHAR* path);
// The long form of path (MAX_PATH characters), or path itself where it has
// none (a file that is gone): short and long forms of one file then compare
// equal with IsSameName.
void GetLongForm(const WCHAR* path, WCHAR* longPath);
// The file name of path: what follows its last backslash.
const WCHAR* FindFileName(const WCHAR* path);

// Whether path names an existing file (not a folder).
int IsFile(const WCHAR* path);

#endif
