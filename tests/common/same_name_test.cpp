#include "common/same_name.h"

#include <gtest/gtest.h>

// As the file system and the registry compare names: by case alone.
TEST(IsSameName, LettersCompareByCaseAloneNeverByMeaning)
{
    struct Row {
        const wchar_t* a;
        const wchar_t* b;
        int same;
    };
    const Row rows[] = {
        {L"C:\\Tools\\View.EXE", L"c:\\tools\\view.exe", 1},
        // 々 repeats the kanji before it, but it is another name.
        {L"C:\\\x4F50\x3005\x6728.exe", L"C:\\\x4F50\x4F50\x6728.exe", 0},
        {L"\xFF21\xFF22", L"\xFF41\xFF42", 1},        // full-width letters have case
        {L"\x30C6\x3099", L"\x30C7", 0},              // decomposed and composed
        {L"open", L"open ", 0},
        {L"", L"", 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.b);
        EXPECT_EQ(row.same, IsSameName(row.a, row.b));
        EXPECT_EQ(row.same, IsSameName(row.b, row.a));
    }
    EXPECT_EQ(0, IsSameProgramName("kvo佐々木", "kvo佐佐木"));
    EXPECT_EQ(1, IsSameProgramName("Open", "oPEN"));
}
