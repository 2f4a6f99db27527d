#include "common/code_page_text.h"

// The longest text converted: a menu text or command of 2,047 characters.
enum { ROUND_TRIP_SIZE = 4096 };

// Code unit by code unit: lstrcmpW compares linguistically and may take a
// decomposed character for its composed form.
static int SameWideText(const WCHAR* a, const WCHAR* b)
{
    for (; *a != L'\0' && *a == *b; ++a, ++b) {
    }
    return *a == *b;
}

int WideToProgramText(const WCHAR* wide, char* output, size_t outputSize)
{
    if (output == NULL || outputSize == 0) {
        return 0;
    }
    output[0] = '\0';
    if (wide == NULL) {
        return 0;
    }
    BOOL usedDefault = FALSE;
    int length = WideCharToMultiByte(PROGRAM_CODE_PAGE, WC_NO_BEST_FIT_CHARS, wide, -1, output,
                                     (int)outputSize, NULL, &usedDefault);
    // The way back must give the same text: a mapping that is not one to one
    // is a substitute even where the flag does not say so.
    WCHAR back[ROUND_TRIP_SIZE];
    int exact = length > 0 && !usedDefault
                && MultiByteToWideChar(PROGRAM_CODE_PAGE, MB_ERR_INVALID_CHARS, output, -1, back,
                                       ROUND_TRIP_SIZE) > 0
                && SameWideText(back, wide);
    if (!exact) {
        output[0] = '\0';
    }
    return exact;
}

int ProgramTextToWide(const char* text, WCHAR* wide, size_t wideSize, UINT codePage)
{
    if (wide == NULL || wideSize == 0) {
        return 0;
    }
    wide[0] = L'\0';
    if (text == NULL
        || MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, text, -1, wide, (int)wideSize) == 0) {
        wide[0] = L'\0';
        return 0;
    }
    return 1;
}

int WideToProgramPath(const WCHAR* path, char* output)
{
    WCHAR shortPath[MAX_PATH];
    if (WideToProgramText(path, output, MAX_PATH)) {
        return 1;
    }
    DWORD length = GetShortPathNameW(path, shortPath, MAX_PATH);
    return length > 0 && length < MAX_PATH && WideToProgramText(shortPath, output, MAX_PATH);
}
