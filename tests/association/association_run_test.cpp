// The association run end to end: a dropped file, the real Open dialog with
// the program's own controls, the registry and the shell, under Wine.
#include "common/open_dialog_driver.h"
#include "common/registry_helpers.h"
#include "common/waits.h"
#include "common/window_driver.h"
#include "common/windows_helpers.h"

#include <gtest/gtest.h>
#include <shlobj.h>

#include <cstring>
#include <string>

namespace {

const char kTitle[] = "ｱﾌﾟﾘｹｰｼｮﾝとの関連づけ";
const char kDefaultMenu[] = "開く(&O)";
const std::string kUserChoices = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts\\";

// A folder with a probe program (and another one, old.exe, to start from)
// and a dropped file with a fresh extension.
struct Scene {
    std::string folder;
    std::string ext;
    std::string type;
    std::string dropped;
    std::string probe;
    std::string old;

    explicit Scene(const std::string& subfolder = "", const std::string& extension = "")
    {
        folder = MakeTempFolder("kvrun");
        if (!subfolder.empty()) {
            folder += subfolder + "\\";
            CreateDirectoryA(folder.c_str(), NULL);
        }
        ext = extension.empty() ? UniqueName(".kv") : extension;
        type = UniqueName("kvtype");
        dropped = folder + "memo" + ext;
        WriteFileText(dropped, "dropped\n");
        probe = folder + "probe.exe";
        old = folder + "old.exe";
        CopyFileA((BinFolder() + "probe.exe").c_str(), probe.c_str(), FALSE);
        CopyFileA((BinFolder() + "probe.exe").c_str(), old.c_str(), FALSE);
    }
    ~Scene()
    {
        DeleteTree(ext);
        DeleteTree(type);
        DeleteTree(kUserClasses + type, HKEY_CURRENT_USER);
        DeleteTree(kUserChoices + ext, HKEY_CURRENT_USER);
    }
    // The extension names a file type whose open command starts old.exe, so
    // the dialog opens in the scene's folder with old.exe.
    void AssociateWithOld()
    {
        SetDefault(ext, type);
        SetDefault(type + "\\shell\\open\\command", Quoted(old) + " \"%1\"");
    }
    std::string ProbeLog() const
    {
        std::string text;
        return ReadFileText(probe + ".log", &text) ? text : "<not started>";
    }
    std::string OldLog() const
    {
        std::string text;
        return ReadFileText(old + ".log", &text) ? text : "<not started>";
    }
};

std::string WaitForLog(const Scene& scene)
{
    WaitUntil([&] { return scene.ProbeLog() != "<not started>"; });
    // The probe creates its log before it writes to it: the text is whole
    // once the probe has ended.
    WaitForNoProcessOf(scene.probe);
    return scene.ProbeLog();
}

struct DialogRun {
    Program program;
    OpenDialog dialog;
};

DialogRun StartRun(const std::string& dropped)
{
    DialogRun run;
    run.program = StartProgram(Quoted(BinFolder() + "kiveran.exe") + " " + Quoted(dropped));
    run.dialog = WaitForOpenDialog(kTitle, run.program.info.dwProcessId);
    return run;
}

// Waits for the message with this caption, owned by the Open dialog, and
// answers it with button; true once it has gone.
bool AnswerDialogMessage(const DialogRun& run, const std::string& caption, int button)
{
    HWND box = WaitForWindow(caption, run.program.info.dwProcessId);
    if (box == NULL || GetWindow(box, GW_OWNER) != run.dialog.window) {
        return false;
    }
    PostMessageA(box, WM_COMMAND, button, 0);
    return WaitForWindowGone(box);
}

// The Open dialog's OK button (a toolbar there has the identifier 1 too).
HWND OkButton(const OpenDialog& dialog)
{
    for (HWND child = GetWindow(dialog.window, GW_CHILD); child != NULL; child = GetWindow(child, GW_HWNDNEXT)) {
        char name[32];
        GetClassNameA(child, name, sizeof(name));
        if (GetDlgCtrlID(child) == IDOK && lstrcmpiA(name, "Button") == 0) {
            return child;
        }
    }
    return NULL;
}

// The descriptions listed in the file-type box, each followed by "|".
std::string FileTypes(const OpenDialog& dialog)
{
    HWND combo = ChildById(dialog.window, 0x470);
    std::string types;
    int count = (int)SendWithin(combo, CB_GETCOUNT, 0, 0);
    for (int i = 0; i < count; ++i) {
        // Asked for in UTF-16: Wine hands the A form of this request across
        // processes without converting it.
        WCHAR wide[256] = L"";
        char text[512] = "";
        DWORD_PTR length = 0;
        if (SendMessageTimeoutW(combo, CB_GETLBTEXTLEN, i, 0, SMTO_NORMAL, kWaitMs, &length) && length < 256) {
            SendMessageTimeoutW(combo, CB_GETLBTEXT, i, (LPARAM)wide, SMTO_NORMAL, kWaitMs, &length);
        }
        WideCharToMultiByte(932, 0, wide, -1, text, sizeof(text), NULL, NULL);
        types += std::string(text) + "|";
    }
    return types;
}

// The type of a key's default value, 0 when there is none.
DWORD ValueType(const std::string& key)
{
    DWORD type = 0;
    HKEY handle;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_READ, &handle) == ERROR_SUCCESS) {
        RegQueryValueExA(handle, NULL, NULL, &type, NULL, NULL);
        RegCloseKey(handle);
    }
    return type;
}

