// The program path that a file picked in the Open dialog gives the command
// line: a shortcut gives its target, and the path is the file's own name in
// code page 932, or its short form, never a substituted one.
#ifndef KIVERAN_ASSOCIATION_DIALOG_PICKED_PROGRAM_H
#define KIVERAN_ASSOCIATION_DIALOG_PICKED_PROGRAM_H

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

// The caption and the text (Shift-JIS, into size bytes of text; empty for
// PICKED_PROGRAM_OK) that tell the user about a fault code.
extern const char kPickedProgramCaption[];
void DescribePickedProgramFault(int code, char* text, size_t size);

#endif
