#include "common/bounded_text.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

TEST(CopyText, CutsAndAlwaysTerminates)
{
    struct Row {
        const char* source;
        size_t size;
        int fitted;
        const char* result;
    };
    const Row rows[] = {
        {"abc", 4, 1, "abc"},
        {"abc", 3, 0, "ab"},
        {"abc", 1, 0, ""},
        {"", 1, 1, ""},
        {nullptr, 4, 1, ""},
        {"a\x95\x5C", 3, 0, "a"},        // never leaves half of 表
        {"a\x95\x5C", 4, 1, "a\x95\x5C"},
        {"\xB1\xB2", 2, 0, "\xB1"},      // half-width katakana are single bytes
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message() << "size " << row.size);
        char buffer[8];
        memset(buffer, 'X', sizeof(buffer));
        EXPECT_EQ(row.fitted, CopyText(buffer, row.size, row.source));
        EXPECT_EQ(std::string(row.result), std::string(buffer));
        for (size_t i = row.size; i < sizeof(buffer); ++i) {
            EXPECT_EQ('X', buffer[i]) << "wrote past the buffer at " << i;
        }
    }
}

TEST(CopyText, ZeroSizeWritesNothing)
{
    char c = 'X';
    EXPECT_EQ(0, CopyText(&c, 0, "a"));
    EXPECT_EQ('X', c);
}

TEST(FormatText, RefusesWhatDoesNotFit)
{
    char buffer[8];
    EXPECT_EQ(1, FormatText(buffer, sizeof(buffer), "%s\\%s", "ab", "cd"));
    EXPECT_EQ(std::string("ab\\cd"), buffer);
    EXPECT_EQ(1, FormatText(buffer, sizeof(buffer), "%s", "1234567"));
    EXPECT_EQ(std::string("1234567"), buffer);
    EXPECT_EQ(0, FormatText(buffer, sizeof(buffer), "%s", "12345678"));
    EXPECT_EQ(std::string(""), buffer);
    EXPECT_EQ(0, FormatText(buffer, 0, "%s", ""));
}

TEST(TerminateText, TerminatesAFullBuffer)
{
    char full[4] = {'a', 'b', 'c', 'd'};
    EXPECT_EQ(3u, TerminateText(full, sizeof(full)));
    EXPECT_EQ(std::string("abc"), full);
    char shorter[4] = {'a', '\0', 'c', 'd'};
    EXPECT_EQ(1u, TerminateText(shorter, sizeof(shorter)));
    EXPECT_EQ('d', shorter[3]);
}