std::string CommandText(const DialogRun& run)
{
    return GetText(run.dialog.Control(1010));
}

}  // namespace

TEST(AssociationRun, DropToShellThroughTheNamedType)
{
    Scene scene;
    scene.AssociateWithOld();
    DialogRun run = StartRun(scene.dropped);
    ASSERT_NE(nullptr, run.dialog.custom);

    // Opened in the folder of the program now associated, with its name.
    EXPECT_EQ("old.exe", GetText(FileNameBox(run.dialog)));
    EXPECT_TRUE(WaitForListedName(run.dialog, run.program.info.hProcess, "probe.exe"));
    EXPECT_EQ("open", GetText(run.dialog.Control(1137)));
    // An open verb without a menu text shows none, and keeps none.
    EXPECT_EQ("", GetText(run.dialog.Control(1012)));
    EXPECT_TRUE(IsChecked(run.dialog.Control(1042)));
    EXPECT_TRUE(IsChecked(run.dialog.Control(1040)));
    EXPECT_FALSE(IsChecked(run.dialog.Control(1041)));

    // The texts come out as Shift-JIS at run time.
    EXPECT_EQ("OK(&O)", GetText(OkButton(run.dialog)));
    EXPECT_EQ("ﾌｧｲﾙ名を \"\" で囲う", GetText(run.dialog.Control(1040)));
    EXPECT_EQ("標準の動詞に設定", GetText(run.dialog.Control(1041)));
    EXPECT_EQ("実行する", GetText(run.dialog.Control(1042)));
    EXPECT_EQ("実行可能ﾌｧｲﾙ(*.exe;*.com;*.bat)|すべてのﾌｧｲﾙ(*.*)|", FileTypes(run.dialog));

    ASSERT_TRUE(SelectListedFile(run.dialog, run.program.info.hProcess, "probe.exe"));
    EXPECT_EQ(Quoted(scene.probe) + " \"%1\"", CommandText(run));
    ClickButton(run.dialog.Control(1040));
    EXPECT_EQ(Quoted(scene.probe) + " %1", CommandText(run));
    ClickButton(run.dialog.Control(1040));
    EXPECT_EQ(Quoted(scene.probe) + " \"%1\"", CommandText(run));

    PressOk(run.dialog);
    EXPECT_EQ(0, FinishProgram(&run.program));
    EXPECT_EQ(scene.type, Default(scene.ext));
    EXPECT_EQ("<absent>", Default(scene.type + "\\shell\\open"));
    EXPECT_EQ(Quoted(scene.probe) + " \"%1\"", Default(scene.type + "\\shell\\open\\command"));

    // The shell opened the dropped file with the command just written.
    std::string log = WaitForLog(scene);
    EXPECT_NE(std::string::npos, log.find(Quoted(scene.dropped))) << log;
    EXPECT_EQ("<not started>", scene.OldLog());
}

TEST(AssociationRun, FreshExtensionWithoutRunWritesUnderTheExtensionKey)
{
    Scene scene;
    DialogRun run = StartRun(scene.dropped);
    ASSERT_NE(nullptr, run.dialog.custom);
    EXPECT_EQ("open", GetText(run.dialog.Control(1137)));
    EXPECT_EQ(kDefaultMenu, GetText(run.dialog.Control(1012)));
    EXPECT_TRUE(IsChecked(run.dialog.Control(1042)));
    EXPECT_TRUE(IsChecked(run.dialog.Control(1040)));
    EXPECT_FALSE(IsChecked(run.dialog.Control(1041)));

    ASSERT_TRUE(GoToFolder(run.dialog, scene.folder));
    ASSERT_TRUE(SelectListedFile(run.dialog, run.program.info.hProcess, "probe.exe"))
        << ListedNames(run.dialog, run.program.info.hProcess);
    EXPECT_EQ(Quoted(scene.probe) + " \"%1\"", CommandText(run));
    ClickButton(run.dialog.Control(1042));
    EXPECT_FALSE(IsChecked(run.dialog.Control(1042)));

    PressOk(run.dialog);
    EXPECT_EQ(0, FinishProgram(&run.program));
    EXPECT_TRUE(KeyExists(scene.ext));
    EXPECT_EQ("<absent>", Default(scene.ext));
    EXPECT_EQ(kDefaultMenu, Default(scene.ext + "\\shell\\open"));
    EXPECT_EQ(Quoted(scene.probe) + " \"%1\"", Default(scene.ext + "\\shell\\open\\command"));
    // The program has ended: a probe the shell started for it is done.
    EXPECT_TRUE(WaitForNoProcessOf(scene.probe));
    EXPECT_EQ("<not started>", scene.ProbeLog());
}

