// The About box for real under Wine: about_host.exe shows it in a process of
// its own, and these tests find its window, read it back and work it with the
// mouse and the keyboard, as a user would.
#include "about_host_messages.h"
#include "box_driver.h"
#include "common/registry_helpers.h"
#include "common/text_helpers.h"
#include "common/window_driver.h"
#include "resources/resource_ids.h"
#include "version_block.h"

#include <gtest/gtest.h>

#include <tlhelp32.h>

#include <string>
#include <vector>

namespace {

// Literals are Shift-JIS, like the program's own texts.
const char kTitle[] = "Tessavoy について";
const char kTemplateCaption[] = "Kiveranについて";
const char kVersionLine[] = "Tessavoy ver. 0.14";
const char kTempPrefix[] = "kvabout_";

std::string HostPath()
{
    return BinFolder() + "about_host.exe";
}

std::string FakeLibrary(const char* variant)
{
    return BinFolder() + "about-fakes\\" + variant + "\\rsrc32.dll";
}

// The one place the program takes the library from.
std::string SystemLibrary()
{
    char folder[MAX_PATH] = "";
    GetSystemDirectoryA(folder, MAX_PATH);
    return std::string(folder) + "\\rsrc32.dll";
}

RECT WorkArea()
{
    RECT work = {};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    return work;
}

POINT WorkAreaCentre()
{
    RECT work = WorkArea();
    return POINT{(work.left + work.right) / 2, (work.top + work.bottom) / 2};
}

// The first line of the log that starts with prefix, or "".
std::string LogLine(const std::string& log, const std::string& prefix)
{
    std::string text = ReadFileText(log);
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        std::string line = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (line.compare(0, prefix.size(), prefix) == 0) {
            return line;
        }
        if (end == std::string::npos) {
            break;
        }
        start = end + 1;
    }
    return "";
}

// The last "shown=" line the host logged.
std::string LastShownCursor(const std::string& log)
{
    std::string text = ReadFileText(log);
    size_t at = text.rfind("shown=");
    return at == std::string::npos ? "" : text.substr(at, text.find('\n', at) - at);
}

bool HasModule(DWORD processId, const char* name)
{
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, processId);
    if (snapshot == INVALID_HANDLE_VALUE) {
        return false;
    }
    MODULEENTRY32 entry = {};
    entry.dwSize = sizeof(entry);
    bool found = false;
    for (BOOL more = Module32First(snapshot, &entry); more && !found; more = Module32Next(snapshot, &entry)) {
        found = lstrcmpiA(entry.szModule, name) == 0;
    }
    CloseHandle(snapshot);
    return found;
}

// Whether upper comes before lower in the Z order of the top-level windows.
bool IsAbove(HWND upper, HWND lower)
{
    for (HWND window = GetTopWindow(NULL); window != NULL; window = GetWindow(window, GW_HWNDNEXT)) {
        if (window == upper) {
            return true;
        }
        if (window == lower) {
            return false;
        }
    }
    return false;
}

POINT Centre(const RECT& rect)
{
    return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

void ClickOk(HWND box)
{
    POINT at = Centre(ScreenRect(GetDlgItem(box, IDOK)));
    ClickAt(at.x, at.y);
}

void PressEscape(HWND box)
{
    ASSERT_TRUE(Activate(box));
    PressKey(VK_ESCAPE);
}

void ClickCloseBox(HWND box)
{
    // The title bar's rectangle ends with the caption buttons; the box has
    // only the close button, the last one.
    TITLEBARINFO info = {};
    info.cbSize = sizeof(info);
    ASSERT_TRUE(GetTitleBarInfo(box, &info));
    ASSERT_FALSE(info.rgstate[5] & STATE_SYSTEM_INVISIBLE);
    RECT bar = info.rcTitleBar;
    ClickAt(bar.right - GetSystemMetrics(SM_CXSIZE) / 2, (bar.top + bar.bottom) / 2);
}

void ClickLink(HWND box)
{
    ClickOnText(GetDlgItem(box, IDC_ABOUT_LINK));
}

class AboutBoxTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder_ = MakeTempFolder(kTempPrefix);
        log_ = folder_ + "host.log";
        host_ = Program{};
        POINT centre = WorkAreaCentre();
        ASSERT_TRUE(PutCursor(centre.x, centre.y));
    }

    void TearDown() override
    {
        if (host_.started) {
            FinishProgram(&host_, 0);
        }
        DeleteFileA(SystemLibrary().c_str());  // a stand-in that a failed check left
        SetEnvironmentVariableA("KIVERAN_FAKE_RESOURCES", NULL);
        SetEnvironmentVariableA("KIVERAN_FAKE_RESOURCES_LOG", NULL);
    }

    // Starts the host and waits for its box: with this title, or any title
    // when title is null.
    HWND Start(const std::string& program, const std::string& arguments, const char* title,
               const std::string& currentFolder = "")
    {
        host_ = StartProgram(Quoted(program) + " " + arguments, currentFolder);
        if (!host_.started) {
            return NULL;
        }
        if (title == NULL) {
            return WaitForAnyWindow(host_.Id());
        }
        return WaitForWindow(title, host_.Id());
    }

    // The test configuration with a log, through ShowAboutBox.
    HWND StartShow(const std::string& options, const char* title = kTitle)
    {
        return Start(HostPath(), "show --log " + Quoted(log_) + " " + options, title);
    }

    long Finish()
    {
        return FinishProgram(&host_);
    }

    std::string folder_;
    std::string log_;
    Program host_;
};

