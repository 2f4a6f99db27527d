// The About box's resources, version block, free-resources library and
// window placement, against Windows itself inside the test program.
#include "about/about_contents.h"
#include "about/about_texts.h"
#include "about/window_geometry.h"
#include "common/dialog_template.h"
#include "resources/resource_ids.h"
#include "version_block.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

const WORD kJapanese = MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT);

std::string OwnPath()
{
    char path[MAX_PATH];
    GetModuleFileNameA(NULL, path, MAX_PATH);
    return path;
}

std::string OwnFolder()
{
    std::string path = OwnPath();
    return path.substr(0, path.find_last_of('\\') + 1);
}

std::string TempCopyOfSelf(const char* name)
{
    static unsigned counter = 0;
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    std::string path = std::string(temp) + "kvabout_" + std::to_string(GetCurrentProcessId()) + "_" +
                       std::to_string(++counter) + "_" + name;
    CopyFileA(OwnPath().c_str(), path.c_str(), FALSE);
    return path;
}

TEST(AboutBoxTemplate, MatchesTheLayout)
{
    DialogTemplate dialog = ReadDialogTemplate("ABOUT_BOX", kJapanese);
    ASSERT_TRUE(dialog.found);
    EXPECT_EQ((DWORD)(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT), dialog.style);
    EXPECT_EQ(0u, dialog.exStyle);
    EXPECT_EQ(0, dialog.x);
    EXPECT_EQ(0, dialog.y);
    EXPECT_EQ(161, dialog.width);
    EXPECT_EQ(56, dialog.height);
    EXPECT_EQ("", dialog.menu);
    EXPECT_EQ("", dialog.windowClass);  // the standard dialog class
    EXPECT_EQ("Kiveranについて", dialog.caption);
    EXPECT_EQ(9, dialog.pointSize);
    EXPECT_EQ("ＭＳ Ｐゴシック", dialog.font);

    const DWORD child = WS_CHILD | WS_VISIBLE;
    const ExpectedItem rows[] = {
        {IDC_ABOUT_ICON, "STATIC", "IDI_ICON", 7, 7, 20, 21, child | SS_ICON},
        {IDC_ABOUT_VERSION, "STATIC", "", 30, 7, 122, 8, child | SS_NOTIFY | SS_NOPREFIX},
        {IDC_ABOUT_LINK, "STATIC", KIVERAN_HOME_PAGE, 30, 16, 122, 8, child | SS_NOTIFY | SS_NOPREFIX},
        {IDC_ABOUT_RESOURCES, "STATIC", "", 30, 25, 122, 8, child | SS_NOTIFY | SS_NOPREFIX},
        {IDOK, "BUTTON", "OK", 58, 35, 45, 14, child | BS_DEFPUSHBUTTON | WS_TABSTOP},
    };
    ExpectDialogItems(dialog, rows, sizeof(rows) / sizeof(rows[0]));
}

TEST(AboutBoxResources, AreJapanese)
{
    struct Row {
        LPCSTR type;
        LPCSTR name;
        const char* what;
    };
    const Row rows[] = {
        {(LPCSTR)RT_DIALOG, "ABOUT_BOX", "the template"},
        {(LPCSTR)RT_GROUP_CURSOR, "IDC_CURSOR_HAND", "the hand cursor"},
        {(LPCSTR)RT_VERSION, MAKEINTRESOURCEA(1), "the version block"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_NE(nullptr, FindResourceExA(NULL, row.type, row.name, kJapanese));
    }
}

TEST(AboutBoxResources, HandCursorIsA32PixelMonochromeImageWithItsHotSpotTopLeft)
{
    HCURSOR cursor = LoadCursorA(GetModuleHandleA(NULL), "IDC_CURSOR_HAND");
    ASSERT_NE(nullptr, cursor);
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(cursor, &info));
    EXPECT_FALSE(info.fIcon);
    EXPECT_EQ(0u, info.xHotspot);
    EXPECT_EQ(0u, info.yHotspot);
    EXPECT_EQ(nullptr, info.hbmColor);
    BITMAP mask = {};
    GetObjectA(info.hbmMask, sizeof(mask), &mask);
    // A monochrome cursor's mask holds the AND image above the XOR image.
    EXPECT_EQ(32, mask.bmWidth);
    EXPECT_EQ(64, mask.bmHeight);
    EXPECT_EQ(1, mask.bmBitsPixel);
    DeleteObject(info.hbmMask);
    if (info.hbmColor != NULL) DeleteObject(info.hbmColor);
}

