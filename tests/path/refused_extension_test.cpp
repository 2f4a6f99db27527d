#include "path/refused_extension.h"

#include <gtest/gtest.h>

TEST(IsRefusedExtension, ProgramsAndShortcutsInAnyAsciiCase)
{
    struct Row {
        const char* extension;
        int refused;
    };
    const Row rows[] = {
        {".exe", 1}, {".EXE", 1}, {".Exe", 1}, {".com", 1}, {".COM", 1}, {".lnk", 1}, {".LnK", 1},
        {".txt", 0}, {"", 0}, {".", 0}, {".ex", 0}, {".exe ", 0}, {".exex", 0}, {"exe", 0},
        {".bat", 0},
        {".\x82\x85\x82\x98\x82\x85", 0},  // ｅｘｅ in full-width letters
        {".\xC5\xD8\xC5", 0},              // half-width katakana
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.extension);
        EXPECT_EQ(row.refused, IsRefusedExtension(row.extension));
    }
}