TEST_F(AboutBoxTest, ProgramBoxShowsTitleVersionLineLinkAndIcon)
{
    // Nothing in this session provides rsrc32.dll, so the line stays empty.
    ASSERT_EQ(nullptr, LoadLibraryA("rsrc32.dll"));
    HWND box = Start(HostPath(), "program", kTitle);
    ASSERT_NE(nullptr, box);
    EXPECT_EQ(box, FindWindowA(NULL, kTitle));
    EXPECT_EQ(kVersionLine, GetText(GetDlgItem(box, IDC_ABOUT_VERSION)));
    EXPECT_EQ(KIVERAN_HOME_PAGE, GetText(GetDlgItem(box, IDC_ABOUT_LINK)));
    EXPECT_EQ("", GetText(GetDlgItem(box, IDC_ABOUT_RESOURCES)));
    EXPECT_EQ("OK", GetText(GetDlgItem(box, IDOK)));
    EXPECT_NE(0, SendMessageA(GetDlgItem(box, IDC_ABOUT_ICON), STM_GETICON, 0, 0));

    ClickOk(box);
    ASSERT_TRUE(WaitForWindowGone(box));
    EXPECT_EQ(1, Finish());
}

TEST_F(AboutBoxTest, ProgramBoxIsCentredOnTheCursorInsideTheWorkArea)
{
    enum Expect { CENTRED, AT_RIGHT_BOTTOM, AT_LEFT_TOP, AT_RIGHT_CENTRED };
    struct Row {
        const char* name;
        int anchorX;  // -1 left edge, 0 centre, 1 right edge of the work area
        int anchorY;
        Expect expect;
    };
    const Row rows[] = {
        {"middle of the screen", 0, 0, CENTRED},
        {"bottom-right corner", 1, 1, AT_RIGHT_BOTTOM},
        {"top-left corner", -1, -1, AT_LEFT_TOP},
        {"right edge, half-way down", 1, 0, AT_RIGHT_CENTRED},
    };
    RECT work = WorkArea();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        // A point just inside the work area: its right and bottom edges are
        // outside it.
        POINT cursor = WorkAreaCentre();
        if (row.anchorX != 0) cursor.x = row.anchorX < 0 ? work.left + 1 : work.right - 2;
        if (row.anchorY != 0) cursor.y = row.anchorY < 0 ? work.top + 1 : work.bottom - 2;
        ASSERT_TRUE(PutCursor(cursor.x, cursor.y));

        HWND box = Start(HostPath(), "program", kTitle);
        ASSERT_NE(nullptr, box);
        RECT rect = ScreenRect(box);
        int width = rect.right - rect.left;
        int height = rect.bottom - rect.top;
        ASSERT_GT(width, 100);
        ASSERT_GT(height, 50);
        int centredLeft = cursor.x + width / -2;
        int centredTop = cursor.y + height / -2;
        switch (row.expect) {
        case CENTRED:
            EXPECT_EQ(centredLeft, rect.left);
            EXPECT_EQ(centredTop, rect.top);
            break;
        case AT_RIGHT_BOTTOM:
            EXPECT_EQ(work.right, rect.right);
            EXPECT_EQ(work.bottom, rect.bottom);
            break;
        case AT_LEFT_TOP:
            EXPECT_EQ(work.left, rect.left);
            EXPECT_EQ(work.top, rect.top);
            break;
        case AT_RIGHT_CENTRED:
            EXPECT_EQ(work.right, rect.right);
            EXPECT_EQ(centredTop, rect.top);
            break;
        }
        PostMessageA(box, WM_CLOSE, 0, 0);
        ASSERT_EQ(1, Finish());
    }
}