// The system's version library, as the About box loads it, for one test.
struct SystemVersionLibrary {
    VersionLibrary library;
    SystemVersionLibrary() { EXPECT_EQ(1, LoadVersionLibrary(&library)); }
    ~SystemVersionLibrary() { FreeVersionLibrary(&library); }
};

TEST(LoadOwnVersionInfo, ReadsTheProgramsBlock)
{
    SystemVersionLibrary version;
    DWORD* translation = NULL;
    void* block = LoadOwnVersionInfo(&version.library, OwnPath().c_str(), &translation);
    ASSERT_NE(nullptr, block);
    ASSERT_NE(nullptr, translation);
    EXPECT_EQ(0x04B00411u, *translation);
    VS_FIXEDFILEINFO* fixed = NULL;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(block, "\\", (void**)&fixed, &length));
    ASSERT_EQ(sizeof(VS_FIXEDFILEINFO), length);
    EXPECT_EQ(0xFEEF04BDu, fixed->dwSignature);
    EXPECT_EQ(0x00000000u, fixed->dwFileVersionMS);
    EXPECT_EQ(0x00010002u, fixed->dwFileVersionLS);
    EXPECT_EQ(0x00000000u, fixed->dwProductVersionMS);
    EXPECT_EQ(0x00010002u, fixed->dwProductVersionLS);
    EXPECT_EQ(0x3Fu, fixed->dwFileFlagsMask);
    EXPECT_EQ(0u, fixed->dwFileFlags);
    EXPECT_EQ((DWORD)VOS_NT_WINDOWS32, fixed->dwFileOS);
    EXPECT_EQ((DWORD)VFT_APP, fixed->dwFileType);
    free(block);
}

TEST(LoadOwnVersionInfo, GivesNoneWithoutAUsableBlock)
{
    std::string withoutBlock = TempCopyOfSelf("noblock.exe");
    ASSERT_TRUE(ReplaceVersionBlock(withoutBlock, {}));
    std::string emptyTable = TempCopyOfSelf("notable.exe");
    ASSERT_TRUE(ReplaceVersionBlock(emptyTable, BuildVersionBlock({{L"FileDescription", L"Tessavoy"}}, {})));
    struct Row {
        const char* name;
        std::string path;
    };
    const Row rows[] = {
        {"missing file", "C:\\no\\such\\folder\\kiveran.exe"},
        {"no version block", withoutBlock},
        {"empty translation table", emptyTable},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        DWORD marker = 0;
        DWORD* translation = &marker;
        SystemVersionLibrary version;
        EXPECT_EQ(nullptr, LoadOwnVersionInfo(&version.library, row.path.c_str(), &translation));
        EXPECT_EQ(nullptr, translation);
    }
    DeleteFileA(withoutBlock.c_str());
    DeleteFileA(emptyTable.c_str());
}