TEST(AssociationRun, CancelWritesAndOpensNothing)
{
    Scene scene;
    scene.AssociateWithOld();
    std::string before = SnapshotClassRoot();
    DialogRun run = StartRun(scene.dropped);
    ASSERT_NE(nullptr, run.dialog.custom);
    ASSERT_TRUE(SelectListedFile(run.dialog, run.program.info.hProcess, "probe.exe"));
    PressCancel(run.dialog);
    EXPECT_EQ(0, FinishProgram(&run.program));
    EXPECT_EQ(before, SnapshotClassRoot());
    EXPECT_TRUE(WaitForNoProcessOf(scene.probe));
    EXPECT_TRUE(WaitForNoProcessOf(scene.old));
    EXPECT_EQ("<not started>", scene.ProbeLog());
    EXPECT_EQ("<not started>", scene.OldLog());
}

// The command saved is the one the user confirmed: the stored one, a
// program chosen (selected, typed into the file-name box, or a shortcut's
// target) or what was typed into 1010; never an empty one.
TEST(AssociationRun, ConfirmWritesTheCommandTheUserConfirmed)
{
    enum Action { kLeave, kOpenedWithoutProgram, kEmptyThenSelect, kType, kTypeThenQuoteClick, kTypeThenSelect,
                  kTypeProgramPath, kShortcut, kAccentedFolder, kGoneThenType, kGoneThenLeave };
    struct Row {
        const char* name;
        Action action;
        const char* typed;  // into 1010, as the user types
        DWORD type;         // of the value stored
    };
    const Row rows[] = {
        // Wine selects the program it opens with at start: 1010 stays, being for it.
        {"without any change: the stored command, arguments and all", kLeave, "", REG_SZ},
        {"opened without a program: the stored command, then a typed program", kOpenedWithoutProgram, "", REG_SZ},
        {"emptied: refused, then a selection mends it", kEmptyThenSelect, "", REG_SZ},
        {"typed, naming an environment variable", kType, "%SystemRoot%\\typed.exe \"%1\" /x", REG_EXPAND_SZ},
        {"typed, then the quote box clicked", kTypeThenQuoteClick, "typed \"%1\" /x", REG_SZ},
        {"typed, then another file selected", kTypeThenSelect, "typed \"%1\" /x", REG_SZ},
        {"a program's path typed into the file-name box", kTypeProgramPath, "", REG_SZ},
        {"a shortcut gives its target", kShortcut, "", REG_SZ},
        {"a program selected in a folder named with e acute: its short form", kAccentedFolder, "", REG_SZ},
        // The file-name box names a file that is gone: it blocks nothing.
        {"the stored program gone, a command typed", kGoneThenType, "typed \"%1\"", REG_SZ},
        {"the stored program gone, the stored command kept", kGoneThenLeave, "", REG_SZ},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Scene scene;
        std::string commandKey = scene.type + "\\shell\\open\\command";
        std::string stored = Quoted(scene.old) + " /n \"%1\"";
        if (row.action == kOpenedWithoutProgram) {
            // A default verb other than open: Wine's FindExecutable finds no program.
            commandKey = scene.type + "\\shell\\edit\\command";
            SetDefault(scene.ext, scene.type);
            SetDefault(scene.type + "\\shell", "edit");
            SetDefault(commandKey, stored);
        } else {
            scene.AssociateWithOld();
            SetDefault(commandKey, stored);
        }
        std::string tool = scene.folder + "tool.bat";
        WriteFileText(tool, "@echo off\r\n");
        if (row.action == kShortcut) {
            ASSERT_TRUE(MakeShortcut(scene.folder + "probe.lnk", scene.probe));
        }
        if (row.action == kGoneThenType || row.action == kGoneThenLeave) {
            ASSERT_TRUE(DeleteFileA(scene.old.c_str()));
        }
        DialogRun run = StartRun(scene.dropped);
        ASSERT_NE(nullptr, run.dialog.custom);
        HWND command = run.dialog.Control(1010);
        ClickButton(run.dialog.Control(1042));
        std::string expected = Quoted(scene.probe) + " \"%1\"";
        switch (row.action) {
        case kLeave:
            expected = stored;
            EXPECT_EQ(stored, GetText(command));
            break;
        case kOpenedWithoutProgram:
            EXPECT_EQ(stored, GetText(command));
            SetText(FileNameBox(run.dialog), scene.probe);
            break;
        case kEmptyThenSelect: {
            std::string before = SnapshotClassRoot();
            TypeText(command, "");
            PressOk(run.dialog);
            ASSERT_TRUE(AnswerDialogMessage(run, "コマンドラインが空です", IDOK));
            EXPECT_EQ(before, SnapshotClassRoot());
            ASSERT_TRUE(SelectListedFile(run.dialog, run.program.info.hProcess, "probe.exe"));
            break;
        }
        case kTypeThenQuoteClick:
            TypeText(command, row.typed);
            ClickButton(run.dialog.Control(1040));
            expected = Quoted(scene.old) + " %1";
            break;
        case kTypeThenSelect:
            TypeText(command, row.typed);
            ASSERT_TRUE(SelectListedFile(run.dialog, run.program.info.hProcess, "probe.exe"));
            break;
        case kType:
        case kGoneThenType:
            TypeText(command, row.typed);
            expected = row.typed;
            break;
        case kGoneThenLeave:
            EXPECT_EQ("old.exe", GetText(FileNameBox(run.dialog)));
            expected = stored;
            break;
        case kTypeProgramPath:
            ASSERT_TRUE(SelectListedFile(run.dialog, run.program.info.hProcess, "probe.exe"));
            SetText(FileNameBox(run.dialog), tool);
            expected = Quoted(tool) + " \"%1\"";
            break;
        case kShortcut:
            SetText(FileNameBox(run.dialog), "probe.lnk");
            break;
        case kAccentedFolder: {
            // The A functions would give ...\Cafe\probe.exe, which also exists.
            const std::wstring accented = Widen(scene.folder) + L"Caf\x00e9";
            ASSERT_TRUE(CreateDirectoryW(accented.c_str(), NULL));
            ASSERT_TRUE(CopyFileW(Widen(scene.probe).c_str(), (accented + L"\\probe.exe").c_str(), FALSE));
            CreateDirectoryA((scene.folder + "Cafe").c_str(), NULL);
            CopyFileA(scene.probe.c_str(), (scene.folder + "Cafe\\probe.exe").c_str(), FALSE);
            SendMessageW(FileNameBox(run.dialog), WM_SETTEXT, 0, (LPARAM)accented.c_str());
            PressOk(run.dialog);
            ASSERT_TRUE(WaitUntil([&] { return LookInText(run.dialog).find("Caf") != std::string::npos; }));
            ASSERT_TRUE(SelectListedFile(run.dialog, run.program.info.hProcess, "probe.exe"));
            WCHAR shortPath[MAX_PATH];
            GetShortPathNameW((accented + L"\\probe.exe").c_str(), shortPath, MAX_PATH);
            char shortA[MAX_PATH];
            WideCharToMultiByte(932, 0, shortPath, -1, shortA, MAX_PATH, NULL, NULL);
            expected = Quoted(shortA) + " \"%1\"";
            EXPECT_EQ(expected, GetText(command));
            break;
        }
        }
        PressOk(run.dialog);
        ASSERT_EQ(0, FinishProgram(&run.program));
        EXPECT_EQ(expected, Default(commandKey));
        EXPECT_EQ(row.type, ValueType(commandKey));
    }
}

