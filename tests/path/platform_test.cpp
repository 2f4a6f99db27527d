// The path helpers against Windows itself.
// GetIconInfoExA, which names where an icon was loaded from, is declared
// from Windows Vista on only.
#undef _WIN32_WINNT
#define _WIN32_WINNT 0x0600
#include "path/file_icon.h"
#include "path/module_file.h"
#include "path/sjis_path.h"

#include <gtest/gtest.h>

#include <shellapi.h>

#include <string>

TEST(Platform, AnsiCodePageIs932)
{
    EXPECT_EQ(932u, GetACP());
}

TEST(GetSjisByteKind, LeadBytesMatchWindowsTables)
{
    // A byte starts a double-byte character exactly when code page 932 says
    // it is a lead byte; the classifier's ranges must not drift from it.
    for (int b = 1; b < 256; ++b) {
        SCOPED_TRACE(b);
        char text[3] = {(char)b, 'A', '\0'};
        int lead = IsDBCSLeadByteEx(932, (BYTE)b) ? 1 : 0;
        EXPECT_EQ(lead, GetSjisByteKind(text, 0) == SJIS_LEAD_BYTE ? 1 : 0);
    }
}

TEST(GetSjisByteKind, TrailBytesMatchWindowsTables)
{
    // Every double-byte character of code page 932 ends in a byte of the
    // classifier's trail range, and every byte of that range is used.
    bool used[256] = {};
    for (unsigned code = 1; code < 0x10000; ++code) {
        if (code >= 0xD800 && code < 0xE000) {
            continue;
        }
        wchar_t wide = (wchar_t)code;
        char bytes[4];
        BOOL defaulted = FALSE;
        int count = WideCharToMultiByte(932, 0, &wide, 1, bytes, sizeof(bytes), NULL, &defaulted);
        if (count == 2 && !defaulted) {
            used[(unsigned char)bytes[1]] = true;
        }
    }
    for (int trail = 1; trail < 256; ++trail) {
        SCOPED_TRACE(trail);
        char text[3] = {'\x81', (char)trail, '\0'};
        EXPECT_EQ(used[trail], GetSjisByteKind(text, 1) == SJIS_TRAIL_BYTE);
    }
}

TEST(GetModulePath, GivesThisProgramsPath)
{
    char path[MAX_PATH];
    ASSERT_EQ(1, GetModulePath(path));
    std::string text(path);
    ASSERT_GT(text.size(), 4u);
    EXPECT_EQ(".exe", text.substr(text.size() - 4));
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(path));
}

TEST(GetFileIcon, LargeAndSmallIconsOfAFile)
{
    char path[MAX_PATH];
    ASSERT_EQ(1, GetModulePath(path));
    HICON large = GetFileIcon(path, 0);
    HICON small = GetFileIcon(path, SHGFI_SMALLICON);
    ASSERT_NE(nullptr, large);
    ASSERT_NE(nullptr, small);
    ICONINFO info;
    ASSERT_TRUE(GetIconInfo(large, &info));
    BITMAP bitmap;
    GetObjectA(info.hbmMask, sizeof(bitmap), &bitmap);
    EXPECT_EQ(GetSystemMetrics(SM_CXICON), bitmap.bmWidth);
    DeleteObject(info.hbmMask);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    EXPECT_EQ(nullptr, GetFileIcon("C:\\no\\such\\folder\\file.kvnone", 0));
}

TEST(GetModuleIcon, FollowsTheModulesFile)
{
    EXPECT_NE(nullptr, GetModuleIcon(GetModuleHandleA(NULL), 0));
    EXPECT_EQ(nullptr, GetModuleIcon((HMODULE)(ULONG_PTR)0x12340000, 0));

    // A window given the module's icons shows the program's own group, each
    // at the size of the system's metrics.
    char path[MAX_PATH];
    ASSERT_NE(0u, GetModuleFileNameA(NULL, path, MAX_PATH));
    HWND window = CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 10, 10, NULL, NULL, NULL, NULL);
    ASSERT_NE(nullptr, window);
    SetModuleIcons(window, GetModuleHandleA(NULL));
    struct Row {
        WPARAM which;
        int width;
        int height;
    };
    const Row rows[] = {
        {ICON_BIG, GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON)},
        {ICON_SMALL, GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.which == ICON_BIG ? "large" : "small");
        ICONINFOEXA info = {};
        info.cbSize = sizeof(info);
        ASSERT_TRUE(GetIconInfoExA((HICON)SendMessageA(window, WM_GETICON, row.which, 0), &info));
        BITMAP colour = {};
        ASSERT_NE(nullptr, info.hbmColor);
        GetObjectA(info.hbmColor, sizeof(colour), &colour);
        EXPECT_EQ(row.width, colour.bmWidth);
        EXPECT_EQ(row.height, colour.bmHeight);
        EXPECT_STRCASEEQ(path, info.szModName);
        EXPECT_STREQ("IDI_ICON", info.szResName);
        DeleteObject(info.hbmMask);
        DeleteObject(info.hbmColor);
    }
    DestroyWindow(window);
}