TEST(QueryVersionString, ReadsEachStringOfTheBlock)
{
    SystemVersionLibrary version;
    DWORD* translation = NULL;
    void* block = LoadOwnVersionInfo(&version.library, OwnPath().c_str(), &translation);
    ASSERT_NE(nullptr, block);
    struct Row {
        DWORD translation;
        const char* name;
        int found;
        const char* text;
    };
    const Row rows[] = {
        {0x04B00411, "CompanyName", 1, "Kiveran"},
        {0x04B00411, "FileDescription", 1, "Tessavoy"},
        {0x04B00411, "FileVersion", 1, "0.14"},
        {0x04B00411, "LegalCopyright", 1, "Copyright (C) 2026 Kiveran"},
        {0x04B00411, "OriginalFilename", 1, "KIVERAN.EXE"},
        {0x04B00411, "ProductVersion", 1, "0.14"},
        {0x04B00411, "Comments", 0, ""},
        {0x04B00409, "FileDescription", 0, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        char output[ABOUT_TEXT_SIZE];
        memset(output, 'X', sizeof(output));
        EXPECT_EQ(row.found, QueryVersionString(&version.library, output, block, row.translation, row.name));
        EXPECT_EQ(std::string(row.text), output);
    }
    free(block);
}

TEST(QueryVersionString, CutsALongStringAtACharacterBoundary)
{
    std::string path = TempCopyOfSelf("long.exe");
    ASSERT_TRUE(ReplaceVersionBlock(
        path, BuildVersionBlock({{L"FileDescription", std::wstring(200, L'説')}}, {0x04B00411})));
    SystemVersionLibrary version;
    DWORD* translation = NULL;
    void* block = LoadOwnVersionInfo(&version.library, path.c_str(), &translation);
    ASSERT_NE(nullptr, block);
    char output[ABOUT_TEXT_SIZE + 32];
    memset(output, 'X', sizeof(output));
    EXPECT_EQ(1, QueryVersionString(&version.library, output, block, *translation, "FileDescription"));
    std::string expected;
    for (int i = 0; i < 131; ++i) expected += "説";
    EXPECT_EQ(expected, output);
    for (size_t i = ABOUT_TEXT_SIZE; i < sizeof(output); ++i) {
        EXPECT_EQ('X', output[i]) << "wrote past the buffer at " << i;
    }
    free(block);
    DeleteFileA(path.c_str());
}

// Puts a copy of one stand-in library in the system folder, the first place
// the program looks, logging to a file of its own; takes it away again at
// the end. The folder is the throwaway prefix's, so no copy outlives the session.
class FreeSystemResources : public ::testing::Test {
protected:
    void Use(const char* variant)
    {
        folder_ = OwnFolder() + "about-fakes\\" + variant;
        log_ = folder_ + "\\calls.log";
        DeleteFileA(log_.c_str());
        char system[MAX_PATH];
        ASSERT_NE(0u, GetSystemDirectoryA(system, MAX_PATH));
        library_ = std::string(system) + "\\rsrc32.dll";
        ASSERT_TRUE(CopyFileA((folder_ + "\\rsrc32.dll").c_str(), library_.c_str(), TRUE));
        SetEnvironmentVariableA("KIVERAN_FAKE_RESOURCES_LOG", log_.c_str());
        SetEnvironmentVariableA("KIVERAN_FAKE_RESOURCES", "73");
    }
    std::string Calls()
    {
        char text[64] = "";
        HANDLE file = CreateFileA(log_.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL,
                                  OPEN_EXISTING, 0, NULL);
        DWORD read = 0;
        if (file != INVALID_HANDLE_VALUE) {
            ReadFile(file, text, sizeof(text) - 1, &read, NULL);
            CloseHandle(file);
        }
        DeleteFileA(log_.c_str());
        return std::string(text, read);
    }
    void TearDown() override
    {
        if (!library_.empty()) {
            DeleteFileA(library_.c_str());
        }
        SetEnvironmentVariableA("KIVERAN_FAKE_RESOURCES_LOG", NULL);
        SetEnvironmentVariableA("KIVERAN_FAKE_RESOURCES", NULL);
    }
    std::string folder_;
    std::string log_;
    std::string library_;
};

TEST_F(FreeSystemResources, NoLibraryGivesNothing)
{
    int system = -5, gdi = -5, user = -5;
    EXPECT_EQ(0, GetFreeSystemResources(&system, &gdi, &user));
    EXPECT_EQ(-5, system);
    EXPECT_EQ(-5, gdi);
    EXPECT_EQ(-5, user);
}

TEST_F(FreeSystemResources, AsksOnlyForTheRequestedFiguresInOrderAndFreesTheLibrary)
{
    Use("rsrc32");
    struct Row {
        bool system, gdi, user;
        const char* calls;
        int expectSystem, expectGdi, expectUser;  // -5: not written
    };
    // The stand-in answers 73 plus the selector.
    const Row rows[] = {
        {true, true, true, "a012d", 73, 74, 75},
        {true, false, false, "a0d", 73, -5, -5},
        {false, true, false, "a1d", -5, 74, -5},
        {false, false, true, "a2d", -5, -5, 75},
        {false, false, false, "ad", -5, -5, -5},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.calls);
        int system = -5, gdi = -5, user = -5;
        EXPECT_EQ(1, GetFreeSystemResources(row.system ? &system : NULL, row.gdi ? &gdi : NULL,
                                            row.user ? &user : NULL));
        EXPECT_EQ(row.expectSystem, system);
        EXPECT_EQ(row.expectGdi, gdi);
        EXPECT_EQ(row.expectUser, user);
        EXPECT_EQ(row.calls, Calls());
        EXPECT_EQ(nullptr, GetModuleHandleA("rsrc32.dll"));
    }
}