TEST_F(AboutBoxTest, EndsWithOneForOkAndTheLinkAndTwoForEscapeAndTheCloseBox)
{
    struct Row {
        const char* name;
        void (*act)(HWND box);
        long result;
        bool opensLink;
    };
    const Row rows[] = {
        {"OK button", ClickOk, 1, false},
        {"Escape key", PressEscape, 2, false},
        {"close box", ClickCloseBox, 2, false},
        {"link", ClickLink, 1, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::string folder = MakeTempFolder(kTempPrefix);
        // The link's target is a program that records that it was started.
        std::string target = folder + "link_target.exe";
        ASSERT_TRUE(CopyInto(HostPath(), target));
        HWND box = Start(HostPath(), "run --link-text " + Quoted(target), kTitle);
        ASSERT_NE(nullptr, box);

        row.act(box);
        ASSERT_TRUE(WaitForWindowGone(box));
        ASSERT_EQ(row.result, Finish());
        if (row.opensLink) {
            EXPECT_TRUE(WaitForFile(target + ".opened"));
        } else {
            // The host has ended: a target the shell started for it is done.
            EXPECT_TRUE(WaitForNoProcessOf(target));
            EXPECT_FALSE(FileExists(target + ".opened"));
        }
    }
}

TEST_F(AboutBoxTest, ProgramLinkHandsTheHomePageToTheShell)
{
    // The shell opens https addresses with the command under the class root;
    // for this test it is a program that records its argument.
    const std::string command = "https\\shell\\open\\command";
    std::string saved;
    bool hadCommand = ReadDefault(command, &saved);
    std::string probe = folder_ + "browser.exe";
    ASSERT_TRUE(CopyInto(HostPath(), probe));
    SetDefault(command, Quoted(probe) + " opened \"%1\"");

    HWND box = Start(HostPath(), "program", kTitle);
    bool gone = false;
    if (box != NULL) {
        ClickLink(box);
        gone = WaitForWindowGone(box);
    }
    // A host whose box did not come or go is ended at once.
    long result = gone ? Finish() : FinishProgram(&host_, 0);
    bool opened = gone && WaitForFile(probe + ".opened");
    if (hadCommand) {
        SetDefault(command, saved);
    } else {
        DeleteTree("https\\shell\\open");
    }

    ASSERT_NE(nullptr, box);
    ASSERT_TRUE(gone);
    EXPECT_EQ(1, result);
    ASSERT_TRUE(opened);
    EXPECT_TRUE(WaitForLine(probe + ".opened", KIVERAN_HOME_PAGE)) << ReadFileText(probe + ".opened");
}

TEST_F(AboutBoxTest, LinkWithoutItsFlagKeepsTheTemplateTextButStillActsAsTheLink)
{
    std::string target = folder_ + "link_target.exe";
    ASSERT_TRUE(CopyInto(HostPath(), target));
    // The program's flags less ABOUT_LINK (0x0080).
    HWND box = Start(HostPath(), "run --flags 12A --log " + Quoted(log_) + " --link-text " + Quoted(target),
                     kTitle);
    ASSERT_NE(nullptr, box);
    EXPECT_EQ(KIVERAN_HOME_PAGE, GetText(GetDlgItem(box, IDC_ABOUT_LINK)));
    EXPECT_EQ(kVersionLine, GetText(GetDlgItem(box, IDC_ABOUT_VERSION)));

    ASSERT_TRUE(SendRequest(box, HOST_PROBE_COLOURS));
    EXPECT_EQ("colour 1016 brush=null text=ff0000 mode=1", LogLine(log_, "colour 1016 "));
    ASSERT_TRUE(SendRequest(box, HOST_PROBE_CURSOR));
    EXPECT_EQ("cursor 1016 result=1 shown=hand", LogLine(log_, "cursor 1016 "));

    ClickLink(box);
    ASSERT_TRUE(WaitForWindowGone(box));
    EXPECT_EQ(1, Finish());
    EXPECT_TRUE(WaitForFile(target + ".opened"));
}

TEST_F(AboutBoxTest, OnlyTheLinkIsBlueOnATransparentBackground)
{
    HWND box = StartShow("");
    ASSERT_NE(nullptr, box);
    ASSERT_TRUE(SendRequest(box, HOST_PROBE_COLOURS));
    // What the system answers for a static when the box leaves it alone.
    std::string system = LogLine(log_, "colour default ");
    ASSERT_NE("", system);
    std::string defaults = system.substr(std::string("colour default ").size());
    EXPECT_EQ("colour 1016 brush=null text=ff0000 mode=1", LogLine(log_, "colour 1016 "));
    EXPECT_EQ("colour 1015 brush=default " + defaults, LogLine(log_, "colour 1015 "));
    EXPECT_EQ("colour 1014 brush=default " + defaults, LogLine(log_, "colour 1014 "));

    // And on the screen: blue text in the link's rectangle only, once the
    // box has been painted.
    PixelCount link = {0, 0};
    WaitUntil([&] {
        link = CountPixels(ScreenRect(GetDlgItem(box, IDC_ABOUT_LINK)));
        return link.blue > 10;
    });
    PixelCount version = CountPixels(ScreenRect(GetDlgItem(box, IDC_ABOUT_VERSION)));
    EXPECT_GT(link.blue, 10);
    EXPECT_EQ(0, version.blue);
    EXPECT_GT(version.dark, 10);

    ClickOk(box);
    EXPECT_EQ(1, Finish());
}

TEST_F(AboutBoxTest, HandCursorShowsOverTheLinkOnly)
{
    HWND box = StartShow("");
    ASSERT_NE(nullptr, box);
    ASSERT_TRUE(SendRequest(box, HOST_PROBE_CURSOR));
    EXPECT_EQ("cursor 1016 result=1 shown=hand", LogLine(log_, "cursor 1016 "));
    std::string version = LogLine(log_, "cursor 1015 ");
    EXPECT_EQ("shown=arrow", version.substr(version.rfind(' ') + 1));

    // With the mouse itself.
    struct Row {
        const char* name;
        int control;
        const char* shown;
    };
    const Row rows[] = {
        {"over the link", IDC_ABOUT_LINK, "shown=hand"},
        {"over the version line", IDC_ABOUT_VERSION, "shown=arrow"},
        {"back over the link", IDC_ABOUT_LINK, "shown=hand"},
        {"over the resources line", IDC_ABOUT_RESOURCES, "shown=arrow"},
        {"over the link once more", IDC_ABOUT_LINK, "shown=hand"},
        {"over OK", IDOK, "shown=arrow"},
    };
    // Each row expects the other cursor than the row before, so that an
    // answer given before the move was handled cannot pass.
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        RECT rect = ScreenRect(GetDlgItem(box, row.control));
        MoveMouseTo(rect.left + 4, (rect.top + rect.bottom) / 2);
        // The box's thread answers a request before it takes the mouse's
        // move from its queue: ask until the move has been handled.
        bool answered = true;
        WaitUntil([&] {
            answered = SendRequest(box, HOST_REPORT_CURSOR);
            return !answered || LastShownCursor(log_) == row.shown;
        });
        ASSERT_TRUE(answered);
        ASSERT_EQ(row.shown, LastShownCursor(log_));
    }

    ClickOk(box);
    EXPECT_EQ(1, Finish());
}