// Each size the system may ask for has an image of its own (the 24- and
// 48-pixel ones are stored as PNG), which the system reads at that size with
// its transparency. The pixels were picked by hand from the drawings: the
// top right corner is transparent in each, and one pixel of the folder is
// bright green.
TEST(IconGroup, EachSizeHasAnImageOfItsOwnWithItsTransparency)
{
    HRSRC group = FindResourceA(NULL, "IDI_ICON", (LPCSTR)RT_GROUP_ICON);
    ASSERT_NE(nullptr, group);
    BYTE* directory = (BYTE*)LockResource(LoadResource(NULL, group));
    ASSERT_NE(nullptr, directory);
    struct Row {
        int size;
        int greenX;
        int greenY;
    };
    const Row rows[] = {{16, 8, 3}, {24, 11, 5}, {32, 15, 7}, {48, 22, 9}};
    const COLORREF background = RGB(10, 20, 30);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.size);
        int id = LookupIconIdFromDirectoryEx(directory, TRUE, row.size, row.size, LR_DEFAULTCOLOR);
        HRSRC image = FindResourceA(NULL, MAKEINTRESOURCEA(id), (LPCSTR)RT_ICON);
        ASSERT_NE(nullptr, image);
        // Width and height 0: the image's own size, not one stretched to fit.
        HICON icon = CreateIconFromResourceEx((BYTE*)LockResource(LoadResource(NULL, image)),
                                              SizeofResource(NULL, image), TRUE, 0x00030000, 0, 0,
                                              LR_DEFAULTCOLOR);
        ASSERT_NE(nullptr, icon);
        ICONINFO info = {};
        BITMAP colour = {};
        if (GetIconInfo(icon, &info)) {
            GetObjectA(info.hbmColor, sizeof(colour), &colour);
            DeleteObject(info.hbmMask);
            DeleteObject(info.hbmColor);
        }
        EXPECT_EQ(row.size, colour.bmWidth);
        EXPECT_EQ(row.size, colour.bmHeight);

        HDC dc = CreateCompatibleDC(NULL);
        HDC screen = GetDC(NULL);
        HBITMAP canvas = CreateCompatibleBitmap(screen, row.size, row.size);
        ReleaseDC(NULL, screen);
        HGDIOBJ old = SelectObject(dc, canvas);
        HBRUSH brush = CreateSolidBrush(background);
        RECT all = {0, 0, row.size, row.size};
        FillRect(dc, &all, brush);
        DeleteObject(brush);
        EXPECT_TRUE(DrawIconEx(dc, 0, 0, icon, row.size, row.size, 0, NULL, DI_NORMAL));
        EXPECT_EQ(background, GetPixel(dc, row.size - 1, 0));
        EXPECT_EQ(RGB(0, 255, 0), GetPixel(dc, row.greenX, row.greenY));
        SelectObject(dc, old);
        DeleteObject(canvas);
        DeleteDC(dc);
        DestroyIcon(icon);
    }
}

TEST(SetWindowIcon, HandsTheIconToTheWindow)
{
    HWND window = CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 10, 10, NULL, NULL, NULL, NULL);
    ASSERT_NE(nullptr, window);
    HICON icon = GetModuleIcon(GetModuleHandleA(NULL), 0);
    SetWindowIcon(window, ICON_BIG, icon);
    EXPECT_EQ((LRESULT)icon, SendMessageA(window, WM_GETICON, ICON_BIG, 0));
    SetWindowIcon(window, ICON_BIG, NULL);
    EXPECT_EQ(0, SendMessageA(window, WM_GETICON, ICON_BIG, 0));
    DestroyWindow(window);
}
