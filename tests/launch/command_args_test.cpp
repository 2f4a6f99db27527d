#include "launch/command_args.h"

#include <gtest/gtest.h>

#include <string.h>

#include <string>

namespace {

const int kMaxArguments = 6;

struct SplitRow {
    const char* commandLine;
    int count;
    const char* arguments[kMaxArguments];
};

// A text of ASCII bytes or of UTF-16 units, in units of Unit.
template <typename Unit, typename Char>
std::basic_string<Unit> Units(const Char* text)
{
    return std::basic_string<Unit>(text, text + std::char_traits<Char>::length(text));
}

bool IsAscii(const char* text)
{
    for (; *text != '\0'; ++text) {
        if ((unsigned char)*text >= 0x80) {
            return false;
        }
    }
    return true;
}

// The checks below for a line split in UTF-16 units, as char16_t and as
// wchar_t (UTF-16 on Windows, wider elsewhere, where the same units are
// simply held in wider ones). The program splits its UTF-16 line.
template <typename Unit, typename Char>
void CheckSplitInUnits(const Char* commandLine, int count, const Char* const* arguments)
{
    SCOPED_TRACE(sizeof(Unit) == sizeof(char16_t) ? "in char16_t units" : "in wchar_t units");
    std::basic_string<Unit> line = Units<Unit>(commandLine);
    EXPECT_EQ(count, CountCommandLineArguments(line.c_str()));
    Unit output[128];
    for (int i = 0; i < count; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(1, GetCommandLineArgument(line.c_str(), i, output, 128));
        EXPECT_TRUE(Units<Unit>(arguments[i]) == output);
    }
    output[0] = '#';
    EXPECT_EQ(0, GetCommandLineArgument(line.c_str(), count, output, 128));
    EXPECT_EQ(0, (int)output[0]);
}

// Checks the count, every argument, and that the index one past the last
// argument does not exist; for an ASCII line in UTF-16 units too.
void CheckSplit(const SplitRow* rows, size_t rowCount)
{
    for (size_t r = 0; r < rowCount; ++r) {
        const SplitRow& row = rows[r];
        SCOPED_TRACE(row.commandLine);
        ASSERT_LE(row.count, kMaxArguments);
        EXPECT_EQ(row.count, CountCommandLineArguments(row.commandLine));
        char output[128];
        for (int i = 0; i < row.count; ++i) {
            SCOPED_TRACE(i);
            memset(output, '#', sizeof(output));
            EXPECT_EQ(1, GetCommandLineArgument(row.commandLine, i, output, sizeof(output)));
            EXPECT_STREQ(row.arguments[i], output);
        }
        memset(output, '#', sizeof(output));
        EXPECT_EQ(0, GetCommandLineArgument(row.commandLine, row.count, output, sizeof(output)));
        EXPECT_STREQ("", output);
        if (IsAscii(row.commandLine)) {
            CheckSplitInUnits<char16_t>(row.commandLine, row.count, row.arguments);
            CheckSplitInUnits<wchar_t>(row.commandLine, row.count, row.arguments);
        }
    }
}

TEST(SplitCommandLine, QuotesAndBackslashesFollowTheEscapeRules)
{
    const SplitRow rows[] = {
        {"prog \"a b c\" d e", 4, {"prog", "a b c", "d", "e"}},
        // \" is one (odd) backslash: a literal quote. \\" is two: one
        // backslash, and the quote closes.
        {"prog \"ab\\\"c\" \"\\\\\" d", 4, {"prog", "ab\"c", "\\", "d"}},
        // Backslashes not before a quote are literal.
        {"prog a\\\\\\b d\"e f\"g h", 4, {"prog", "a\\\\\\b", "de fg", "h"}},
        // Three backslashes and a quote: one backslash and a literal quote.
        {"prog a\\\\\\\"b c d", 4, {"prog", "a\\\"b", "c", "d"}},
        // Four backslashes and a quote: two backslashes, quoted mode on.
        {"prog a\\\\\\\\\"b c\" d e", 4, {"prog", "a\\\\b c", "d", "e"}},
        // a, quote on, b, "" gives a literal quote and ends quoted mode, so
        // the blank before c separates.
        {"prog a\"b\"\" c d", 4, {"prog", "ab\"", "c", "d"}},
        // "a: quoted; "" gives a quote and ends quoted mode; b; the last quote
        // turns quoted mode on again, so the blank and c belong to it.
        {"prog \"a\"\"b\" c", 2, {"prog", "a\"b c"}},
        // "a: quoted; "" gives a quote and ends quoted mode; the blank
        // separates; b, then a quote that opens and never closes.
        {"prog \"a\"\" b\"", 3, {"prog", "a\"", "b"}},
        {"\"C:\\Tools\\kiveran.exe\" \"C:\\w\\first.txt\"\" C:\\w\\second.txt\"", 3,
         {"C:\\Tools\\kiveran.exe", "C:\\w\\first.txt\"", "C:\\w\\second.txt"}},
        // The backslash escapes the closing quote, so quoted mode runs on:
        // a quoted folder with its trailing backslash ends in a quote.
        {"prog \"C:\\dir\\\"", 2, {"prog", "C:\\dir\""}},
        // Unquoted, the folder arrives whole.
        {"prog C:\\work\\folder\\", 2, {"prog", "C:\\work\\folder\\"}},
        // Two backslashes give one; the quote after them is an ordinary
        // quote, here the first of a doubled pair inside quoted mode.
        {"prog \"a\\\\\"\" b", 3, {"prog", "a\\\"", "b"}},
        {"prog \\\\\"a b\"", 2, {"prog", "\\a b"}},
        // Quote on, "" gives a quote and ends quoted mode, quote on again.
        {"prog \"\"\"\"", 2, {"prog", "\""}},
        {"prog x\"\"y", 2, {"prog", "xy"}},
        {"prog \"\"", 2, {"prog", ""}},
        {"prog \"\" \"\"", 3, {"prog", "", ""}},
        {"prog a \"\" b", 4, {"prog", "a", "", "b"}},
    };
    CheckSplit(rows, sizeof(rows) / sizeof(rows[0]));
}

TEST(SplitCommandLine, UnclosedQuoteRunsToTheEnd)
{
    const SplitRow rows[] = {
        {"prog a\"", 2, {"prog", "a"}},
        {"prog \"a b", 2, {"prog", "a b"}},
        {"prog \"a \t ", 2, {"prog", "a \t "}},
        {"prog x \"", 3, {"prog", "x", ""}},
    };
    CheckSplit(rows, sizeof(rows) / sizeof(rows[0]));
}

TEST(SplitCommandLine, BlanksAndTabsSeparateArgumentsOutsideQuotes)
{
    const SplitRow rows[] = {
        {"prog", 1, {"prog"}},
        {"prog   ", 1, {"prog"}},
        {"prog \t \t", 1, {"prog"}},
        {"prog\ta", 2, {"prog", "a"}},
        {"prog a  \t b\t", 3, {"prog", "a", "b"}},
        {"prog \"a\tb\"", 2, {"prog", "a\tb"}},
        {"prog a\nb", 2, {"prog", "a\nb"}},
        // Paths as the shell or a console gives them: a quoted path with
        // blanks is one argument; unquoted, its blanks separate. The program
        // refuses every line of more than two arguments.
        {"\"C:\\Tools\\kiveran.exe\" \"C:\\w\\my documents\\my memo.kv\"", 2,
         {"C:\\Tools\\kiveran.exe", "C:\\w\\my documents\\my memo.kv"}},
        {"prog \"my documents\\my memo.kv\"", 2, {"prog", "my documents\\my memo.kv"}},
        {"\"C:\\Tools\\kiveran.exe\" \"C:\\w\\first.txt\" \"C:\\w\\second.txt\"", 3,
         {"C:\\Tools\\kiveran.exe", "C:\\w\\first.txt", "C:\\w\\second.txt"}},
        {"\"C:\\Tools\\kiveran.exe\" C:\\w\\with blanks\\memo.txt", 3,
         {"C:\\Tools\\kiveran.exe", "C:\\w\\with", "blanks\\memo.txt"}},
        {"\"C:\\Tools\\kiveran.exe\" C:\\w\\first.txt\tC:\\w\\second.txt", 3,
         {"C:\\Tools\\kiveran.exe", "C:\\w\\first.txt", "C:\\w\\second.txt"}},
        {"\"C:\\Tools\\kiveran.exe\" C:\\w\\first.txt C:\\w\\second.txt \"C:\\w\\with blanks\\memo.txt\"",
         4, {"C:\\Tools\\kiveran.exe", "C:\\w\\first.txt", "C:\\w\\second.txt", "C:\\w\\with blanks\\memo.txt"}},
    };
    CheckSplit(rows, sizeof(rows) / sizeof(rows[0]));
}

TEST(SplitCommandLine, ProgramNameIsTakenLiterally)
{
    const SplitRow rows[] = {
        // A quoted name ends at the next quote; backslashes are not escapes.
        {"\"C:\\dir\\\" a", 2, {"C:\\dir\\", "a"}},
        {"\"C:\\a\\\\\" x", 2, {"C:\\a\\\\", "x"}},
        {"\"C:\\Program Files\\k.exe\" x", 2, {"C:\\Program Files\\k.exe", "x"}},
        // The next argument starts right after the closing quote.
        {"\"prog\"x y", 3, {"prog", "x", "y"}},
        {"\"C:\\Tools\\kiveran.exe\"C:\\w\\first.txt C:\\w\\second.txt", 3,
         {"C:\\Tools\\kiveran.exe", "C:\\w\\first.txt", "C:\\w\\second.txt"}},
        // A doubled quote is not special in the name: the name is a, then
        // "b" is an ordinary quoted argument.
        {"\"a\"\"b\" c", 3, {"a", "b", "c"}},
        {"\"un closed", 1, {"un closed"}},
        {"\"\"", 1, {""}},
        {"\"\" a", 2, {"", "a"}},
        {"\" \"", 1, {" "}},
        // An unquoted name runs to the first blank, quotes included. The
        // rest, g" x, is g then a quote that opens and never closes.
        {"pr\"o g\" x", 2, {"pr\"o", "g x"}},
        {"pr\\\"og a", 2, {"pr\\\"og", "a"}},
        // A line starting with blanks has an empty name.
        {"   a b", 3, {"", "a", "b"}},
        {"\tprog", 2, {"", "prog"}},
        {" ", 1, {""}},
    };
    CheckSplit(rows, sizeof(rows) / sizeof(rows[0]));
}

TEST(SplitCommandLine, EmptyOrNullLineHasNoArguments)
{
    const char* const lines[] = {"", 0};
    for (size_t i = 0; i < sizeof(lines) / sizeof(lines[0]); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(0, CountCommandLineArguments(lines[i]));
        char output[8] = "#######";
        EXPECT_EQ(0, GetCommandLineArgument(lines[i], 0, output, sizeof(output)));
        EXPECT_STREQ("", output);
    }
}

// 0x83 0x5C is a katakana and 0x95 0x5C a kanji: both end in the byte of a
// backslash. Adjacent literals keep hex escapes from running into letters.
TEST(SplitCommandLine, ShiftJisTrailByteIsNeverABackslash)
{
    const SplitRow rows[] = {
        {"prog \"\x83\x5C\"", 2, {"prog", "\x83\x5C"}},
        // The quote after the trail byte closes, so x is separate.
        {"prog \"\x83\x5C\" x", 3, {"prog", "\x83\x5C", "x"}},
        {"prog \"C:\\\x83\x5C\" x", 3, {"prog", "C:\\\x83\x5C", "x"}},
        // A real backslash after the trail byte: one backslash before the
        // quote, so the quote is literal (the trail byte does not make it two).
        {"prog \"\x83\x5C\\\"x\" y", 3, {"prog", "\x83\x5C\"x", "y"}},
        {"prog \\\x83\x5C\\\"a b\"", 3, {"prog", "\\\x83\x5C\"a", "b"}},
        // Unquoted: the quote after the trail byte opens quoted mode.
        {"prog \x83\x5C\"a b\"", 2, {"prog", "\x83\x5C" "a b"}},
        {"prog C:\\\x95\x5C\\x", 2, {"prog", "C:\\\x95\x5C\\x"}},
        {"\"\x83\x5C\" x", 2, {"\x83\x5C", "x"}},
        {"C:\\\x95\x5C\\k.exe x", 2, {"C:\\\x95\x5C\\k.exe", "x"}},
    };
    CheckSplit(rows, sizeof(rows) / sizeof(rows[0]));
}

TEST(SplitCommandLine, LeadByteTakesTheNextByteUnexamined)
{
    const SplitRow rows[] = {
        // The blank after a lead byte does not separate.
        {"prog \x81 x", 2, {"prog", "\x81 x"}},
        {"\x83\x5C\x83 x", 1, {"\x83\x5C\x83 x"}},
        // The quote after a lead byte does not close.
        {"prog \"\x81\" x", 2, {"prog", "\x81\" x"}},
        // A lead byte just before the terminator stands alone.
        {"prog \x83", 2, {"prog", "\x83"}},
        {"\"\x83", 1, {"\x83"}},
        // Edges of the lead byte ranges.
        {"prog \x9F x \xE0 y \xFC z", 4, {"prog", "\x9F x", "\xE0 y", "\xFC z"}},
        {"prog \x80 \xA0 \xDF \xFD x", 6, {"prog", "\x80", "\xA0", "\xDF", "\xFD", "x"}},
    };
    CheckSplit(rows, sizeof(rows) / sizeof(rows[0]));
}

struct WideSplitRow {
    const char16_t* commandLine;
    int count;
    const char16_t* arguments[kMaxArguments];
};

// The same scanner without lead bytes: a unit that would be a lead byte in
// Shift-JIS stands alone, and every 0x005C is a backslash, even right after
// the character whose Shift-JIS form ends in that byte.
TEST(SplitCommandLine, Utf16UnitsStandAlone)
{
    const WideSplitRow rows[] = {
        {u"prog \"C:\\work\\\u00A5100.kvu\"", 2, {u"prog", u"C:\\work\\\u00A5100.kvu"}},
        // ソ is 0x83 0x5C in Shift-JIS, U+30BD here: the backslash after it
        // is one backslash before a quote, so the quote is literal.
        {u"prog \"\u30BD\\\"x\" y", 3, {u"prog", u"\u30BD\"x", u"y"}},
        {u"prog \u0081 x \u00E0\"a b\"", 4, {u"prog", u"\u0081", u"x", u"\u00E0a b"}},
        {u"\"C:\\Caf\u00E9\\k.exe\" \"\u30C6\u3099\u30FC\u30BF.kvu\" \U0001F600",
         3, {u"C:\\Caf\u00E9\\k.exe", u"\u30C6\u3099\u30FC\u30BF.kvu", u"\U0001F600"}},
    };
    for (const WideSplitRow& row : rows) {
        SCOPED_TRACE(&row - rows);
        CheckSplitInUnits<char16_t>(row.commandLine, row.count, row.arguments);
        CheckSplitInUnits<wchar_t>(row.commandLine, row.count, row.arguments);
    }
}

struct BufferRow {
    const char* commandLine;
    int index;
    size_t outputSize;
    int result;
    const char* output;
};

TEST(GetCommandLineArgument, CopiesOnlyWhenTheArgumentFitsWithItsTerminator)
{
    const BufferRow rows[] = {
        {"prog a b", 3, 16, 0, ""},
        {"prog a b", 99, 16, 0, ""},
        {"prog a b", -1, 16, 0, ""},
        {"prog abc", 1, 4, 1, "abc"},
        {"prog abc", 1, 3, 0, ""},
        {"prog abc", 1, 1, 0, ""},
        {"prog abc", 0, 5, 1, "prog"},
        {"prog abc", 0, 4, 0, ""},
        {"\"my prog\" a", 0, 8, 1, "my prog"},
        {"\"my prog\" a", 0, 7, 0, ""},
        {"prog \"\"", 1, 1, 1, ""},
        // The length that counts is the unescaped one.
        {"prog \"a\\\"b\"", 1, 4, 1, "a\"b"},
        {"prog \"a\\\"b\"", 1, 3, 0, ""},
        {"prog \x83\x5C", 1, 3, 1, "\x83\x5C"},
        {"prog \x83\x5C", 1, 2, 0, ""},
        // A lone lead byte at the end is one byte long: the terminator is
        // not taken as its trail byte.
        {"prog \x83", 1, 2, 1, "\x83"},
    };
    for (size_t r = 0; r < sizeof(rows) / sizeof(rows[0]); ++r) {
        const BufferRow& row = rows[r];
        SCOPED_TRACE(testing::Message() << row.commandLine << " index " << row.index
                                        << " size " << row.outputSize);
        char output[32];
        memset(output, '#', sizeof(output));
        EXPECT_EQ(row.result,
                  GetCommandLineArgument(row.commandLine, row.index, output, row.outputSize));
        EXPECT_STREQ(row.output, output);
        for (size_t i = row.outputSize; i < sizeof(output); ++i) {
            EXPECT_EQ('#', output[i]) << "byte " << i << " written past the buffer";
        }
    }
}

// The program splits its UTF-16 line into a buffer of 260 units (MAX_PATH):
// an argument fits by its units, whatever its Shift-JIS bytes would take,
// and one that does not fit is refused whole, never cut to a shorter path.
TEST(GetCommandLineArgument, Utf16ArgumentFitsByItsUnits)
{
    const size_t kProgramBuffer = 260;
    struct Row {
        const char* name;
        std::u16string argument;
        int result;
    };
    const Row rows[] = {
        {"259 characters", u"C:\\" + std::u16string(256, u'f'), 1},
        {"260 characters", u"C:\\" + std::u16string(257, u'f'), 0},
        {"259 double-byte characters", u"C:\\" + std::u16string(256, u'\u8868'), 1},
        {"260 double-byte characters", u"C:\\" + std::u16string(257, u'\u8868'), 0},
        {"3000 characters", u"C:\\" + std::u16string(2997, u'x'), 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::u16string line = u"\"C:\\Tools\\kiveran.exe\" \"" + row.argument + u"\"";
        std::u16string output(kProgramBuffer + 8, u'#');
        EXPECT_EQ(row.result, GetCommandLineArgument(line.c_str(), 1, &output[0], kProgramBuffer));
        EXPECT_TRUE(output.substr(0, output.find(u'\0')) == (row.result ? row.argument : u""));
        EXPECT_TRUE(output.substr(kProgramBuffer) == std::u16string(8, u'#')) << "written past the buffer";
    }
}

TEST(GetCommandLineArgument, ZeroSizeNeverWrites)
{
    const BufferRow rows[] = {
        {"prog abc", 0, 0, 0, 0},
        {"prog abc", 1, 0, 0, 0},
        {"prog \"\"", 1, 0, 0, 0},
        {"prog", 5, 0, 0, 0},
    };
    for (size_t r = 0; r < sizeof(rows) / sizeof(rows[0]); ++r) {
        const BufferRow& row = rows[r];
        SCOPED_TRACE(testing::Message() << row.commandLine << " index " << row.index);
        char output[4] = {'#', '#', '#', '#'};
        EXPECT_EQ(row.result, GetCommandLineArgument(row.commandLine, row.index, output, 0));
        EXPECT_EQ('#', output[0]);
        EXPECT_EQ(row.result, GetCommandLineArgument(row.commandLine, row.index, 0, 0));
    }
}

}  // namespace