TEST_F(AboutBoxTest, SecondRequestBringsTheOpenBoxForwardWithoutASecondBox)
{
    HWND box = StartShow("");
    ASSERT_NE(nullptr, box);
    // The box is minimized, the desktop has the focus, and a window that
    // never takes the focus covers the box's place. (A window of this program
    // that held the focus would give it to the desktop as the box took it:
    // Wine's X11 driver does that when the focus moves to another process.)
    ShowWindowAsync(box, SW_MINIMIZE);
    ASSERT_TRUE(WaitUntil([&] {
        PumpMessages(0);
        return IsIconic(box) != FALSE;
    }));
    SetForegroundWindow(GetDesktopWindow());
    HWND other = CreateWindowExA(WS_EX_NOACTIVATE, "STATIC", "other", WS_POPUP | WS_CAPTION, 0, 0, 1280, 1024,
                                 NULL, NULL, NULL, NULL);
    ASSERT_NE(nullptr, other);
    ShowWindow(other, SW_SHOWNOACTIVATE);
    WaitUntil([&] {
        PumpMessages(0);
        return IsAbove(other, box) && GetForegroundWindow() != box;
    });
    ASSERT_TRUE(IsIconic(box));
    ASSERT_NE(box, GetForegroundWindow());
    ASSERT_TRUE(IsAbove(other, box));

    // The request is answered: had it opened a second modal box, the hook
    // would not have returned until that one closed.
    PostMessageA(box, HOST_SECOND_REQUEST, 0, 0);
    ASSERT_TRUE(WaitUntil([&] {
        PumpMessages(0);
        return WaitForLine(log_, "second=1", 0);
    }));
    EXPECT_EQ(1, CountBoxes(host_.info.dwProcessId));
    // The open box keeps its own configuration.
    EXPECT_EQ(KIVERAN_HOME_PAGE, GetText(GetDlgItem(box, IDC_ABOUT_LINK)));
    // Restored, in front, above the other window.
    EXPECT_FALSE(IsIconic(box));
    EXPECT_TRUE(WaitForForeground(box));
    EXPECT_TRUE(IsAbove(box, other));
    DestroyWindow(other);

    ClickOk(box);
    EXPECT_EQ(1, Finish());
    EXPECT_TRUE(WaitForLine(log_, "closed result=1 window=null icons-alive=0")) << ReadFileText(log_);
}

