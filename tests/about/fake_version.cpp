// A version.dll planted beside a program: it finds no version block, so a
// program that reads its block through it shows an empty version line. It
// has the UTF-16 forms too, which Wine's own comctl32 imports (and loads from
// beside the program under the load order that searches as Windows does).
#include <windows.h>

extern "C" DWORD WINAPI FakeGetFileVersionInfoSize(LPCVOID, LPDWORD)
{
    return 0;
}

extern "C" BOOL WINAPI FakeFails(LPCVOID, DWORD, DWORD, LPVOID)
{
    return FALSE;
}