// Values that make Windows use something else than the command and menu
// text saved: the user is asked first, may go back, and may save anyway;
// they are never changed.
TEST(AssociationRun, ValuesThatOverrideTheSaveAreAskedAbout)
{
    Scene scene;
    scene.AssociateWithOld();
    const std::string verbKey = scene.type + "\\shell\\open";
    SetValue(verbKey, "MUIVerb", REG_SZ, std::string("@shell32.dll,-8504", 19));
    SetValue(verbKey + "\\command", "DelegateExecute", REG_SZ, std::string("{11dbb47c-a525-400b-9e80-a54615a090c0}", 39));
    DialogRun run = StartRun(scene.dropped);
    ASSERT_NE(nullptr, run.dialog.custom);
    ASSERT_TRUE(SelectListedFile(run.dialog, run.program.info.hProcess, "probe.exe"));
    ClickButton(run.dialog.Control(1042));
    std::string before = SnapshotClassRoot();
    for (int answer : {IDNO, IDYES}) {
        SCOPED_TRACE(answer);
        PressOk(run.dialog);
        ASSERT_TRUE(AnswerDialogMessage(run, "保存しても使われない設定があります", answer));
        if (answer == IDNO) {
            Settle(run.dialog.window);
            EXPECT_TRUE(IsWindowVisible(run.dialog.window));
            EXPECT_EQ(Quoted(scene.probe) + " \"%1\"", CommandText(run));
            EXPECT_EQ(before, SnapshotClassRoot());
        }
    }
    EXPECT_EQ(0, FinishProgram(&run.program));
    EXPECT_EQ(Quoted(scene.probe) + " \"%1\"", Default(verbKey + "\\command"));
    std::string after = SnapshotTree(verbKey);
    EXPECT_NE(std::string::npos, after.find("MUIVerb")) << after;
    EXPECT_NE(std::string::npos, after.find("DelegateExecute")) << after;
}

