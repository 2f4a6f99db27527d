#include "common/system_library.h"

#include "common/bounded_text.h"

HMODULE LoadSystemLibrary(const char* name)
{
    char folder[MAX_PATH];
    char path[MAX_PATH];
    UINT length = GetSystemDirectoryA(folder, sizeof(folder));
    if (length == 0 || length >= sizeof(folder)
        || !FormatText(path, sizeof(path), "%s\\%s", folder, name)) {
        return NULL;
    }
    return LoadLibraryExA(path, NULL, LOAD_WITH_ALTERED_SEARCH_PATH);
}

LibraryFunction FindLibraryFunction(HMODULE library, const char* name)
{
    return (LibraryFunction)GetProcAddress(library, name);
}
