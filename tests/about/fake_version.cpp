// A version.dll planted beside a program, as a browser may have saved one in
// a download folder: its functions find no version block anywhere, so a
// program that reads its block through it shows an empty version line. It
// has the UTF-16 forms too, which Wine's own comctl32 imports: with the load
// order that makes Wine search as Windows does, comctl32 loads this copy
// into every process that uses it, whatever the program itself does.
#include <windows.h>

extern "C" DWORD WINAPI FakeGetFileVersionInfoSize(LPCVOID, LPDWORD handle)
{
    if (handle != NULL) {
        *handle = 0;
    }
    SetLastError(ERROR_RESOURCE_TYPE_NOT_FOUND);
    return 0;
}

extern "C" BOOL WINAPI FakeGetFileVersionInfo(LPCVOID, DWORD, DWORD, LPVOID)
{
    SetLastError(ERROR_RESOURCE_TYPE_NOT_FOUND);
    return FALSE;
}

extern "C" BOOL WINAPI FakeVerQueryValue(LPCVOID, LPCVOID, LPVOID* value, PUINT length)
{
    if (value != NULL) {
        *value = NULL;
    }
    if (length != NULL) {
        *length = 0;
    }
    return FALSE;
}