// Nothing is cut: a stored command of any length is shown whole and kept; a
// typed text over the limit, or a verb that cannot name its key, is refused
// at OK by a message of the dialog's own, which stays open with the field to
// mend in focus, and nothing is written until it is mended. (The other
// refusals at OK are rows of FindOkFault.)
TEST(AssociationRun, LongTextsAreKeptWholeOrRefusedAndAVerbThatCannotNameAKeyIsMended)
{
    Scene scene;
    scene.AssociateWithOld();
    const std::string stored = Quoted(scene.old) + " /" + std::string(300, 'a') + " \"%1\"";
    SetDefault(scene.type + "\\shell\\open\\command", stored);
    DialogRun run = StartRun(scene.dropped);
    ASSERT_NE(nullptr, run.dialog.custom);
    EXPECT_EQ(stored, CommandText(run));
    ClickButton(run.dialog.Control(1042));
    TypeText(run.dialog.Control(1012), std::string(2048, 'm'));
    std::string before = SnapshotClassRoot();
    struct Row {
        const char* caption;
        int focus;
    };
    for (const Row& row : {Row{"長すぎる文字列があります", 1012}, Row{"この動詞は使えません", 1137}}) {
        SCOPED_TRACE(row.caption);
        if (row.focus == 1137) {
            TypeText(run.dialog.Control(1012), std::string(2047, 'm'));
            SetText(run.dialog.Control(1137), "open\\command");
        }
        PressOk(run.dialog);
        HWND box = WaitForWindow(row.caption, run.program.info.dwProcessId);
        ASSERT_NE(nullptr, box);
        if (row.focus == 1012) {
            // The message names the field and its limit.
            std::string text = ReadMessageBox(box).text;
            EXPECT_NE(std::string::npos, text.find("メニューの文字列")) << text;
            EXPECT_NE(std::string::npos, text.find("2047")) << text;
        }
        PostMessageA(box, WM_COMMAND, IDOK, 0);
        ASSERT_TRUE(WaitForWindowGone(box));
        Settle(run.dialog.window);
        GUITHREADINFO focus = {};
        focus.cbSize = sizeof(focus);
        ASSERT_TRUE(GetGUIThreadInfo(run.program.info.dwThreadId, &focus));
        EXPECT_EQ(run.dialog.Control(row.focus), focus.hwndFocus);
        EXPECT_EQ(stored, CommandText(run));
        EXPECT_EQ(before, SnapshotClassRoot());
    }
    SetText(run.dialog.Control(1137), "open");
    PressOk(run.dialog);
    EXPECT_EQ(0, FinishProgram(&run.program));
    EXPECT_EQ(stored, Default(scene.type + "\\shell\\open\\command"));
    EXPECT_EQ(std::string(2047, 'm'), Default(scene.type + "\\shell\\open"));
}

