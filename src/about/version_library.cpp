#include "about/version_library.h"

#include "path/system_library.h"

// Through the generic function pointer type, which converts to any other
// without a warning.
static void (*FindFunction(HMODULE module, const char* name))(void)
{
    return (void (*)(void))GetProcAddress(module, name);
}

int LoadVersionLibrary(VersionLibrary* library)
{
    library->module = LoadSystemLibrary("version.dll");
    library->getFileVersionInfoSize = NULL;
    library->getFileVersionInfo = NULL;
    library->verQueryValue = NULL;
    if (library->module == NULL) {
        return 0;
    }
    library->getFileVersionInfoSize =
        (GetFileVersionInfoSizeProc)FindFunction(library->module, "GetFileVersionInfoSizeA");
    library->getFileVersionInfo = (GetFileVersionInfoProc)FindFunction(library->module, "GetFileVersionInfoA");
    library->verQueryValue = (VerQueryValueProc)FindFunction(library->module, "VerQueryValueA");
    if (library->getFileVersionInfoSize == NULL || library->getFileVersionInfo == NULL
        || library->verQueryValue == NULL) {
        FreeVersionLibrary(library);
        return 0;
    }
    return 1;
}

void FreeVersionLibrary(VersionLibrary* library)
{
    if (library->module != NULL) {
        FreeLibrary(library->module);
    }
    library->module = NULL;
    library->getFileVersionInfoSize = NULL;
    library->getFileVersionInfo = NULL;
    library->verQueryValue = NULL;
}
