// The program path that a file picked in the Open dialog gives, against real
// files and shortcuts in the Wine prefix.
#include "association/dialog/picked_program.h"

#include <shlobj.h>

#include "common/windows_helpers.h"

#include <gtest/gtest.h>

#include <string>

#include "common/code_page_text.h"
#include "common/window_driver.h"

static void MakeFile(const std::wstring& path, const void* data = "MZ", DWORD size = 2)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    DWORD written = 0;
    EXPECT_TRUE(WriteFile(file, data, size, &written, NULL));
    CloseHandle(file);
}

// A shortcut to target, or to items where they are given.
// As Windows Installer writes one: the header's flag and a block naming a
// component, no target. Written as bytes: Wine's SetFlags and AddDataBlock
// are stubs.
static void SaveAdvertisedShortcut(const std::wstring& path)
{
    struct {
        DWORD headerSize; GUID classId; DWORD flags; BYTE restOfHeader[0x4C - 24];
        EXP_DARWIN_LINK darwin; DWORD end;
    } link = {};
    static_assert(sizeof(link) == 0x4C + 0x314 + 4, "no padding");
    link.headerSize = 0x4C;
    link.classId = CLSID_ShellLink;
    link.flags = SLDF_HAS_DARWINID | SLDF_UNICODE;
    link.darwin.dbh = {sizeof(link.darwin), EXP_DARWIN_ID_SIG};
    link.darwin.szDarwinID[0] = 'x';
    link.darwin.szwDarwinID[0] = L'x';
    MakeFile(path, &link, sizeof(link));
}

TEST(ResolvePickedProgram, ExactNameShortFormOrShortcutTarget)
{
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(NULL, COINIT_APARTMENTTHREADED)));
    WCHAR folder[MAX_PATH];
    ASSERT_TRUE(ProgramTextToWide(MakeTempFolder("picked").c_str(), folder, MAX_PATH));
    ASSERT_NE(0u, GetLongPathNameW(folder, folder, MAX_PATH));
    const std::wstring in(folder);
    // Beside each folder whose name does not convert, the one its best-fitted
    // name would be: a substituted path would name a file that exists.
    for (const wchar_t* name : {L"plain", L"Caf\x00e9", L"Cafe", L"\x00a5" L"bin", L"bin"}) {
        ASSERT_TRUE(CreateDirectoryW((in + name).c_str(), NULL));
        MakeFile(in + name + L"\\probe.exe");
    }
    ASSERT_TRUE(MakeShortcut(in + L"Probe.LNK", in + L"plain\\probe.exe"));
    ASSERT_TRUE(MakeShortcut(in + L"Caf\x00e9.lnk", in + L"Caf\x00e9\\probe.exe"));
    MakeFile(in + L"gone.exe");
    ASSERT_TRUE(MakeShortcut(in + L"gone.lnk", in + L"gone.exe"));
    DeleteFileW((in + L"gone.exe").c_str());
    SaveAdvertisedShortcut(in + L"advertised.lnk");
    ASSERT_TRUE(MakeShortcut(in + L"folder.lnk", in + L"plain"));
    LPITEMIDLIST computer = NULL;
    ASSERT_EQ(S_OK, SHGetSpecialFolderLocation(NULL, CSIDL_DRIVES, &computer));
    ASSERT_TRUE(MakeShortcut(in + L"computer.lnk", L"", computer));
    CoTaskMemFree(computer);
    MakeFile(in + L"broken.lnk");

    const struct {
        const char* name;
        const wchar_t* picked;
        int fault;
        const wchar_t* target;  // the file the program path names
    } rows[] = {
        {"ASCII", L"plain\\probe.exe", PICKED_PROGRAM_OK, L"plain\\probe.exe"},
        {"e acute", L"Caf\x00e9\\probe.exe", PICKED_PROGRAM_OK, L"Caf\x00e9\\probe.exe"},
        {"yen sign", L"\x00a5" L"bin\\probe.exe", PICKED_PROGRAM_OK, L"\x00a5" L"bin\\probe.exe"},
        {"a file that does not exist", L"Caf\x00e9\\absent.exe", PICKED_FILE_MISSING, nullptr},
        {"shortcut", L"Probe.LNK", PICKED_PROGRAM_OK, L"plain\\probe.exe"},
        {"shortcut to e acute", L"Caf\x00e9.lnk", PICKED_PROGRAM_OK, L"Caf\x00e9\\probe.exe"},
        {"target deleted", L"gone.lnk", PICKED_SHORTCUT_TARGET_MISSING, nullptr},
        {"advertised", L"advertised.lnk", PICKED_SHORTCUT_ADVERTISED, nullptr},
        {"to a folder", L"folder.lnk", PICKED_SHORTCUT_WITHOUT_FILE, nullptr},
        {"to My Computer", L"computer.lnk", PICKED_SHORTCUT_WITHOUT_FILE, nullptr},
        {"no shortcut inside", L"broken.lnk", PICKED_SHORTCUT_WITHOUT_FILE, nullptr},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        char program[MAX_PATH] = "stale";
        EXPECT_EQ(row.fault, ResolvePickedProgram((in + row.picked).c_str(), program));
        if (row.target == nullptr) {
            EXPECT_STREQ("", program);
            char text[512];
            DescribePickedProgramFault(row.fault, text, sizeof(text));
            EXPECT_STRNE("", text);
            continue;
        }
        // The path itself where it converts; else one naming the same file.
        const std::wstring target = in + row.target;
        char exact[MAX_PATH];
        WCHAR back[MAX_PATH] = L"";
        if (WideToProgramText(target.c_str(), exact, MAX_PATH)) {
            EXPECT_STREQ(exact, program);
        } else {
            ProgramTextToWide(program, back, MAX_PATH);
            GetLongPathNameW(back, back, MAX_PATH);
            EXPECT_EQ(target, std::wstring(back));
        }
    }
    CoUninitialize();
}
