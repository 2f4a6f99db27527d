// A stand-in for the system's rsrc32.dll, built twice: with its one export
// "_MyGetFreeSystemResources32@4" (fake_rsrc32.def) and, for the missing
// function, under the undecorated name "MyGetFreeSystemResources32" only
// (fake_rsrc32_undecorated.def).
//
// It answers KIVERAN_FAKE_RESOURCES (default 73) plus the selector, so that a
// test can tell which answer went to which output, and appends to the file
// named by KIVERAN_FAKE_RESOURCES_LOG: "a" when loaded, the selector of each
// call, "d" when freed by FreeLibrary and "x" when unloaded at process exit.
#include <windows.h>

#include <stdio.h>
#include <stdlib.h>

static void Note(const char* text)
{
    char path[MAX_PATH];
    DWORD length = GetEnvironmentVariableA("KIVERAN_FAKE_RESOURCES_LOG", path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return;
    }
    FILE* file = fopen(path, "a");
    if (file != NULL) {
        fputs(text, file);
        fclose(file);
    }
}

extern "C" int WINAPI FakeFreeSystemResources(int selector)
{
    char figure[32];
    DWORD length = GetEnvironmentVariableA("KIVERAN_FAKE_RESOURCES", figure, sizeof(figure));
    long long base = (length == 0 || length >= sizeof(figure)) ? 73 : strtoll(figure, NULL, 10);
    char call[16];
    snprintf(call, sizeof(call), "%d", selector);
    Note(call);
    // Wraps like the 32-bit arithmetic of a real library would.
    return (int)(unsigned int)(base + selector);
}

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved)
{
    if (reason == DLL_PROCESS_ATTACH) {
        Note("a");
    } else if (reason == DLL_PROCESS_DETACH) {
        Note(reserved == NULL ? "d" : "x");
    }
    return TRUE;
}
