#include "about/version_library.h"

#include "common/system_library.h"

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
        (GetFileVersionInfoSizeProc)FindLibraryFunction(library->module, "GetFileVersionInfoSizeA");
    library->getFileVersionInfo = (GetFileVersionInfoProc)FindLibraryFunction(library->module, "GetFileVersionInfoA");
    library->verQueryValue = (VerQueryValueProc)FindLibraryFunction(library->module, "VerQueryValueA");
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
