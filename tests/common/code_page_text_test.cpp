// The one crossing between UTF-16 and code page 932, against Windows' own
// tables: what they best-fit is refused, what they map one to one passes.
#include "common/code_page_text.h"

#include <gtest/gtest.h>

#include <string>

TEST(WideToProgramText, OnlyExactConversionsPass)
{
    struct Row {
        const char* name;
        const wchar_t* wide;
        const char* expected;  // null: refused
    };
    const Row rows[] = {
        {"ASCII", L"C:\\work\\memo.txt", "C:\\work\\memo.txt"},
        {"trail byte 0x5C", L"\x8868\x30bd.exe", "\x95\x5c\x83\x5c.exe"},  // 表ソ.exe
        {"half-width katakana", L"\xff83\xff9e", "\xc3\xde"},
        {"yen sign best-fits to the backslash", L"C:\\work\\\x00a5" L"100.txt", nullptr},
        {"e acute best-fits to e", L"caf\x00e9.kvu", nullptr},
        {"decomposed dakuten", L"\x30c6\x3099\x30fc\x30bf", nullptr},
        {"wave dash best-fits to the full-width tilde", L"a\x301c" L"b", nullptr},
        {"emoji", L"\xd83d\xde00", nullptr},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        char output[64];
        memset(output, 'Z', sizeof(output));
        EXPECT_EQ(row.expected ? 1 : 0, WideToProgramText(row.wide, output, sizeof(output)));
        EXPECT_EQ(row.expected ? row.expected : "", std::string(output));
    }
    char small[4];
    EXPECT_EQ(0, WideToProgramText(L"\x8868\x8868", small, sizeof(small)));
    EXPECT_EQ("", std::string(small));
}

TEST(ProgramTextToWide, RefusesBytesThatAreNotShiftJis)
{
    WCHAR wide[8];
    EXPECT_EQ(1, ProgramTextToWide("\x95\x5c", wide, 8));
    EXPECT_EQ(std::wstring(L"\x8868"), std::wstring(wide));
    EXPECT_EQ(0, ProgramTextToWide("\x81", wide, 8));  // a lead byte alone
    EXPECT_EQ(0, ProgramTextToWide("abcdefghij", wide, 8));
    EXPECT_EQ(std::wstring(), std::wstring(wide));
}
