// The whole program under Wine: started with exact raw command lines, as the
// shell starts it for a dropped file, and worked like a user would.
#include "common/open_dialog_driver.h"
#include "common/registry_helpers.h"
#include "common/window_driver.h"
#include "common/windows_helpers.h"
#include "launch/long_paths.h"
#include "resources/resource_ids.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const char kAboutTitle[] = "Tessavoy について";
const char kDialogTitle[] = "ｱﾌﾟﾘｹｰｼｮﾝとの関連づけ";
const char kSeveralFilesCaption[] = "複数のファイルがドロップされました";
const char kSeveralFilesText[] =
    "ファイルを一つづつドロップしてください。\n\n"
    " 現在のバージョンでは、複数の拡張子に\n"
    "同時に関連づけを行うことはできません。";
// The drop handler's message for a path it cannot read; its text is its own.
const char kNotFoundCaption[] = "ファイルが見つかりません";
const char kForeignExtensionCaption[] = "拡張子に扱えない文字があります";

std::string ProgramPath()
{
    return BinFolder() + "kiveran.exe";
}

// The UTF-16LE text of a file, empty when there is none.
std::wstring ReadWideFile(const std::string& path)
{
    std::string bytes;
    if (!ReadFileText(path, &bytes)) {
        return L"";
    }
    return std::wstring((const wchar_t*)bytes.data(), bytes.size() / sizeof(wchar_t));
}

std::string Extension(const std::string& path)
{
    size_t dot = path.find_last_of('.');
    return dot == std::string::npos ? "" : path.substr(dot);
}

struct Outcome {
    std::vector<MessageBoxTexts> windows;  // every window shown, in order
    long exitCode;
};

// Runs the program, closing each window it shows as soon as it is visible
// (with OK where closing is not enough), until the program ends; within one
// bound in all, after which the program is ended (exit code -1).
Outcome RunClosingEachWindow(const std::string& commandLine)
{
    Outcome outcome;
    Program run = StartProgram(commandLine);
    EXPECT_TRUE(run.started) << commandLine;
    HWND last = NULL;
    WaitUntil([&] {
        HWND window = WaitForAnyWindow(run.Id(), 0);
        if (window != NULL && window != last) {
            outcome.windows.push_back(ReadMessageBox(window));
            PostMessageA(window, WM_CLOSE, 0, 0);
            last = window;
        } else if (window != NULL) {
            PostMessageA(window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        }
        return HasExited(run);
    });
    outcome.exitCode = FinishProgram(&run, 0);
    return outcome;
}

std::string Captions(const Outcome& outcome)
{
    std::string captions;
    for (const MessageBoxTexts& window : outcome.windows) {
        captions += "[" + window.caption + "]";
    }
    return captions;
}

struct CommandRow {
    std::string name;
    std::string commandLine;
};

// The extension names a file type whose open command starts old.exe in the
// folder, so the association dialog opens there with old.exe as the file
// name: that shows which file the drop handler received.
struct Association {
    std::string folder;
    std::string ext;
    std::string type;
    std::string old;

    Association(const std::string& folderPath, const std::string& extension)
        : folder(folderPath), ext(extension), type(UniqueName("kvtype")), old(folderPath + "old.exe")
    {
        CopyFileA(ProgramPath().c_str(), old.c_str(), FALSE);
        SetDefault(ext, type);
        SetDefault(type + "\\shell\\open\\command", Quoted(old) + " \"%1\"");
    }
    ~Association()
    {
        DeleteTree(ext);
        DeleteTree(type);
    }
};

}  // namespace