// The texts shown and saved are those of the verb 1137 names, re-read when
// the focus leaves it and again at OK: another verb keeps its own, a new verb
// has none, and a command built from a program chosen in the dialog stays.
TEST(AssociationRun, EachVerbKeepsItsOwnTexts)
{
    enum Action { kFocusMoved, kOkAtOnce, kNewVerb, kPickedThenVerb };
    struct Row {
        const char* name;
        Action action;
        const char* verb;
    };
    const Row rows[] = {
        {"another verb, the focus moved", kFocusMoved, "Edit"},
        {"another verb, OK at once", kOkAtOnce, "edit"},
        {"a new verb", kNewVerb, "view"},
        {"a program chosen, then another verb", kPickedThenVerb, "edit"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Scene scene;
        scene.AssociateWithOld();
        const std::string edit = scene.type + "\\shell\\edit";
        SetDefault(scene.type + "\\shell\\open", "ひらく");
        SetDefault(edit, "編集(&E)");
        SetDefault(edit + "\\command", Quoted(scene.old) + " /edit \"%1\"");
        std::string before = SnapshotTree(scene.type);
        DialogRun run = StartRun(scene.dropped);
        ASSERT_NE(nullptr, run.dialog.custom);
        EXPECT_EQ("ひらく", GetText(run.dialog.Control(1012)));
        ClickButton(run.dialog.Control(1042));
        if (row.action == kPickedThenVerb) {
            ASSERT_TRUE(SelectListedFile(run.dialog, run.program.info.hProcess, "probe.exe"));
        }
        HWND verb = run.dialog.Control(1137);
        SendWithin(run.dialog.window, WM_NEXTDLGCTL, (WPARAM)verb, TRUE);
        SetText(verb, row.verb);
        if (row.action != kOkAtOnce) {
            SendWithin(run.dialog.window, WM_NEXTDLGCTL, (WPARAM)run.dialog.Control(1012), TRUE);
            Settle(run.dialog.window);
            bool isNew = row.action == kNewVerb;
            EXPECT_EQ(isNew ? "" : "編集(&E)", GetText(run.dialog.Control(1012)));
            EXPECT_EQ(isNew ? "" : row.action == kPickedThenVerb ? Quoted(scene.probe) + " \"%1\""
                                                                  : Quoted(scene.old) + " /edit \"%1\"",
                      CommandText(run));
        }
        PressOk(run.dialog);
        ASSERT_EQ(0, FinishProgram(&run.program));
        if (row.action == kFocusMoved || row.action == kOkAtOnce) {
            EXPECT_EQ(before, SnapshotTree(scene.type));
        } else if (row.action == kNewVerb) {
            // An empty command builds from the program named; no menu text is made up.
            EXPECT_EQ(Quoted(scene.old) + " \"%1\"", Default(scene.type + "\\shell\\view\\command"));
            EXPECT_EQ("<absent>", Default(scene.type + "\\shell\\view"));
        } else {
            EXPECT_EQ(Quoted(scene.probe) + " \"%1\"", Default(edit + "\\command"));
            EXPECT_EQ("編集(&E)", Default(edit));
        }
        EXPECT_EQ("ひらく", Default(scene.type + "\\shell\\open"));
    }
}

TEST(AssociationRun, ProgramInADriveRootOpensTheDriveWithItsName)
{
    Scene scene;
    std::string name = UniqueName("kvroot") + ".exe";
    std::string rootProgram = "C:\\" + name;
    ASSERT_TRUE(CopyFileA((BinFolder() + "probe.exe").c_str(), rootProgram.c_str(), FALSE));
    SetDefault(scene.ext, scene.type);
    SetDefault(scene.type + "\\shell\\open\\command", Quoted(rootProgram) + " \"%1\"");
    DialogRun run = StartRun(scene.dropped);
    ASSERT_NE(nullptr, run.dialog.custom);
    EXPECT_EQ(name, GetText(FileNameBox(run.dialog)));
    EXPECT_TRUE(WaitForListedName(run.dialog, run.program.info.hProcess, name));
    TypeText(run.dialog.Control(1010), "root");
    ClickButton(run.dialog.Control(1042));  // Wine opens nothing here, and a message would say so
    // OK is accepted only when the named file exists in the folder shown.
    PressOk(run.dialog);
    EXPECT_EQ(0, FinishProgram(&run.program));
    EXPECT_EQ("root", Default(scene.type + "\\shell\\open\\command"));
    DeleteFileA(rootProgram.c_str());
    DeleteFileA((rootProgram + ".log").c_str());
}

TEST(AssociationRun, RefusalsShowTheirMessageAndTouchNothing)
{
    const std::string directoryCaption = "ディレクトリがドロップされました";
    const std::string directoryText = "現在のバージョンでは、ディレクトリに関連づけを行うことはできません。";
    const std::string specialCaption = "特殊な拡張子への関連づけ";
    const std::string specialText =
        "現在のバージョンでは、拡張子 exe, com, lnk に関連づけを行うことはできません。";
    const std::string missingCaption = "ファイルが見つかりません";
    std::string folder = MakeTempFolder("kvrefuse");
    CreateDirectoryA((folder + "dir.kv").c_str(), NULL);
    for (const char* name : {"MEMO.EXE", "noext"}) {
        WriteFileText(folder + name, "x");
    }
    // A file type whose name code page 932 cannot hold (kvtype\u00f6).
    const std::string foreign = UniqueName(".kv");
    WriteFileText(folder + "memo" + foreign, "x");
    CreateKey(foreign);
    HKEY key;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(HKEY_CLASSES_ROOT, foreign.c_str(), 0, KEY_SET_VALUE, &key));
    RegSetValueExW(key, NULL, 0, REG_SZ, (const BYTE*)L"kvtype\x00f6", 16);
    RegCloseKey(key);
    struct Row {
        std::string path;
        std::string caption;
        std::string text;  // empty: not compared
    };
    // One run a refusal; IsRefusedExtension's table has the other
    // extensions and cases, ResolveLongPath's the empty argument.
    const Row rows[] = {
        {folder + "dir.kv", directoryCaption, directoryText},
        {folder + "MEMO.EXE", specialCaption, specialText},
        {folder + "missing.kv", missingCaption, ""},
        {folder + "noext", "拡張子のないファイルがドロップされました", ""},
        {folder + "memo" + foreign, "ファイルの種類の名前に扱えない文字があります", ""},
    };
    std::string before = SnapshotClassRoot();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.path);
        Program program = StartProgram(Quoted(BinFolder() + "kiveran.exe") + " " + Quoted(row.path));
        HWND box = WaitForAnyWindow(program.info.dwProcessId);
        ASSERT_NE(nullptr, box);
        MessageBoxTexts texts = ReadMessageBox(box);
        EXPECT_EQ(row.caption, texts.caption);
        if (!row.text.empty()) {
            EXPECT_EQ(row.text, texts.text);
        } else {
            EXPECT_FALSE(texts.text.empty());
        }
        PostMessageA(box, WM_COMMAND, IDOK, 0);
        ASSERT_EQ(0, FinishProgram(&program));
    }
    EXPECT_EQ(before, SnapshotClassRoot());
    DeleteTree(foreign);
}

TEST(AssociationRun, ExeInsideTheNameIsNotRefused)
{
    Scene scene;
    std::string dropped = scene.folder + "memo.exe" + scene.ext;
    WriteFileText(dropped, "x");
    DialogRun run = StartRun(dropped);
    EXPECT_NE(nullptr, run.dialog.custom);
    PressCancel(run.dialog);
    EXPECT_EQ(0, FinishProgram(&run.program));
}

