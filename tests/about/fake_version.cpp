// A version.dll planted beside a program, as a browser may have saved one in
// a download folder: it finds no version block anywhere, so a program that
// reads its block through it shows an empty version line. It has the UTF-16
// forms too, which Wine's own comctl32 imports: with the load order that makes
// Wine search as Windows does, comctl32 loads this copy into every process
// that uses it, whatever the program itself does.
#include <windows.h>

extern "C" DWORD WINAPI FakeGetFileVersionInfoSize(LPCVOID, LPDWORD)
{
    return 0;
}

extern "C" BOOL WINAPI FakeFails(LPCVOID, DWORD, DWORD, LPVOID)
{
    return FALSE;
}
