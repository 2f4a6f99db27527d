// The icon the shell shows for a file, which for a program other than this
// one may come from anywhere (its type, a handler). The program shows its
// own icon from its resources (module_file.h); a file of its own keeps the
// shell's import out of a program that does not ask for it.
#ifndef KIVERAN_PATH_FILE_ICON_H
#define KIVERAN_PATH_FILE_ICON_H

#include <windows.h>

// The icon the shell shows for path; SHGFI_ICON is always added to flags
// (0 for the large icon, SHGFI_SMALLICON for the small one). Null when the
// shell gives none.
HICON GetFileIcon(const char* path, UINT flags);

#endif