TEST_F(FreeSystemResources, LibraryWithoutTheFunctionGivesNothingAndIsFreed)
{
    Use("rsrc32_undecorated");
    int system = -5;
    EXPECT_EQ(0, GetFreeSystemResources(&system, NULL, NULL));
    EXPECT_EQ(-5, system);
    EXPECT_EQ("ad", Calls());
    EXPECT_EQ(nullptr, GetModuleHandleA("rsrc32.dll"));
}

TEST(WindowGeometry, RectanglesOfWindowsAndOfTheScreen)
{
    RECT screen = GetWindowOrScreenRect(NULL);
    EXPECT_EQ(0, screen.left);
    EXPECT_EQ(0, screen.top);
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), screen.right);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), screen.bottom);
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), RectWidth(NULL));
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), RectHeight(NULL));

    HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 30, 40, 170, 90, NULL, NULL, NULL, NULL);
    ASSERT_NE(nullptr, window);
    RECT rect = GetWindowOrScreenRect(window);
    EXPECT_EQ(30, rect.left);
    EXPECT_EQ(40, rect.top);
    EXPECT_EQ(200, rect.right);
    EXPECT_EQ(130, rect.bottom);
    EXPECT_EQ(170, RectWidth(window));
    EXPECT_EQ(90, RectHeight(window));

    EXPECT_EQ(1, MoveWindowTo(window, 300, 250));
    rect = GetWindowOrScreenRect(window);
    EXPECT_EQ(300, rect.left);
    EXPECT_EQ(250, rect.top);
    EXPECT_EQ(170, RectWidth(window));
    EXPECT_EQ(90, RectHeight(window));
    DestroyWindow(window);

    // One monitor: wherever the point, even off the screen, its work area
    // is the desktop's.
    RECT expected = {};
    ASSERT_TRUE(SystemParametersInfoA(SPI_GETWORKAREA, 0, &expected, 0));
    const POINT points[] = {{400, 300}, {-5000, -5000}, {100000, 20}};
    for (const POINT& point : points) {
        SCOPED_TRACE(::testing::Message() << point.x << ", " << point.y);
        RECT work = GetWorkArea(point);
        EXPECT_TRUE(EqualRect(&expected, &work));
    }
}

TEST(PlaceNearCursor, CentresWindowsOnTheCursorInScreenCoordinates)
{
    // A parent whose client area starts below its caption and right of its
    // border, so that client and screen co-ordinates differ.
    HWND parent = CreateWindowExA(0, "STATIC", "parent", WS_POPUP | WS_CAPTION | WS_BORDER | WS_VISIBLE, 100,
                                  80, 700, 600, NULL, NULL, NULL, NULL);
    ASSERT_NE(nullptr, parent);
    POINT origin = {0, 0};
    ClientToScreen(parent, &origin);
    ASSERT_TRUE(origin.x != 100 || origin.y != 80);

    struct Row {
        const char* name;
        DWORD style;
        HWND parentOrOwner;
    };
    const Row rows[] = {
        {"top-level window", WS_POPUP, NULL},
        {"owned pop-up (GetParent gives its owner)", WS_POPUP, parent},
        {"child window", WS_CHILD, parent},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        HWND window = CreateWindowExA(0, "STATIC", "", row.style | WS_VISIBLE, 5, 5, 101, 51,
                                      row.parentOrOwner, NULL, NULL, NULL);
        ASSERT_NE(nullptr, window);
        ASSERT_TRUE(SetCursorPos(400, 300));
        PlaceNearCursor(window);
        RECT rect = {};
        GetWindowRect(window, &rect);
        EXPECT_EQ(400 - 50, rect.left);
        EXPECT_EQ(300 - 25, rect.top);
        EXPECT_EQ(101, rect.right - rect.left);
        EXPECT_EQ(51, rect.bottom - rect.top);
        DestroyWindow(window);
    }
    DestroyWindow(parent);
}

}  // namespace
