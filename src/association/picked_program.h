// The program path that a file picked in the Open dialog gives the command
// line: a shortcut gives its target, and the path is the file's own name in
// code page 932, or its short form, never a substituted one.
#ifndef KIVERAN_ASSOCIATION_PICKED_PROGRAM_H
#define KIVERAN_ASSOCIATION_PICKED_PROGRAM_H

#include <windows.h>

enum {
    PICKED_PROGRAM_OK = 0,
    // Neither the path nor its short form converts exactly and fits MAX_PATH.
    PICKED_NAME_NOT_CONVERTIBLE = 1,
    // A Windows Installer shortcut: it names a product, not a file.
    PICKED_SHORTCUT_ADVERTISED = 2,
    // A shortcut that cannot be read or names no file (a folder, a shell
    // object such as the Control Panel, a web address).
    PICKED_SHORTCUT_WITHOUT_FILE = 3,
    PICKED_SHORTCUT_TARGET_MISSING = 4,
    // No such file, or a folder.
    PICKED_FILE_MISSING = 5,
};

// picked: the full path of the file chosen. Fills program (MAX_PATH bytes)
// and returns PICKED_PROGRAM_OK; otherwise a fault code and program empty.
// A name ending in ".lnk" is read as a shortcut, which needs COM initialised
// on the calling thread.
int ResolvePickedProgram(const WCHAR* picked, char* program);

// The caption and the text (Shift-JIS) that tell the user about a fault code.
extern const char kPickedProgramCaption[];
const char* DescribePickedProgramFault(int code);

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

#endif