TEST(AssociationRun, ShiftJisFolderAndExtension)
{
    // ソフト and 表 both end in the backslash byte 0x5C.
    Scene scene("ソフト", ".表");
    DialogRun run = StartRun(scene.dropped);
    ASSERT_NE(nullptr, run.dialog.custom);
    ASSERT_TRUE(GoToFolder(run.dialog, scene.folder));
    ClickButton(run.dialog.Control(1042));  // Wine opens nothing here, and a message would say so
    ASSERT_TRUE(SelectListedFile(run.dialog, run.program.info.hProcess, "probe.exe"))
        << ListedNames(run.dialog, run.program.info.hProcess);
    EXPECT_EQ(Quoted(scene.probe) + " \"%1\"", CommandText(run));
    PressOk(run.dialog);
    EXPECT_EQ(0, FinishProgram(&run.program));
    EXPECT_EQ(Quoted(scene.probe) + " \"%1\"", Default(".表\\shell\\open\\command"));
    EXPECT_EQ(kDefaultMenu, Default(".表\\shell\\open"));
}

TEST(AssociationRun, ALongProgramPathGivesTheWholeCommand)
{
    // A program path of 254 bytes: with the placeholder in quotes the command
    // takes 261 bytes, more than a path may.
    Scene scene;
    std::string folder = scene.folder;
    folder += std::string(254 - folder.size() - 1 - strlen("probe.exe"), 'f') + "\\";
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), NULL));
    std::string probe = folder + "probe.exe";
    ASSERT_EQ(254u, probe.size());
    ASSERT_TRUE(CopyFileA((BinFolder() + "probe.exe").c_str(), probe.c_str(), FALSE));

    DialogRun run = StartRun(scene.dropped);
    ASSERT_NE(nullptr, run.dialog.custom);
    ASSERT_TRUE(GoToFolder(run.dialog, folder));
    ASSERT_TRUE(SelectListedFile(run.dialog, run.program.info.hProcess, "probe.exe"))
        << ListedNames(run.dialog, run.program.info.hProcess);
    std::string quoted = Quoted(probe) + " \"%1\"";
    ASSERT_EQ(261u, quoted.size());
    EXPECT_EQ(quoted, CommandText(run));
    ClickButton(run.dialog.Control(1042));
    PressOk(run.dialog);
    EXPECT_EQ(0, FinishProgram(&run.program));
    EXPECT_EQ(quoted, Default(scene.ext + "\\shell\\open\\command"));
}

