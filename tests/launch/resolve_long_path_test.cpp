// ResolveLongPath against the shell namespace and the file system of the
// throwaway Wine prefix.
#include "launch/resolve_long_path.h"

#include "common/window_driver.h"
#include "launch/long_paths.h"

#include <gtest/gtest.h>

#include <string.h>

#include <string>
#include <vector>

namespace {

const WCHAR kCanary = L'#';
const size_t kCanaryUnits = 32;

// A new empty folder in its long form, with a trailing backslash.
std::string LongTempFolder(const char* prefix)
{
    std::string folder = MakeTempFolder(prefix);
    char longPath[MAX_PATH];
    DWORD length = GetLongPathNameA(folder.c_str(), longPath, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return folder;
    }
    return longPath;
}

struct Outcome {
    int result;
    std::wstring output;
    bool canaryIntact;
};

// Calls ResolveLongPath with an output of outputSize characters followed by
// canary characters, all set to the canary before the call.
Outcome Resolve(const std::string& input, size_t outputSize)
{
    std::vector<WCHAR> buffer(outputSize + kCanaryUnits, kCanary);
    Outcome outcome;
    outcome.result = ResolveLongPath(Widen(input).c_str(), buffer.data(), outputSize);
    outcome.canaryIntact = true;
    for (size_t i = outputSize; i < buffer.size(); ++i) {
        if (buffer[i] != kCanary) {
            outcome.canaryIntact = false;
        }
    }
    size_t length = 0;
    while (length < outputSize && buffer[length] != L'\0') {
        ++length;
    }
    outcome.output.assign(buffer.data(), length);
    if (length == outputSize) {
        outcome.output += L"<unterminated>";
    }
    return outcome;
}

struct Row {
    std::string name;
    std::string input;
    std::string expected;  // empty: refused
};

// Every row with the caller's 261-byte size and with exactly 260 bytes.
void CheckRows(const std::vector<Row>& rows)
{
    const size_t sizes[] = {MAX_PATH + 1, MAX_PATH};
    for (const Row& row : rows) {
        for (size_t size : sizes) {
            SCOPED_TRACE(row.name + ", output size " + std::to_string(size) + ": " + row.input);
            Outcome outcome = Resolve(row.input, size);
            EXPECT_EQ(row.expected.empty() ? 0 : 1, outcome.result);
            EXPECT_EQ(Widen(row.expected), outcome.output);
            EXPECT_TRUE(outcome.canaryIntact) << "written past the output";
        }
    }
}

}  // namespace

TEST(ResolveLongPath, ShortFormResolvesToTheLongFullPath)
{
    std::string folder = LongTempFolder("kvlong");
    std::string subfolder = folder + "folder with a long name";
    ASSERT_TRUE(CreateDirectoryA(subfolder.c_str(), NULL));
    std::string file = subfolder + "\\longname.longext";
    WriteFileText(file, "x");
    std::string shortFile = ShortForm(file);
    std::string shortFolder = ShortForm(subfolder);
    ASSERT_NE("", shortFile);
    ASSERT_NE(file, shortFile);
    ASSERT_NE(subfolder, shortFolder);

    CheckRows({
        {"long path", file, file},
        {"short path", shortFile, file},
        {"short folder, long name", shortFolder + "\\longname.longext", file},
        {"short folder", shortFolder, subfolder},
        // As an unquoted folder arrives.
        {"folder with its trailing backslash", subfolder + "\\", subfolder},
    });
}

TEST(ResolveLongPath, ShiftJisPathResolvesIntact)
{
    // ソ (0x83 0x5C) and 表 (0x95 0x5C) end in the byte of a backslash.
    std::string folder = LongTempFolder("kvsjis") + "ソフト";
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), NULL));
    std::string file = folder + "\\memo.表";
    WriteFileText(file, "x");
    ASSERT_TRUE(FileExists(file));
    std::string shortFile = ShortForm(file);
    ASSERT_NE("", shortFile);

    CheckRows({
        {"folder", folder, folder},
        {"file", file, file},
        {"short form", shortFile, file},
    });
}

TEST(ResolveLongPath, UnparseableArgumentGivesZeroAndEmptyOutput)
{
    std::string folder = LongTempFolder("kvnone");
    // The quoted form of a folder, "C:\dir\", arrives with a quote for the
    // last backslash.
    std::string quotedFolderForm = folder.substr(0, folder.size() - 1) + "\"";
    CheckRows({
        {"empty", "", ""},
        {"missing file", folder + "missing.txt", ""},
        {"missing folder", folder + "missing\\memo.txt", ""},
        {"quote for the last backslash", quotedFolderForm, ""},
        {"missing drive", "Q:\\nothing\\memo.txt", ""},
    });
}

