// STUB
#include "association/picked_program.h"
#include "common/code_page_text.h"
const char kPickedProgramCaption[] = "このプログラムは使えません";
int ResolvePickedProgram(const WCHAR* picked, char* program)
{
    WCHAR shortPath[MAX_PATH];
    if (WideToProgramText(picked, program, MAX_PATH)) return PICKED_PROGRAM_OK;
    DWORD n = GetShortPathNameW(picked, shortPath, MAX_PATH);
    if (n > 0 && n < MAX_PATH && WideToProgramText(shortPath, program, MAX_PATH)) return PICKED_PROGRAM_OK;
    return PICKED_NAME_NOT_CONVERTIBLE;
}
const char* DescribePickedProgramFault(int) { return "stub"; }