TEST(AssociationRun, UserWithoutAdministratorRights)
{
    enum Setup { kMachineReadOnly, kReadOnlyEverywhere, kOwnChoice, kOnlyTheCommand };
    struct Row {
        const char* name;
        Setup setup;
        std::string caption;  // of the message shown after OK; empty: none
        std::string text;
        const char* machineCommand;  // the edit commands afterwards: "new" (the
        const char* userCommand;     // probe's), "kept" (as it was) or the value
    };
    const Row rows[] = {
        {"the machine's keys read-only: read, then saved for the user", kMachineReadOnly, "", "", "kept", "new"},
        {"read-only everywhere: told, nothing opened", kReadOnlyEverywhere, "関連づけを保存できませんでした",
         "レジストリへの書き込みが許可されていないため、関連づけを保存できませんでした。"
         "レジストリは何も変更していません。\n\n"
         "このプログラムを管理者として実行してから、もう一度関連づけを行ってください。",
         "kept", "user"},
        {"a program chosen in Windows' settings is explained", kOwnChoice, "ダブルクリックで開くプログラム",
         "関連づけを保存しました。ただし、この種類のファイルをダブルクリックしたときは、"
         "これまでどおり Windows の設定で選ばれているプログラムが開きます。\n\n"
         "ダブルクリックで開くプログラムは、Windows の「設定」→「アプリ」→「既定のアプリ」で変更できます。",
         "new", "<absent>"},
        {"only the command may be written: the rest is named, the file opened", kOnlyTheCommand,
         "関連づけの一部を保存できませんでした",
         "関連づけのコマンドラインは保存しましたが、次のものは保存できませんでした。\n\n・メニューの文字列\n"
         "・標準の動詞の設定 (ダブルクリックでは、これまでの動詞が使われます)\n",
         "new", "<absent>"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Scene scene;
        ReadOnlyKeys locks;
        scene.AssociateWithOld();
        const std::string edit = scene.type + "\\shell\\edit";
        SetDefault(scene.type + "\\shell", "edit");
        SetDefault(edit, "編集(&E)");
        // Also starts the probe, so that a file opened by mistake shows.
        const std::string kept = Quoted(scene.probe) + " /kept \"%1\"";
        SetDefault(edit + "\\command", kept);
        if (row.setup == kMachineReadOnly) {
            // New per-user keys hide it: the save takes effect, and nothing is asked.
            SetValue(edit, "MUIVerb", REG_SZ, std::string("mui", 4));
        }
        if (row.setup == kOwnChoice) {
            SetValue(kUserChoices + scene.ext + "\\UserChoice", "ProgId", REG_SZ, std::string("kvother", 8), HKEY_CURRENT_USER);
        } else {
            for (const std::string& key : {scene.ext, scene.type, scene.type + "\\shell", edit, edit + "\\command"}) {
                if (row.setup != kOnlyTheCommand || key != edit + "\\command") {
                    locks.Add(key);
                }
            }
        }
        if (row.setup == kOnlyTheCommand) {
            for (const std::string& key : {scene.type + "\\shell", edit}) {
                SetDefault(kUserClasses + key, "user", HKEY_CURRENT_USER);
                locks.Add(kUserClasses + key, HKEY_CURRENT_USER);
            }
        }
        if (row.setup == kReadOnlyEverywhere) {
            SetDefault(kUserClasses + edit + "\\command", "user", HKEY_CURRENT_USER);
            locks.Add(kUserClasses + edit, HKEY_CURRENT_USER);
            locks.Add(kUserClasses + edit + "\\command", HKEY_CURRENT_USER);
        }

        DialogRun run = StartRun(scene.dropped);
        ASSERT_NE(nullptr, run.dialog.custom);
        EXPECT_EQ("edit", GetText(run.dialog.Control(1137)));
        EXPECT_EQ("編集(&E)", GetText(run.dialog.Control(1012)));
        ASSERT_TRUE(SelectListedFile(run.dialog, run.program.info.hProcess, "probe.exe"));
        ClickButton(run.dialog.Control(1041));
        if (row.setup == kMachineReadOnly) {
            ClickButton(run.dialog.Control(1042));  // Wine's shell reads only the machine's keys
        }
        PressOk(run.dialog);
        if (!row.caption.empty()) {
            HWND box = WaitForWindow(row.caption, run.program.info.dwProcessId);
            ASSERT_NE(nullptr, box);
            EXPECT_EQ(row.text, ReadMessageBox(box).text);
            PostMessageA(box, WM_COMMAND, IDOK, 0);
        }
        ASSERT_EQ(0, FinishProgram(&run.program));

        const std::string command = Quoted(scene.probe) + " \"%1\"";
        auto expected = [&](const std::string& what) { return what == "new" ? command : what == "kept" ? kept : what; };
        EXPECT_EQ(expected(row.machineCommand), Default(edit + "\\command"));
        EXPECT_EQ(expected(row.userCommand), Default(kUserClasses + edit + "\\command", HKEY_CURRENT_USER));
        if (row.setup == kOwnChoice || row.setup == kOnlyTheCommand) {
            std::string log = WaitForLog(scene);
            EXPECT_NE(std::string::npos, log.find(Quoted(scene.dropped))) << log;
            EXPECT_EQ(std::string::npos, log.find("/kept")) << log;
        } else {
            // The program has ended: a probe the shell started for it is done.
            EXPECT_TRUE(WaitForNoProcessOf(scene.probe));
            EXPECT_EQ("<not started>", scene.ProbeLog());
        }
    }
}

TEST(AssociationRun, AccessKeysAndTabReachTheFieldsTheirLabelsName)
{
    Scene scene;
    scene.AssociateWithOld();
    DialogRun run = StartRun(scene.dropped);
    ASSERT_NE(nullptr, run.dialog.custom);
    // Keys as the dialog's own loop gets them from the keyboard: posted to
    // the window that has the focus.
    struct Row {
        const char* key;
        UINT message;
        WPARAM code;
        LPARAM flags;
        int expected;
    };
    const LPARAM alt = 0x20000001;  // the context code (Alt held), one repeat
    const Row rows[] = {
        {"Alt+M", WM_SYSCHAR, 'm', alt, 1012},
        {"Alt+V", WM_SYSCHAR, 'v', alt, 1137},
        {"Tab from the verb", WM_KEYDOWN, VK_TAB, 1, 1012},
        {"Alt+V again", WM_SYSCHAR, 'v', alt, 1137},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.key);
        GUITHREADINFO focus = {};
        focus.cbSize = sizeof(focus);
        // Expectations, not assertions, so that the dialog is closed below.
        EXPECT_TRUE(GetGUIThreadInfo(run.program.info.dwThreadId, &focus));
        HWND expected = run.dialog.Control(row.expected);
        EXPECT_NE(expected, focus.hwndFocus);
        PostMessageA(focus.hwndFocus, row.message, row.code, row.flags);
        // A sent message overtakes a posted one: wait for the focus to move.
        EXPECT_TRUE(WaitUntil([&] {
            return GetGUIThreadInfo(run.program.info.dwThreadId, &focus) && focus.hwndFocus == expected;
        }));
    }
    PressCancel(run.dialog);
    EXPECT_EQ(0, FinishProgram(&run.program));
}