// Whatever depends on the current folder is read against it, not against
// the desktop; a completed form of more than 259 characters is refused.
TEST(ResolveLongPath, RelativePathIsCompletedAgainstTheCurrentFolder)
{
    std::string folder = LongTempFolder("kvrel");
    std::string parent = folder.substr(0, folder.find_last_of('\\', folder.size() - 2) + 1);
    std::string file = folder + "sub\\longname.longext";
    ASSERT_TRUE(CreateDirectoryA((folder + "sub").c_str(), NULL));
    WriteFileText(file, "x");
    std::string here = folder + "memo.longext";
    WriteFileText(here, "x");
    std::string blanks = folder + "my documents\\my memo.longext";
    ASSERT_TRUE(CreateDirectoryA((folder + "my documents").c_str(), NULL));
    WriteFileText(blanks, "x");
    std::string shortName = ShortForm(file).substr(ShortForm(file).find_last_of('\\') + 1);
    ASSERT_NE("longname.longext", shortName);
    std::string fits = MakeDeepPath(folder, "f", MAX_PATH - 1);
    ASSERT_TRUE(CreateFileWide(fits));
    ASSERT_TRUE(CreateFileWide(fits + "g"));
    char previous[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, previous);
    ASSERT_TRUE(SetCurrentDirectoryA(folder.c_str()));
    CheckRows({
        {"name", "memo.longext", here},
        {"folder and name", "sub\\longname.longext", file},
        {"folder and name with blanks", "my documents\\my memo.longext", blanks},
        {"dot", ".\\sub\\longname.longext", file},
        {"dot dot", "..\\" + folder.substr(parent.size()) + "sub\\longname.longext", file},
        {"short name", "sub\\" + shortName, file},
        {"rooted", file.substr(2), file},
        {"drive-relative", file.substr(0, 2) + "sub\\longname.longext", file},
        {"missing file", "missing.txt", ""},
        {"259 characters completed", fits.substr(folder.size()), fits},
        {"260 characters completed", fits.substr(folder.size()) + "g", ""},
    });
    SetCurrentDirectoryA(previous);
}

// Files of 259 and 260 characters whose names share their first 259
// characters: cutting the longer argument would name the shorter file.
TEST(ResolveLongPath, ArgumentOfMoreThan259CharactersIsRefused)
{
    std::string folder = LongTempFolder("kvmax");
    std::string fits = MakeDeepPath(folder, "f", MAX_PATH - 1);
    std::string tooLong = fits + "g";
    ASSERT_EQ(259u, fits.size());
    ASSERT_TRUE(CreateFileWide(fits));
    ASSERT_TRUE(CreateFileWide(tooLong));

    // 表 is one UTF-16 character of two bytes in code page 932: the first
    // path fits in 259 characters (though not in 259 bytes), the second is
    // 260 characters long.
    std::string kanji = MakeDeepPath(folder, "表", MAX_PATH - 1);
    std::string kanjiTooLong = kanji + "表";
    ASSERT_EQ(259u, Utf16Length(kanji));
    ASSERT_EQ(260u, Utf16Length(kanjiTooLong));
    ASSERT_TRUE(CreateFileWide(kanji));
    ASSERT_TRUE(CreateFileWide(kanjiTooLong));
    // A short form that the shell makes longer than 259 characters.
    std::string longer = MakeDeepPath(folder, "f", 300);
    ASSERT_TRUE(CreateFileWide(longer));
    WCHAR shortLonger[MAX_PATH] = L"";
    DWORD shortLength = GetShortPathNameW(Widen(longer).c_str(), shortLonger, MAX_PATH);
    ASSERT_TRUE(shortLength > 0 && shortLength < MAX_PATH);

    CheckRows({
        {"259 characters", fits, fits},
        {"260 characters naming a file", tooLong, ""},
        {"600 characters", fits + std::string(341, 'x'), ""},
        {"3000 characters", fits + std::string(2741, 'x'), ""},
        {"259 double-byte characters", kanji, kanji},
        {"260 double-byte characters naming a file", kanjiTooLong, ""},
        {"short form of 300 characters", std::string(shortLonger, shortLonger + shortLength), ""},
    });
    EXPECT_TRUE(ExistsWide(tooLong));
    EXPECT_TRUE(ExistsWide(kanji));
}

TEST(ResolveLongPath, OutputOfFewerThan260CharactersIsRefused)
{
    std::string file = LongTempFolder("kvsmall") + "memo.txt";
    WriteFileText(file, "x");
    const size_t sizes[] = {MAX_PATH - 1, 16, 1};
    for (size_t size : sizes) {
        SCOPED_TRACE(size);
        Outcome outcome = Resolve(file, size);
        EXPECT_EQ(0, outcome.result);
        EXPECT_TRUE(outcome.output.empty());
        EXPECT_TRUE(outcome.canaryIntact) << "written past the output";
    }

    WCHAR untouched[4] = {kCanary, kCanary, kCanary, kCanary};
    EXPECT_EQ(0, ResolveLongPath(Widen(file).c_str(), untouched, 0));
    EXPECT_EQ(kCanary, untouched[0]);

    WCHAR output[MAX_PATH + 1];
    for (WCHAR& unit : output) {
        unit = kCanary;
    }
    EXPECT_EQ(0, ResolveLongPath(NULL, output, MAX_PATH + 1));
    EXPECT_EQ(L'\0', output[0]);
}
