#include "association/command_line.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

TEST(FormatCommandLine, QuotesTheProgramAndOptionallyThePlaceholder)
{
    struct Row {
        const char* program;
        int quote;
        const char* command;
    };
    const Row rows[] = {
        {"C:\\Tools\\view.exe", 1, "\"C:\\Tools\\view.exe\" \"%1\""},
        {"C:\\Tools\\view.exe", 0, "\"C:\\Tools\\view.exe\" %1"},
        {"C:\\Program Files\\a b.exe", 0, "\"C:\\Program Files\\a b.exe\" %1"},
        {"C:\\\x83\x5C\\x.exe", 1, "\"C:\\\x83\x5C\\x.exe\" \"%1\""},   // ソ
        {"100%.exe", 0, "\"100%.exe\" %1"},     // a percent sign in the path stays as it is
        {"", 1, "\"\" \"%1\""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.program);
        char output[264];
        EXPECT_EQ(1, FormatCommandLine(output, sizeof(output), row.program, row.quote));
        EXPECT_EQ(std::string(row.command), output);
    }
}

TEST(FormatCommandLine, RefusesACommandThatDoesNotFit)
{
    // The command line must fit 259 bytes and its NUL: the path plus the
    // quotes and placeholder take 6 more bytes unquoted, 8 quoted.
    struct Row {
        size_t pathLength;
        int quote;
        int fits;
    };
    const Row rows[] = {
        {254, 0, 1}, {255, 0, 0}, {252, 1, 1}, {253, 1, 0}, {259, 0, 0}, {259, 1, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message() << row.pathLength << (row.quote ? " quoted" : " plain"));
        std::string path(row.pathLength, 'p');
        char output[264];
        memset(output, 'X', sizeof(output));
        EXPECT_EQ(row.fits, FormatCommandLine(output, 260, path.c_str(), row.quote));
        if (row.fits) {
            EXPECT_EQ(path.size() + (row.quote ? 7 : 5), strlen(output));
        } else {
            EXPECT_EQ('\0', output[0]);
        }
        for (size_t i = 260; i < sizeof(output); ++i) {
            EXPECT_EQ('X', output[i]);
        }
    }
}

TEST(ReferencesEnvironment, TellsVariablesFromTheShellsPlaceholders)
{
    struct Row {
        const char* command;
        int refers;
    };
    const Row rows[] = {
        {"%SystemRoot%\\system32\\NOTEPAD.EXE %1", 1},
        {"\"%ProgramFiles(x86)%\\a\\a.exe\" \"%1\"", 1},
        {"\"C:\\v.exe\" \"%1\" %PATH%", 1},
        {"\"C:\\v.exe\" \"%1\"", 0},
        {"\"C:\\v.exe\" %1 %2 %*", 0},
        {"\"C:\\v.exe\" /p:%L%", 0},  // one character between the signs
        {"\"C:\\100%.exe\" %1", 0},
        {"\"C:\\%a b%.exe\" %1", 0},
        {"", 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.command);
        EXPECT_EQ(row.refers, ReferencesEnvironment(row.command));
    }
}
