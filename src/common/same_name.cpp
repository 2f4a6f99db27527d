#include "common/same_name.h"

#include <string.h>

#include "common/code_page_text.h"

enum { NAME_SIZE = 264 };

static WCHAR UpperCase(WCHAR c)
{
    CharUpperBuffW(&c, 1);
    return c;
}

int IsSameName(const WCHAR* a, const WCHAR* b)
{
    for (; *a != L'\0' && UpperCase(*a) == UpperCase(*b); ++a, ++b) {
    }
    return UpperCase(*a) == UpperCase(*b);
}

int IsSameProgramName(const char* a, const char* b)
{
    WCHAR wideA[NAME_SIZE];
    WCHAR wideB[NAME_SIZE];
    if (ProgramTextToWide(a, wideA, NAME_SIZE) && ProgramTextToWide(b, wideB, NAME_SIZE)) {
        return IsSameName(wideA, wideB);
    }
    // Byte for byte where a name does not convert or is longer than any key name.
    return strcmp(a, b) == 0;
}