TEST_F(AboutBoxTest, ClosingReleasesTheIconsTheBoxWasGiven)
{
    HWND box = StartShow("");
    ASSERT_NE(nullptr, box);
    ASSERT_TRUE(SendRequest(box, HOST_PROBE_STATE));
    EXPECT_EQ("state window=self icon-big=1 icon-small=1 icon-control=1", LogLine(log_, "state "));
    ClickOk(box);
    EXPECT_EQ(1, Finish());
    EXPECT_EQ("closed result=1 window=null icons-alive=0", LogLine(log_, "closed "));
}

TEST_F(AboutBoxTest, HookHoldingTheStartLeavesTheBoxUnfilledAndUnplaced)
{
    POINT cursor = WorkAreaCentre();
    // The template's own caption, in Japanese: nothing replaced it.
    HWND box = StartShow("--hold-init", kTemplateCaption);
    ASSERT_NE(nullptr, box);
    EXPECT_EQ(kTemplateCaption, GetText(box));
    EXPECT_EQ("", GetText(GetDlgItem(box, IDC_ABOUT_VERSION)));
    EXPECT_EQ(KIVERAN_HOME_PAGE, GetText(GetDlgItem(box, IDC_ABOUT_LINK)));
    EXPECT_EQ("", GetText(GetDlgItem(box, IDC_ABOUT_RESOURCES)));
    RECT rect = ScreenRect(box);
    EXPECT_FALSE(rect.left == cursor.x + (rect.right - rect.left) / -2 &&
                 rect.top == cursor.y + (rect.bottom - rect.top) / -2);
    ASSERT_TRUE(SendRequest(box, HOST_PROBE_STATE));
    EXPECT_EQ("state window=null icon-big=0 icon-small=0 icon-control=1", LogLine(log_, "state "));

    ClickOk(box);
    EXPECT_EQ(1, Finish());
    EXPECT_EQ("init", LogLine(log_, "init"));
    // The template's icon belongs to the system's shared icons and stays.
    EXPECT_EQ("closed result=1 window=null icons-alive=1", LogLine(log_, "closed "));
}