TEST(KiveranProgram, WithoutArgumentShowsTheAboutBoxUntilItIsClosed)
{
    std::string plainFolder = MakeTempFolder("kvplain");
    std::string plainCopy = plainFolder + "kiveran.exe";
    std::string blankFolder = MakeTempFolder("kvblank") + "my tools\\";
    ASSERT_TRUE(CreateDirectoryA(blankFolder.c_str(), NULL));
    std::string blankCopy = blankFolder + "kiveran.exe";
    ASSERT_TRUE(CopyFileA(ProgramPath().c_str(), plainCopy.c_str(), FALSE));
    ASSERT_TRUE(CopyFileA(ProgramPath().c_str(), blankCopy.c_str(), FALSE));
    // Planted beside the plain copy, never to be used (the rsrc32 stand-in
    // notes a load in calls).
    for (const char* library : {"version", "rsrc32"}) {
        std::string fake = BinFolder() + "about-fakes\\" + library + "\\" + library + ".dll";
        ASSERT_TRUE(CopyFileA(fake.c_str(), (plainFolder + library + ".dll").c_str(), FALSE)) << library;
    }
    // Wine then searches the program's folder for version.dll first, as Windows does.
    const std::string order = "Software\\Wine\\AppDefaults\\kiveran.exe";
    SetValue(order + "\\DllOverrides", "version", REG_SZ, std::string("native,builtin", 15), HKEY_CURRENT_USER);
    std::string calls = plainFolder + "rsrc32-calls.log";
    SetEnvironmentVariableA("KIVERAN_FAKE_RESOURCES_LOG", calls.c_str());

    const CommandRow rows[] = {
        {"quoted name", Quoted(ProgramPath())},
        {"unquoted name, libraries planted beside it", plainCopy},
        {"quoted name with blanks", Quoted(blankCopy)},
        {"trailing blanks and tabs", Quoted(ProgramPath()) + "  \t "},
    };
    std::string before = SnapshotClassRoot();
    for (const CommandRow& row : rows) {
        SCOPED_TRACE(row.name + ": " + row.commandLine);
        Program run = StartProgram(row.commandLine);
        ASSERT_TRUE(run.started);

        HWND box = WaitForWindow(kAboutTitle, run.Id());
        ASSERT_NE(nullptr, box);
        EXPECT_EQ("Tessavoy ver. 0.14", GetText(GetDlgItem(box, IDC_ABOUT_VERSION)));
        EXPECT_EQ("", GetText(GetDlgItem(box, IDC_ABOUT_RESOURCES)));
        // The box has handled a message of ours: the program waits on it.
        Settle(box);
        EXPECT_FALSE(HasExited(run)) << "ended while the About box was open";
        EXPECT_TRUE(IsWindowVisible(box));

        PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        ASSERT_EQ(0, FinishProgram(&run));
        EXPECT_EQ(before, SnapshotClassRoot());
    }
    SetEnvironmentVariableA("KIVERAN_FAKE_RESOURCES_LOG", NULL);
    DeleteTree(order, HKEY_CURRENT_USER);
    EXPECT_FALSE(FileExists(calls)) << ReadFileText(calls);
}

// Two files dropped on the program, as the shell passes them. The other
// lines of more than one argument are rows of the splitter's tables
// (SplitCommandLine.*): the program shows this message for any of them.
TEST(KiveranProgram, SeveralArgumentsAreRefusedWithTheSeveralFilesMessage)
{
    std::string folder = MakeTempFolder("kvmany");
    std::string first = folder + "first.txt";
    std::string second = folder + "second.txt";
    WriteFileText(first, "x");
    WriteFileText(second, "x");
    std::string commandLine = Quoted(ProgramPath()) + " " + Quoted(first) + " " + Quoted(second);
    std::string before = SnapshotClassRoot();

    Outcome outcome = RunClosingEachWindow(commandLine);
    ASSERT_EQ(1u, outcome.windows.size()) << Captions(outcome);
    EXPECT_EQ(kSeveralFilesCaption, outcome.windows[0].caption);
    EXPECT_EQ(kSeveralFilesText, outcome.windows[0].text);
    EXPECT_EQ(0, outcome.exitCode);
    EXPECT_EQ(before, SnapshotClassRoot());
}

