#include "path/sjis_path.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

// Byte spellings of the Shift-JIS characters the tests use; each of the
// first four ends in 0x5C, the backslash byte.
#define SO "\x83\x5C"     // ソ
#define HYO "\x95\x5C"    // 表
#define JUU "\x8F\x5C"    // 十
#define NOU "\x94\x5C"    // 能
#define FU "\x83\x74"     // フ
#define TO "\x83\x67"     // ト
#define KANA_A "\xB1"     // ｱ (half-width, one byte)

TEST(SjisCharset, LiteralsAreShiftJis)
{
    // The build turns UTF-8 sources into code page 932; a build without the
    // charset flags would give three UTF-8 bytes here.
    static_assert(sizeof("表") == 3, "literals must be Shift-JIS");
    static_assert("表"[1] == '\x5C', "表 ends in the backslash byte");
    EXPECT_EQ(std::string("ソフト"), std::string(SO FU TO));
    EXPECT_EQ(std::string("十能"), std::string(JUU NOU));
    EXPECT_EQ(std::string("開く(&O)"), std::string("\x8A\x4A\x82\xAD(&O)"));
    EXPECT_EQ(std::string("ｱﾌﾟﾘ"), std::string("\xB1\xCC\xDF\xD8"));
}

TEST(GetSjisByteKind, ClassifiesEachByte)
{
    struct Row {
        const char* text;
        size_t index;
        int kind;
    };
    const Row rows[] = {
        {"", 0, 0},
        {"abc", 1, 0},
        {"\x81\x20", 1, 0},      // 0x20 fails the trail test: a single byte
        {"\x81\x7F", 1, 0},      // 0x7F is never a trail byte
        {"\x81\x40", 1, 2},
        {"\x81\x40", 0, 1},
        {"\x81\xFC", 1, 2},
        {"\x81\xFD", 1, 0},
        {"a\x81", 1, 1},         // a lead byte as the last byte
        {"a\x81", 2, 0},         // the terminator
        {"a\x81", 50, 0},        // far past the end
        {SO, 1, 2},
        {"C:\\" SO FU TO, 4, 2},
        {"\x80\x5C", 1, 0},      // 0x80 is a single byte
        {"\xA0\x5C", 1, 0},      // so are 0xA0 and the half-width katakana
        {KANA_A "\x5C", 1, 0},
        {"\xDF\x5C", 1, 0},
        {"\xE0\x5C", 1, 2},
        {"\xFC\x5C", 1, 2},
        {"\xFD\x5C", 1, 0},
        {"\x9F\x5C", 1, 2},
        {"\x81\x81\x5C", 2, 0},  // 81 81 is one character; the 5C stands alone
        {"\x81\x20\x81\x5C", 3, 2},
        {"\x81\x7F\x81\x40", 2, 1},  // after a failed trail, a new lead
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message() << "index " << row.index << " of " << ::testing::PrintToString(std::string(row.text)));
        EXPECT_EQ(row.kind, GetSjisByteKind(row.text, row.index));
    }
}

TEST(IsPathSeparatorAt, TrailByte5CIsNotASeparator)
{
    struct Row {
        const char* text;
        size_t index;
        int separator;
    };
    const Row rows[] = {
        {"C:\\x", 2, 1},
        {"C:/x", 2, 0},          // only the backslash separates
        {"C:x", 1, 0},           // the drive colon does not
        {SO, 1, 0},
        {HYO "\\", 1, 0},
        {HYO "\\", 2, 1},
        {KANA_A "\\", 1, 1},     // half-width katakana take no trail byte
        {"\x81\x20\\", 2, 1},
        {"abc", 3, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::PrintToString(std::string(row.text)));
        EXPECT_EQ(row.separator, IsPathSeparatorAt(row.text, row.index) ? 1 : 0);
    }
}

TEST(StringEnd, FindsTheTerminator)
{
    EXPECT_EQ(0u, StringEnd(""));
    EXPECT_EQ(3u, StringEnd("abc"));
    EXPECT_EQ(2u, StringEnd(SO));
}

TEST(FindExtension, FindsTheLastExtension)
{
    struct Row {
        const char* path;
        const char* extension;
    };
    const Row rows[] = {
        {"C:\\docs\\memo.txt", ".txt"},
        {"archive.tar.gz", ".gz"},
        {"C:\\dir.d\\file", ""},
        {"file.", "."},
        {".profile", ".profile"},
        {"", ""},
        {"C:\\Data\\memo.exe.txt", ".txt"},
        {"memo." HYO, "." HYO},                  // ends in 2E 95 5C
        {"C:\\" SO FU TO "\\memo." HYO, "." HYO},
        {"C:\\" SO ".d\\" HYO, ""},              // the dot is in the folder
        {"C:\\" SO, ""},
        {SO ".txt", ".txt"},
        {"C:\\" JUU NOU, ""},
        {"C:\\a" JUU ".x" NOU, ".x" NOU},
        {"C:\\" KANA_A ".\xDF", ".\xDF"},
        {"C:\\dir\\", ""},
        {"\x81", ""},                            // a lone lead byte
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::PrintToString(std::string(row.path)));
        const char* found = FindExtension(row.path);
        EXPECT_EQ(std::string(row.extension), std::string(found));
        EXPECT_GE(found, row.path);
        EXPECT_LE(found, row.path + StringEnd(row.path));
    }
}

TEST(SplitFileName, CutsAtTheLastSeparator)
{
    struct Row {
        const char* path;
        const char* folder;
        const char* name;
    };
    const Row rows[] = {
        {"C:\\WIN\\NOTEPAD.EXE", "C:\\WIN", "NOTEPAD.EXE"},
        {"C:\\x.exe", "C:", "x.exe"},
        {"notepad.exe", "notepad.exe", "notepad.exe"},
        {"", "", ""},
        {"C:\\" SO FU TO "\\" HYO ".exe", "C:\\" SO FU TO, HYO ".exe"},
        {"C:\\" SO, "C:", SO},                   // the name ends in a 5C trail byte
        {SO FU TO, SO FU TO, SO FU TO},
        {"C:\\dir\\", "C:\\dir", ""},
        {"\\\\server\\share\\a.txt", "\\\\server\\share", "a.txt"},
        {"C:\\" KANA_A "\\b", "C:\\" KANA_A, "b"},
        {"C:\\a\x81", "C:", "a\x81"},            // a lead byte as the last byte
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::PrintToString(std::string(row.path)));
        char buffer[264];
        std::string original(row.path);
        ASSERT_LT(original.size(), sizeof(buffer));
        std::copy(original.begin(), original.end(), buffer);
        buffer[original.size()] = '\0';
        char* name = SplitFileName(buffer);
        EXPECT_EQ(std::string(row.folder), std::string(buffer));
        EXPECT_EQ(std::string(row.name), std::string(name));
    }
}