// The library is taken from the system folder only: never from beside the
// program, nor found by a search of the current folder.
TEST_F(AboutBoxTest, ResourcesLineShowsTheFigureOfRsrc32AndFreesIt)
{
    enum Place { BESIDE, CURRENT_FOLDER, SYSTEM_FOLDER };
    struct Row {
        const char* name;
        const char* variant;  // the library put at place
        Place place;
        const char* figure;
        const char* line;
        const char* calls;  // a: loaded, 0: system figure asked, d: freed
    };
    const char kLine73[] = "システムリソース： 73 ％使用可能";
    const Row rows[] = {
        {"a percentage", "rsrc32", SYSTEM_FOLDER, "73", kLine73, "a0d"},
        {"the widest percentage", "rsrc32", SYSTEM_FOLDER, "100", "システムリソース： 100 ％使用可能", "a0d"},
        {"four digits do not fit the line", "rsrc32", SYSTEM_FOLDER, "1000", "", "a0d"},
        {"the most negative figure", "rsrc32", SYSTEM_FOLDER, "-2147483648", "", "a0d"},
        {"function under another name", "rsrc32_undecorated", SYSTEM_FOLDER, "73", "", "ad"},
        {"beside the program only", "rsrc32", BESIDE, "73", "", ""},
        {"in the current folder only", "rsrc32", CURRENT_FOLDER, "73", "", ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::string folder = MakeTempFolder(kTempPrefix);
        std::string host = folder + "about_host.exe";
        std::string calls = folder + "calls.log";
        std::string other = MakeTempFolder(kTempPrefix);
        std::string library = row.place == SYSTEM_FOLDER ? SystemLibrary()
                              : row.place == BESIDE      ? folder + "rsrc32.dll"
                                                         : other + "rsrc32.dll";
        ASSERT_TRUE(CopyInto(HostPath(), host));
        ASSERT_TRUE(CopyInto(FakeLibrary(row.variant), library));
        SetEnvironmentVariableA("KIVERAN_FAKE_RESOURCES", row.figure);
        SetEnvironmentVariableA("KIVERAN_FAKE_RESOURCES_LOG", calls.c_str());

        HWND box = Start(host, "program", kTitle, row.place == CURRENT_FOLDER ? other : "");
        ASSERT_NE(nullptr, box);
        EXPECT_EQ(row.line, GetText(GetDlgItem(box, IDC_ABOUT_RESOURCES)));
        EXPECT_EQ(row.calls, ReadFileText(calls));
        EXPECT_TRUE(HasModule(host_.info.dwProcessId, "about_host.exe"));
        EXPECT_FALSE(HasModule(host_.info.dwProcessId, "rsrc32.dll"));

        ClickOk(box);
        ASSERT_EQ(1, Finish());
        EXPECT_EQ(row.calls, ReadFileText(calls));
        DeleteFileA(SystemLibrary().c_str());
    }
}

TEST_F(AboutBoxTest, TextsFollowTheVersionBlockAndAreCutWhenTooLong)
{
    enum How { KEEP, REMOVE, REPLACE };
    struct Row {
        const char* name;
        How how;
        std::vector<VersionString> strings;
        std::vector<DWORD> translations;
        std::string title;
        std::string company;
        std::string versionLine;
        std::string copyright;
    };
    const DWORD japanese = 0x04B00411;
    const std::wstring longDescription(200, L'説');
    const std::string cutDescription = Repeat("説", 131);  // 262 bytes: 263 would split a character
    const std::vector<Row> rows = {
        {"the program's block", KEEP, {}, {}, kTitle, "Kiveran", kVersionLine, "Copyright (C) 2026 Kiveran"},
        {"no block", REMOVE, {}, {}, "", "", "", ""},
        {"empty translation table", REPLACE, {{L"FileDescription", L"Tessavoy"}}, {}, "", "", "", ""},
        {"strings missing", REPLACE, {{L"CompanyName", L"Kiveran"}}, {japanese},
         " について", "Kiveran", " ver. ", ""},
        {"strings of another language only", REPLACE, {{L"FileDescription", L"Tessavoy"}}, {0x04B00409},
         " について", "", " ver. ", ""},
        {"long description", REPLACE,
         {{L"FileDescription", longDescription}, {L"ProductVersion", L"0.14"}}, {japanese},
         cutDescription + " ", "", cutDescription + " ", ""},
        {"long version", REPLACE,
         {{L"FileDescription", L"Tessavoy"}, {L"ProductVersion", std::wstring(300, L'9')}}, {japanese},
         kTitle, "", "Tessavoy ver. " + std::string(249, '9'), ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::string folder = MakeTempFolder(kTempPrefix);
        std::string host = folder + "about_host.exe";
        ASSERT_TRUE(CopyInto(HostPath(), host));
        if (row.how == REMOVE) {
            ASSERT_TRUE(ReplaceVersionBlock(host, {}));
        } else if (row.how == REPLACE) {
            ASSERT_TRUE(ReplaceVersionBlock(host, BuildVersionBlock(row.strings, row.translations)));
        }
        // Title, company into the resources line, version line, copyright
        // into the link's place.
        HWND box = Start(host, "show --flags 72 --company 1014 --copyright 1016", NULL);
        ASSERT_NE(nullptr, box);
        EXPECT_EQ(row.title, GetText(box));
        EXPECT_EQ(row.company, GetText(GetDlgItem(box, IDC_ABOUT_RESOURCES)));
        EXPECT_EQ(row.versionLine, GetText(GetDlgItem(box, IDC_ABOUT_VERSION)));
        EXPECT_EQ(row.copyright, GetText(GetDlgItem(box, IDC_ABOUT_LINK)));
        ClickOk(box);
        ASSERT_EQ(1, Finish());
    }
}

}  // namespace