// An argument that names no file the program may take. Here one of 260
// characters beside a file of 259 that shares them: a cut argument would
// name that file, which would reach the dialog. The splitter refuses it
// into the program's buffer of 260, the resolver would too; the other
// arguments that name nothing are rows of their tables
// (GetCommandLineArgument.*, ResolveLongPath.*).
TEST(KiveranProgram, UnusableArgumentEndsTheRunWithoutTouchingTheRegistry)
{
    std::string folder = MakeTempFolder("kvbad");
    std::string fits = MakeDeepPath(folder, "f", MAX_PATH - 1);
    std::string tooLong = fits + "g";
    ASSERT_TRUE(CreateFileWide(fits));
    ASSERT_TRUE(CreateFileWide(tooLong));
    std::string before = SnapshotClassRoot();

    Outcome outcome = RunClosingEachWindow(Quoted(ProgramPath()) + " " + Quoted(tooLong));
    ASSERT_EQ(1u, outcome.windows.size()) << Captions(outcome);
    EXPECT_EQ(kNotFoundCaption, outcome.windows[0].caption);
    EXPECT_EQ(0, outcome.exitCode);
    EXPECT_EQ(before, SnapshotClassRoot());
}

// A name typed in a console in the file's folder: it is read against the
// program's current folder, not against the desktop as the shell alone
// would read it. Quoted and relative paths are rows of the splitter's and
// the resolver's tables.
TEST(KiveranProgram, RelativePathIsReadAgainstTheCurrentFolder)
{
    std::string folder = MakeTempFolder("kvone");
    Association association(folder, UniqueName(".kv"));
    WriteFileText(folder + "memo" + association.ext, "x");
    std::string before = SnapshotClassRoot();

    Program run = StartProgram(Quoted(ProgramPath()) + " memo" + association.ext, folder);
    OpenDialog dialog = WaitForOpenDialog(kDialogTitle, run.Id());
    ASSERT_NE(nullptr, dialog.window);
    ASSERT_NE(nullptr, dialog.custom);
    EXPECT_EQ("old.exe", GetText(FileNameBox(dialog)));

    PressCancel(dialog);
    EXPECT_EQ(0, FinishProgram(&run));
    EXPECT_EQ(before, SnapshotClassRoot());
}

TEST(KiveranProgram, ShortPathArrivesAtTheDialogInItsLongForm)
{
    std::string folder = MakeTempFolder("kvshort");
    Association association(folder, UniqueName(".kvlong"));
    std::string dropped = folder + "longname" + association.ext;
    WriteFileText(dropped, "x");
    std::string shortPath = ShortForm(dropped);
    std::string shortExt = Extension(shortPath);
    ASSERT_NE("", shortPath);
    ASSERT_EQ(std::string::npos, shortPath.find(' '));
    ASSERT_NE(0, lstrcmpiA(association.ext.c_str(), shortExt.c_str())) << shortPath;
    ASSERT_FALSE(KeyExists(shortExt));

    Program run = StartProgram(Quoted(ProgramPath()) + " " + shortPath);
    OpenDialog dialog = WaitForOpenDialog(kDialogTitle, run.Id());
    ASSERT_NE(nullptr, dialog.window);
    ASSERT_NE(nullptr, dialog.custom);
    // The program of the long extension's type was found for the file.
    EXPECT_EQ("old.exe", GetText(FileNameBox(dialog)));

    ASSERT_TRUE(SelectListedFile(dialog, run.info.hProcess, "old.exe"));
    ClickButton(dialog.Control(1042));
    EXPECT_FALSE(IsChecked(dialog.Control(1042)));
    PressOk(dialog);
    EXPECT_EQ(0, FinishProgram(&run));

    // Written under the long extension's type; the short one is unknown.
    EXPECT_EQ(Quoted(association.old) + " \"%1\"",
              Default(association.type + "\\shell\\open\\command"));
    EXPECT_FALSE(KeyExists(shortExt));
}

// Run on its own under an English locale, which gives Wine's programs, and
// the program this one starts, ANSI code page 1252 (tests/launch/tests.cmake).
TEST(ForeignCodePage, OneMessageInJapaneseAndEnglishThenTheRunEnds)
{
    ASSERT_EQ(1252u, GetACP()) << "started under an English locale";
    std::string dropped = MakeTempFolder("kvcp") + "memo.kvcp";
    WriteFileText(dropped, "x");
    std::string before = SnapshotClassRoot();
    Program run = StartProgram(Quoted(ProgramPath()) + " " + Quoted(dropped));
    HWND box = WaitForAnyWindow(run.Id());
    ASSERT_NE(nullptr, box);
    // Read in UTF-16: the Japanese comes through whatever the code page.
    WCHAR text[2048] = L"";
    GetWindowTextW(GetDlgItem(box, 0xFFFF), text, 2048);
    for (const WCHAR* part : {L"日本語の ANSI コード ページ (932)", L"1252", L"Japanese ANSI code page (932)"}) {
        EXPECT_NE(nullptr, wcsstr(text, part));
    }
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(0, FinishProgram(&run));
    // The one message was all: no dialog followed, nothing was written.
    EXPECT_EQ(before, SnapshotClassRoot());
}

