// The three functions of Windows' version.dll that read a file's version
// block. The library is not a KnownDLL: imported by name, Windows would look
// for it beside the program first, where anyone who could save a file in the
// download folder could have put one. It is loaded by its full path in the
// system folder, only while the About box reads the block.
#ifndef KIVERAN_ABOUT_VERSION_LIBRARY_H
#define KIVERAN_ABOUT_VERSION_LIBRARY_H

#include <windows.h>

typedef DWORD(WINAPI* GetFileVersionInfoSizeProc)(LPCSTR path, LPDWORD handle);
typedef BOOL(WINAPI* GetFileVersionInfoProc)(LPCSTR path, DWORD handle, DWORD size, LPVOID block);
typedef BOOL(WINAPI* VerQueryValueProc)(LPCVOID block, LPCSTR subBlock, LPVOID* value, PUINT length);

struct VersionLibrary {
    HMODULE module;
    GetFileVersionInfoSizeProc getFileVersionInfoSize;
    GetFileVersionInfoProc getFileVersionInfo;
    VerQueryValueProc verQueryValue;
};

// 1 with the library and all three functions; 0, with everything null, when
// the library or one of them is missing.
int LoadVersionLibrary(VersionLibrary* library);

// Frees the library; the record is then empty.
void FreeVersionLibrary(VersionLibrary* library);

#endif