// Names that code page 932 cannot hold. Started with a UTF-16 command line,
// the program finds the program of the long name's extension, the
// association goes under that extension (not the short form's, cut to three
// letters), and the shell is asked to open the exact file: for the yen sign,
// which the A functions turn into a backslash, not the file 100 beside it.
TEST(KiveranProgram, NameOutsideCodePage932OpensTheFileNamed)
{
    struct Row {
        const char* name;
        std::wstring stem;  // the dropped file's name before its extension
        bool byShortForm;   // the argument is the path's 8.3 form
    };
    const Row rows[] = {
        {"decomposed dakuten, as from a Mac", L"\u30C6\u3099\u30FC\u30BF", false},
        {"e with an acute accent", L"caf\u00E9", false},
        {"yen sign, beside the same name without it", L"\u00A5100", false},
        {"e with an acute accent, given by its 8.3 form", L"caf\u00E9", true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::string folder = MakeTempFolder("kvwide");
        std::string probe = folder + "probe.exe";
        ASSERT_TRUE(CopyFileA((BinFolder() + "probe.exe").c_str(), probe.c_str(), FALSE));
        std::string ext = UniqueName(".kvw");
        std::string type = UniqueName("kvtype");
        SetDefault(ext, type);
        SetDefault(type + "\\shell\\open\\command", Quoted(probe) + " \"%1\"");
        std::wstring dropped = Widen(folder) + row.stem + Widen(ext);
        HANDLE file = CreateFileW(dropped.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
        ASSERT_NE(INVALID_HANDLE_VALUE, file);
        CloseHandle(file);
        WriteFileText(folder + "100" + ext, "x");
        WCHAR shortForm[MAX_PATH] = L"";
        ASSERT_NE(0u, GetShortPathNameW(dropped.c_str(), shortForm, MAX_PATH));
        std::string shortExt = Extension(std::string(shortForm, shortForm + lstrlenW(shortForm)));
        ASSERT_NE(0, lstrcmpiA(ext.c_str(), shortExt.c_str()));

        Program run(StartWideProgram(Quoted(Widen(ProgramPath())) + L" "
                                            + Quoted(row.byShortForm ? shortForm : dropped)));
        ASSERT_TRUE(run.started);
        OpenDialog dialog = WaitForOpenDialog(kDialogTitle, run.Id());
        ASSERT_NE(nullptr, dialog.custom);
        EXPECT_EQ("probe.exe", GetText(FileNameBox(dialog)));
        PressOk(dialog);
        ASSERT_EQ(0, FinishProgram(&run));

        EXPECT_EQ(Quoted(probe) + " \"%1\"", Default(type + "\\shell\\open\\command"));
        EXPECT_FALSE(KeyExists(shortExt));
        // The shell started the probe before the program ended; once no probe
        // runs, its log is whole: one line, the dropped file's long path.
        ASSERT_TRUE(WaitForNoProcessOf(probe));
        EXPECT_EQ(Quoted(Widen(probe)) + L" " + Quoted(dropped) + L"\n", ReadWideFile(probe + ".wlog"));
        DeleteTree(ext);
        DeleteTree(type);
    }

    // An extension that code page 932 cannot hold could only be written to
    // the registry substituted: one message, then the run ends.
    std::string folder = MakeTempFolder("kvwide");
    std::wstring dropped = Widen(folder) + L"memo.kv\u00E9";
    HANDLE file = CreateFileW(dropped.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, file);
    CloseHandle(file);
    std::string before = SnapshotClassRoot();
    Program run(StartWideProgram(Quoted(Widen(ProgramPath())) + L" " + Quoted(dropped)));
    HWND box = WaitForAnyWindow(run.Id());
    ASSERT_NE(nullptr, box);
    EXPECT_EQ(kForeignExtensionCaption, ReadMessageBox(box).caption);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(0, FinishProgram(&run));
    EXPECT_EQ(before, SnapshotClassRoot());
}

TEST(KiveranProgram, ManifestAsksForCommonControls6SystemDpiAndNoElevation)
{
    HMODULE module = LoadLibraryExA(ProgramPath().c_str(), NULL, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(nullptr, module);
    HRSRC found = FindResourceExA(module, (LPCSTR)RT_MANIFEST, MAKEINTRESOURCEA(1),
                                  MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL));
    std::string xml;
    if (found != NULL) {
        xml.assign((const char*)LockResource(LoadResource(module, found)), SizeofResource(module, found));
    }
    FreeLibrary(module);
    ASSERT_FALSE(xml.empty());

    // Windows' own identifiers: the common controls 6 assembly, and the
    // compatibility GUIDs of Vista, 7, 8, 8.1 and 10 (which 11 shares).
    for (const char* present :
         {"level=\"asInvoker\" uiAccess=\"false\"", "name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"",
          "publicKeyToken=\"6595b64144ccf1df\"", "{e2011457-1546-43c5-a5fe-008deee3d3f0}",
          "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}", "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",
          "{1f676c76-80e1-4239-95bb-83d0f6d0da78}", "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}",
          "http://schemas.microsoft.com/SMI/2005/WindowsSettings\">true</dpiAware>"}) {
        EXPECT_NE(std::string::npos, xml.find(present)) << present;
    }
    // Not set: the program works in the system's ANSI code page and in
    // MAX_PATH buffers, and does not lay itself out again per monitor.
    for (const char* absent : {"activeCodePage", "longPathAware", "dpiAwareness"}) {
        EXPECT_EQ(std::string::npos, xml.find(absent)) << absent;
    }

    // And the system takes it: an activation context is made from it.
    ACTCTXA context = {};
    context.cbSize = sizeof(context);
    context.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
    std::string path = ProgramPath();
    context.lpSource = path.c_str();
    context.lpResourceName = MAKEINTRESOURCEA(1);
    HANDLE made = CreateActCtxA(&context);
    EXPECT_NE(INVALID_HANDLE_VALUE, made) << GetLastError();
    if (made != INVALID_HANDLE_VALUE) {
        ReleaseActCtx(made);
    }
}

namespace {

const char kWithheldCaption[] = "ファイルを開きませんでした";
const char kWithheldText[] =
    "関連づけは保存しましたが、管理者の権限で開かれないように、ドロップされたファイルは"
    "開きませんでした。\n\nエクスプローラーから開くことができます。";
const char kLinkWithheldCaption[] = "ページを開きませんでした";
const char kLinkWithheldText[] =
    "管理者の権限でブラウザーが動かないように、ページは開きませんでした。\n\n"
    "このアドレスをブラウザーに入力して開くことができます。";

// A primary token made from this process's linked token: under Wine, whose
// processes all run elevated (Full), a Limited one.
HANDLE LinkedToken()
{
    HANDLE own = NULL;
    HANDLE primary = NULL;
    TOKEN_LINKED_TOKEN linked = {};
    DWORD size = 0;
    if (OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &own)
        && GetTokenInformation(own, TokenLinkedToken, &linked, sizeof(linked), &size)) {
        DuplicateTokenEx(linked.LinkedToken, MAXIMUM_ALLOWED, NULL, SecurityImpersonation, TokenPrimary, &primary);
        CloseHandle(linked.LinkedToken);
    }
    CloseHandle(own);
    return primary;
}

DWORD DesktopProcess()
{
    DWORD id = 0;
    GetWindowThreadProcessId(GetDesktopWindow(), &id);
    return id;
}

// The dropped file, whose type opens it with the probe, copied as old.exe.
std::string DropForProbe(const Association& association)
{
    CopyFileA((BinFolder() + "probe.exe").c_str(), association.old.c_str(), FALSE);
    WriteFileText(association.folder + "memo" + association.ext, "x");
    return association.folder + "memo" + association.ext;
}

}  // namespace

// Elevated, as every Wine process runs, the program has the desktop open the
// file as the signed-in user; started with the linked token, not elevated,
// it opens the file itself. Either way in the file's own folder.
TEST(KiveranProgram, DroppedFileIsOpenedAsTheSignedInUser)
{
    for (bool linked : {false, true}) {
        SCOPED_TRACE(linked ? "started with the linked token" : "as run");
        std::string folder = MakeTempFolder("kvuser") + "開く";
        ASSERT_TRUE(CreateDirectoryA(folder.c_str(), NULL));
        Association association(folder + "\\", UniqueName(".kv"));
        std::string dropped = DropForProbe(association);
        HANDLE token = linked ? LinkedToken() : NULL;
        Program run = StartWideProgram(Widen(Quoted(ProgramPath()) + " " + Quoted(dropped)), token);
        CloseHandle(token);
        OpenDialog dialog = WaitForOpenDialog(kDialogTitle, run.Id());
        ASSERT_NE(nullptr, dialog.custom);
        PressOk(dialog);
        // Its handle held until the probe has ended, the program's id still names it.
        ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(run.info.hProcess, kWaitMs));
        ASSERT_TRUE(WaitForNoProcessOf(association.old));
        std::string parent = linked ? std::to_string(run.Id()) + " kiveran.exe"
                                    : std::to_string(DesktopProcess()) + " explorer.exe";
        ASSERT_EQ(0, FinishProgram(&run));
        EXPECT_EQ(Quoted(association.old) + " " + Quoted(dropped) + "\nparent " + parent + "\nfolder " + folder + "\n",
                  ReadFileText(association.old + ".log"));
    }
}

// Run in a Wine session of its own (tests/launch/tests.cmake): once the
// desktop has ended, its shell-windows object stays unreachable until the
// server ends. Elevated, the program then opens neither the dropped file nor
// the About box's link, and says so.
TEST(DesktopGone, ElevatedProgramOpensNothingAndSaysSo)
{
    HANDLE desktop = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, DesktopProcess());
    ASSERT_TRUE(desktop != NULL && TerminateProcess(desktop, 1));
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(desktop, 10000));
    CloseHandle(desktop);
    Association association(MakeTempFolder("kvgone"), UniqueName(".kv"));
    std::string dropped = DropForProbe(association);
    SetDefault("https\\shell\\open\\command", Quoted(association.old) + " \"%1\"");

    Program run = StartProgram(Quoted(ProgramPath()) + " " + Quoted(dropped));
    OpenDialog dialog = WaitForOpenDialog(kDialogTitle, run.Id());
    ASSERT_NE(nullptr, dialog.custom);
    PressOk(dialog);
    HWND box = WaitForWindow(kWithheldCaption, run.Id());
    ASSERT_NE(nullptr, box);
    EXPECT_EQ(kWithheldText, ReadMessageBox(box).text);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    ASSERT_EQ(0, FinishProgram(&run));
    EXPECT_EQ(Quoted(association.old) + " \"%1\"", Default(association.type + "\\shell\\open\\command"));

    // The About box stays after its message, so that the address can be read.
    Program about = StartProgram(Quoted(ProgramPath()));
    box = WaitForWindow(kAboutTitle, about.Id());
    ASSERT_NE(nullptr, box);
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDC_ABOUT_LINK, STN_CLICKED), (LPARAM)GetDlgItem(box, IDC_ABOUT_LINK));
    HWND message = WaitForWindow(kLinkWithheldCaption, about.Id());
    ASSERT_NE(nullptr, message);
    EXPECT_EQ(kLinkWithheldText, ReadMessageBox(message).text);
    PostMessageA(message, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitForWindowGone(message));
    EXPECT_TRUE(IsWindowVisible(box));
    PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
    ASSERT_EQ(0, FinishProgram(&about));

    EXPECT_TRUE(WaitForNoProcessOf(association.old));
    EXPECT_FALSE(FileExists(association.old + ".log")) << ReadFileText(association.old + ".log");
}
