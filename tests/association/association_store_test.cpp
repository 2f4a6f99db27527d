// The association store against the real registry of the throwaway prefix.
#include "association/store/association_reader.h"
#include "association/store/association_writer.h"
#include "association/store/default_app.h"
#include "association/store/save_plan.h"

#include "association/store/association_keys.h"
#include "association/dialog/ok_record.h"
#include "association/store/save_overrides.h"

#include "common/registry_helpers.h"
#include "common/windows_helpers.h"

#include <gtest/gtest.h>
#include <shlobj.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

const char kDefaultMenu[] = "開く(&O)";

struct Names {
    std::string ext = UniqueName(".kv");
    std::string type = UniqueName("kvfile");
    ~Names()
    {
        DeleteTree(ext);
        DeleteTree(type);
        DeleteTree(kUserClasses + ext, HKEY_CURRENT_USER);
        DeleteTree(kUserClasses + type, HKEY_CURRENT_USER);
    }
};

AssocRequest Request(const char* verb, const char* menu, const char* command, int setDefault)
{
    AssocRequest request;
    memset(&request, 0, sizeof(request));
    request.runAfter = 1;
    request.quoteFileName = 1;
    request.setDefaultVerb = setDefault;
    strncpy(request.verb, verb, sizeof(request.verb) - 1);
    strncpy(request.menuText, menu, sizeof(request.menuText) - 1);
    strncpy(request.commandLine, command, sizeof(request.commandLine) - 1);
    return request;
}

std::string Narrow(const WCHAR* wide)
{
    char text[16384] = "";
    if (wide != nullptr) {
        WideCharToMultiByte(932, 0, wide, -1, text, sizeof(text), NULL, NULL);
    }
    return text;
}

// What the dialog shows for an extension: the default verb, its menu text
// ("<offered>" where a new open verb is offered its usual one) and command.
struct ReadResult {
    std::string verb;
    std::string menu;
    std::string command;
};

ReadResult Read(const std::string& ext)
{
    AssocRequest request;
    memset(&request, 'Z', sizeof(request));
    ReadCurrentAssociation(ext.c_str(), &request);
    EXPECT_LT(strnlen(request.verb, sizeof(request.verb)), sizeof(request.verb));
    VerbTexts texts;
    ReadVerbTexts(ext.c_str(), request.verb, 0, &texts);
    ReadResult result = {request.verb, texts.offersDefaultMenu ? "<offered>" : Narrow(texts.menuText.text),
                         Narrow(texts.command.text)};
    FreeVerbTexts(&texts);
    return result;
}

}  // namespace

TEST(ReadCurrentAssociation, ResolvesTypeVerbAndMenuText)
{
    struct Row {
        const char* name;
        const char* typeShellDefault;  // null: no TYPE\shell key
        const char* typeVerbKey;       // null: no verb key
        const char* typeVerbMenu;      // null: no value
        const char* verb;
        const char* menu;
    };
    const Row rows[] = {
        {"edit is the default verb", "edit", "edit", "編集(&E)", "edit", "編集(&E)"},
        // A verb without a menu text shows none (the shell shows its own label).
        {"empty menu text", "edit", "edit", "", "edit", ""},
        {"menu text absent", "edit", "edit", nullptr, "edit", ""},
        {"default verb without its key", "edit", nullptr, nullptr, "open", "<offered>"},
        {"empty default verb", "", "open", "ひらく", "open", "ひらく"},
        {"shell key without default", nullptr, nullptr, nullptr, "open", "<offered>"},
        {"a list of verbs: the first is the default", " edit,open", "edit", "編集(&E)", "edit", "編集(&E)"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Names names;
        SetDefault(names.ext, names.type);
        if (row.typeShellDefault) {
            SetDefault(names.type + "\\shell", row.typeShellDefault);
        } else {
            CreateKey(names.type + "\\shell");
        }
        if (row.typeVerbKey) {
            std::string verbKey = names.type + "\\shell\\" + row.typeVerbKey;
            if (row.typeVerbMenu) {
                SetDefault(verbKey, row.typeVerbMenu);
            } else {
                CreateKey(verbKey);
            }
        }
        std::string before = SnapshotTree(names.ext) + SnapshotTree(names.type);
        ReadResult result = Read(names.ext);
        EXPECT_EQ(row.verb, result.verb);
        EXPECT_EQ(row.menu, result.menu);
        EXPECT_EQ(before, SnapshotTree(names.ext) + SnapshotTree(names.type)) << "the reader changed the registry";
    }
}

TEST(ReadCurrentAssociation, NoExtensionKeyGivesDefaults)
{
    Names names;
    ReadResult result = Read(names.ext);
    EXPECT_EQ("open", result.verb);
    EXPECT_EQ("<offered>", result.menu);
    EXPECT_FALSE(KeyExists(names.ext)) << "the reader must not create keys";
}

TEST(ReadCurrentAssociation, TypeWithoutShellKeyFallsBackToExtensionKey)
{
    Names names;
    SetDefault(names.ext, names.type);
    CreateKey(names.type);
    SetDefault(names.ext + "\\shell", "print");
    SetDefault(names.ext + "\\shell\\print", "印刷(&P)");
    ReadResult result = Read(names.ext);
    EXPECT_EQ("print", result.verb);
    EXPECT_EQ("印刷(&P)", result.menu);
}

TEST(WriteAssociation, NewExtensionGetsTheLayoutUnderItsOwnKey)
{
    Names names;
    ASSERT_EQ(1, WriteAssociation(names.ext.c_str(), Request("open", kDefaultMenu, "\"C:\\v.exe\" \"%1\"", 0)));
    EXPECT_TRUE(KeyExists(names.ext));
    EXPECT_EQ("<absent>", Default(names.ext)) << "the extension key's value is never written";
    EXPECT_EQ("<absent>", Default(names.ext + "\\shell"));
    EXPECT_EQ(kDefaultMenu, Default(names.ext + "\\shell\\open"));
    EXPECT_EQ("\"C:\\v.exe\" \"%1\"", Default(names.ext + "\\shell\\open\\command"));
}

TEST(WriteAssociation, WritesUnderTheNamedTypeEvenWithoutShellKey)
{
    Names names;
    SetDefault(names.ext, names.type);
    CreateKey(names.type);
    ASSERT_EQ(1, WriteAssociation(names.ext.c_str(), Request("view", "見る", "\"C:\\v.exe\" %1", 0)));
    EXPECT_EQ("見る", Default(names.type + "\\shell\\view"));
    EXPECT_EQ("\"C:\\v.exe\" %1", Default(names.type + "\\shell\\view\\command"));
    EXPECT_FALSE(KeyExists(names.ext + "\\shell"));
    EXPECT_EQ(names.type, Default(names.ext));
}

TEST(WriteAssociation, DefaultVerbHandling)
{
    struct Row {
        const char* name;
        const char* presentDefault;  // null: TYPE\shell has no default value
        const char* verb;
        int setDefault;
        const char* writtenUnder;
        const char* defaultAfter;
        bool readOnly;  // the keys exist and the class root refuses them
        // The verb written is then the type's default as the next run reads
        // it: the first of the list when it has its key, else open.
        int isDefault;
        bool editKey = false;  // TYPE\shell\edit exists
    };
    const Row rows[] = {
        {"set with a verb", "edit", "view", 1, "view", "view", false, 1},
        {"set with an empty verb adopts the present default", "edit", "", 1, "edit", "edit", false, 1},
        {"set with an empty verb and no default writes open", nullptr, "", 1, "open", "<absent>", false, 1},
        {"off leaves the default alone", "edit", "view", 0, "view", "edit", false, 0, true},
        {"off, and the default names no key: open is the default", "edit", "view", 0, "view", "edit", false, 0},
        {"off with an empty verb writes open, the default as edit has no key", "edit", "", 0, "open", "edit", false, 1},
        {"set with an empty verb adopts the first of a list, which stays", "edit open", "", 1, "edit", "edit open", false, 1},
        // A list keeps its other verbs, once each, after the new default.
        {"set with a verb of a list: first, the others kept", "edit,open,print", "print", 1, "print", "print,edit,open",
         false, 1},
        {"set with a new verb: first of the list", "edit open,edit", "view", 1, "view", "view edit open", false, 1},
        {"set with the first verb: as it was", "view,edit", "View", 1, "View", "View,edit", false, 1},
        {"refused keys go to the user's classes", "edit", "view", 1, "view", "view", true, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Names names;
        SetDefault(names.ext, names.type);
        if (row.presentDefault) {
            SetDefault(names.type + "\\shell", row.presentDefault);
        } else {
            CreateKey(names.type + "\\shell");
        }
        if (row.editKey) {
            CreateKey(names.type + "\\shell\\edit");
        }
        std::string verbKey = names.type + "\\shell\\" + row.writtenUnder;
        ReadOnlyKeys locks;
        HKEY root = HKEY_CLASSES_ROOT;
        std::string where;
        if (row.readOnly) {
            // Machine values a per-user type and shell key must keep; a verb
            // key's MUIVerb would override the menu text written.
            SetDefault(names.type, "種類の説明");
            SetValue(names.type + "\\shell", "Extra", REG_SZ, std::string("x", 2));
            // Copied whole, however large or long-named.
            SetValue(names.type, "Big", REG_BINARY, std::string(5000, 'b'));
            SetValue(names.type, std::string(300, 'n'), REG_SZ, std::string("y", 2));
            SetValue(verbKey, "MUIVerb", REG_SZ, std::string("mui", 4));
            SetDefault(verbKey + "\\command", "old");
            for (const std::string& key : {names.ext, names.type + "\\shell", verbKey, verbKey + "\\command"}) {
                locks.Add(key);
            }
            root = HKEY_CURRENT_USER;
            where = kUserClasses;
        }
        AssocWriteReport report;
        ASSERT_EQ(1, WriteAssociation(names.ext.c_str(), Request(row.verb, "M", "C", row.setDefault), &report));
        EXPECT_EQ(names.type, report.type);
        EXPECT_EQ(row.isDefault, report.verbIsDefault);
        EXPECT_EQ("M", Default(where + verbKey, root));
        EXPECT_EQ("C", Default(where + verbKey + "\\command", root));
        EXPECT_EQ(row.defaultAfter, Default(where + names.type + "\\shell", root));
        if (row.readOnly) {
            // Nothing written in both places, and no per-user extension key.
            EXPECT_EQ("edit|old", Default(names.type + "\\shell") + "|" + Default(verbKey + "\\command"));
            EXPECT_FALSE(KeyExists(kUserClasses + names.ext, HKEY_CURRENT_USER));
            EXPECT_EQ("種類の説明", Default(where + names.type, root));
            std::string userType = SnapshotTree(where + names.type, root);
            std::string big;
            for (int i = 0; i < 5000; ++i) {
                big += "62";
            }
            EXPECT_NE(std::string::npos, userType.find("\nBig=3:" + big + "\n"));
            EXPECT_NE(std::string::npos, userType.find("\n" + std::string(300, 'n') + "=1:7900\n"));
            EXPECT_NE(std::string::npos, SnapshotTree(where + names.type + "\\shell", root).find("Extra=1:7800"));
            EXPECT_EQ(std::string::npos, SnapshotTree(where + verbKey, root).find("MUIVerb"));
        }
    }
}

TEST(WriteAssociation, EmptyMenuTextIsWrittenAsEmptyValue)
{
    Names names;
    SetDefault(names.ext, names.type);
    SetDefault(names.type + "\\shell\\open", "old");
    ASSERT_EQ(1, WriteAssociation(names.ext.c_str(), Request("open", "", "", 0)));
    EXPECT_EQ("", Default(names.type + "\\shell\\open"));
    EXPECT_EQ("", Default(names.type + "\\shell\\open\\command"));
}

TEST(WriteAssociation, LeavesOtherVerbsUntouched)
{
    Names names;
    SetDefault(names.ext, names.type);
    SetValue(names.ext, "Content Type", REG_SZ, std::string("text/x-kv", 10));
    SetValue(names.type, "", REG_SZ, std::string("Kiveran test file", 18));
    SetValue(names.type, "EditFlags", REG_DWORD, std::string("\x00\x00\x01\x00", 4));
    SetDefault(names.type + "\\DefaultIcon", "C:\\icons.dll,3");
    SetDefault(names.type + "\\shell", "edit");
    SetValue(names.type + "\\shell", "Extra", REG_SZ, std::string("x", 2));
    SetDefault(names.type + "\\shell\\edit", "編集(&E)");
    SetDefault(names.type + "\\shell\\edit\\command", "\"C:\\e.exe\" \"%1\"");
    SetDefault(names.type + "\\shell\\print\\command", "\"C:\\p.exe\" /p \"%1\"");
    SetDefault(names.type + "\\shell\\open", "古い");
    SetValue(names.type + "\\shell\\open", "MUIVerb", REG_SZ, std::string("mui", 4));
    SetDefault(names.type + "\\shell\\open\\ddeexec", "[open]");

    const std::string untouched[] = {
        names.ext, names.type + "\\DefaultIcon", names.type + "\\shell\\edit",
        names.type + "\\shell\\print", names.type + "\\shell\\open\\ddeexec",
    };
    std::string before[5];
    for (int i = 0; i < 5; ++i) {
        before[i] = SnapshotTree(untouched[i]);
    }
    std::string typeBefore = SnapshotTree(names.type);

    ASSERT_EQ(1, WriteAssociation(names.ext.c_str(), Request("open", "開く(&O)", "\"C:\\v.exe\" \"%1\"", 0)));

    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(untouched[i]);
        EXPECT_EQ(before[i], SnapshotTree(untouched[i]));
    }
    // Put back the two values that were meant to change: the rest of the
    // type's tree must then be exactly as it was.
    SetDefault(names.type + "\\shell\\open", "古い");
    DeleteTree(names.type + "\\shell\\open\\command");
    EXPECT_EQ(typeBefore, SnapshotTree(names.type));
}

TEST(WriteAssociation, EmptyExtensionWritesNothing)
{
    std::string before = SnapshotClassRoot();
    EXPECT_EQ(0, WriteAssociation("", Request("open", "M", "C", 1)));
    EXPECT_EQ(before, SnapshotClassRoot());
    AssocRequest request;
    memset(&request, 'Z', sizeof(request));
    ReadCurrentAssociation("", &request);
    EXPECT_STREQ("open", request.verb);
}

TEST(WriteAssociation, SavesNothingWhenTheCommandCannotBeSaved)
{
    enum Setup { kPlain, kLongType, kCommandRefused };
    struct Row {
        const char* name;
        std::string verb;
        Setup setup;
    };
    const Row rows[] = {
        {"a verb with a backslash", "open\\command", kPlain},
        // TYPE\shell\VERB fits its 264 bytes, TYPE\shell\VERB\command does not.
        {"a verb too long for its command key", std::string(240, 'v'), kPlain},
        {"a type name too long for the command key", "open", kLongType},
        {"the command key refused in both places", "view", kCommandRefused},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Names names;
        // 245 bytes: TYPE\shell\open takes 256 bytes, its command key 265.
        std::string longType = UniqueName("kvlong");
        longType.resize(245, 't');
        std::string type = row.setup == kLongType ? longType : names.type;
        SetDefault(names.ext, type);
        SetDefault(type + "\\shell", "edit");
        std::string command = type + "\\shell\\" + row.verb + "\\command";
        ReadOnlyKeys locks;
        if (row.setup == kCommandRefused) {
            SetDefault(command, "old");
            locks.Add(command);
        }
        if (row.setup == kCommandRefused) {
            SetDefault(kUserClasses + command, "user", HKEY_CURRENT_USER);
            locks.Add(kUserClasses + command, HKEY_CURRENT_USER);
        }
        // Both roots, wherever the save could have gone.
        auto snapshot = [&] {
            return SnapshotTree(names.ext) + SnapshotTree(type) + SnapshotTree(kUserClasses + type, HKEY_CURRENT_USER);
        };
        std::string before = snapshot();
        EXPECT_EQ(0, WriteAssociation(names.ext.c_str(), Request(row.verb.c_str(), "M", "C", 1)));
        EXPECT_EQ(before, snapshot());
        DeleteTree(longType);
    }
}

TEST(ReadCurrentAssociation, HostileValuesNeverOverrun)
{
    struct Row {
        const char* name;
        DWORD type;
        std::string data;      // the extension key's default value, as stored
        bool namesTheType;     // whether the reader should follow it
    };
    Names names;
    const std::string type = names.type;
    const Row rows[] = {
        {"without NUL", REG_SZ, type, true},
        {"expand string", REG_EXPAND_SZ, type + std::string(1, '\0'), true},
        {"dword", REG_DWORD, std::string("\x01\x02\x03\x04", 4), false},
        {"binary", REG_BINARY, type, false},
        {"empty", REG_SZ, std::string(1, '\0'), false},
        {"only blanks", REG_SZ, std::string("   ") + std::string(1, '\0'), false},
        {"259 bytes and NUL", REG_SZ, std::string(259, 'a') + std::string(1, '\0'), false},
        {"260 bytes without NUL", REG_SZ, std::string(260, 'a'), false},
        {"260 bytes and NUL", REG_SZ, std::string(260, 'a') + std::string(1, '\0'), false},
        {"4000 bytes", REG_SZ, std::string(4000, 'a'), false},
    };
    SetDefault(names.ext + "\\shell", "ext");
    SetDefault(names.ext + "\\shell\\ext", "拡張子のメニュー");
    SetDefault(type + "\\shell", "typ");
    SetDefault(type + "\\shell\\typ", "種類のメニュー");
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        SetValue(names.ext, "", row.type, row.data);
        ReadResult result = Read(names.ext);
        EXPECT_EQ(row.namesTheType ? "typ" : "ext", result.verb);
        EXPECT_EQ(row.namesTheType ? "種類のメニュー" : "拡張子のメニュー", result.menu);
    }
}

TEST(ReadCurrentAssociation, LongMenuTextsAreReadWhole)
{
    struct Row {
        std::string stored;
        std::string expected;
    };
    const Row rows[] = {
        {std::string(259, 'm') + std::string(1, '\0'), std::string(259, 'm')},
        {std::string(259, 'm'), std::string(259, 'm')},
        {std::string(260, 'm'), std::string(260, 'm')},
        {std::string(5000, 'm'), std::string(5000, 'm')},
        {std::string("\x01\x00\x00\x00", 4), std::string("\x01")},
    };
    Names names;
    SetDefault(names.ext + "\\shell", "open");
    for (const Row& row : rows) {
        SCOPED_TRACE(row.stored.size());
        SetValue(names.ext + "\\shell\\open", "", REG_SZ, row.stored);
        EXPECT_EQ(row.expected, Read(names.ext).menu);
    }
}

TEST(WriteAssociation, BlankTypeNameIsFollowedLikeTheShellDoes)
{
    Names names;
    SetDefault(names.ext, "   ");
    ASSERT_EQ(1, WriteAssociation(names.ext.c_str(), Request("open", "M", "C", 0)));
    EXPECT_EQ("C", Default("   \\shell\\open\\command"));
    DeleteTree("   ");
}

namespace {

int g_notices = 0;

LRESULT CALLBACK CountNotices(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    g_notices += message == WM_APP && lParam == SHCNE_ASSOCCHANGED;
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

TEST(WriteAssociation, TellsTheShellAfterASuccessfulWrite)
{
    // Wine hands SHChangeNotify only to windows of the calling process.
    Names names;
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = CountNotices;
    windowClass.lpszClassName = "KiveranNotices";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(0, "KiveranNotices", "", 0, 0, 0, 0, 0, HWND_MESSAGE, NULL, NULL, NULL);
    SHChangeNotifyEntry everything = {NULL, TRUE};
    ULONG id = SHChangeNotifyRegister(window, SHCNRF_ShellLevel, SHCNE_ASSOCCHANGED, WM_APP, 1, &everything);
    ASSERT_NE(0u, id);
    EXPECT_EQ(0, WriteAssociation("", Request("open", "M", "C", 0)));
    EXPECT_EQ(1, WriteAssociation(names.ext.c_str(), Request("open", "M", "C", 0)));
    // Both writes have returned, so a notice of the failed one would be
    // handed over before, or queued ahead of, the successful one's.
    MSG message;
    for (int i = 0; i < 250 && g_notices == 0; ++i) {
        while (PeekMessageA(&message, NULL, 0, 0, PM_REMOVE)) {
            DispatchMessageA(&message);
        }
        Sleep(g_notices == 0 ? 20 : 0);
    }
    EXPECT_EQ(1, g_notices);
    SHChangeNotifyDeregister(id);
    DestroyWindow(window);
}

namespace {

void SetWideDefault(const std::wstring& key, const std::wstring& text, DWORD type = REG_SZ,
                    HKEY root = HKEY_CLASSES_ROOT)
{
    HKEY handle;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(root, key.c_str(), 0, NULL, 0, KEY_ALL_ACCESS, NULL, &handle, NULL));
    RegSetValueExW(handle, NULL, 0, type, (const BYTE*)text.c_str(), (DWORD)((text.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(handle);
}


}  // namespace

std::wstring ReadWide(HKEY root, const std::string& key, DWORD* type)
{
    HKEY handle;
    WCHAR text[64] = L"";
    DWORD size = sizeof(text) - sizeof(WCHAR);
    *type = 0;
    if (RegOpenKeyExW(root, Widen(key).c_str(), 0, KEY_READ, &handle) == ERROR_SUCCESS) {
        RegQueryValueExW(handle, NULL, NULL, type, (BYTE*)text, &size);
        RegCloseKey(handle);
    }
    return text;
}

// A name or text that code page 932 cannot hold is never read or written as
// a substitute: \u00f6 (o umlaut) would become "o", and \u2713 (a check mark) "?".
TEST(WriteAssociation, TextsThatCodePage932CannotHoldAreNeverSubstituted)
{
    enum Case { kTypeName, kMenuTextKept, kMenuTextKeptForTheUser, kCommandKept };
    const Case cases[] = {kTypeName, kMenuTextKept, kMenuTextKeptForTheUser, kCommandKept};
    const std::wstring menu = L"\x00d6" L"ffnen \x2713";
    const std::wstring verbs = L"\x00f6" L"ffnen,open";
    const std::wstring command = L"%SystemRoot%\\\x00e9.exe \"%1\"";
    for (Case which : cases) {
        SCOPED_TRACE(which);
        Names names;
        const std::wstring type = Widen(names.type);
        ReadOnlyKeys locks;
        if (which == kTypeName) {
            SetWideDefault(Widen(names.ext), type + L"\x00f6");
        } else {
            SetDefault(names.ext, names.type);
            // A default verb 932 cannot hold is neither offered nor adopted.
            SetWideDefault(type + L"\\shell", verbs);
            SetWideDefault(type + L"\\shell\\\x00f6" L"ffnen\\command", L"old");
            SetWideDefault(type + L"\\shell\\open", menu);
            SetWideDefault(type + L"\\shell\\open\\command", command, REG_EXPAND_SZ);
        }
        if (which == kMenuTextKeptForTheUser) {
            locks.Add(names.type + "\\shell\\open");
            locks.Add(names.type + "\\shell\\open\\command");
        }
        auto snapshot = [&] {
            return SnapshotTree(names.ext) + SnapshotTree(names.type) + SnapshotTree(names.type + "o")
                   + SnapshotTree(kUserClasses + names.type, HKEY_CURRENT_USER);
        };
        std::string before = snapshot();
        AssocRequest request;
        memset(&request, 'Z', sizeof(request));
        EXPECT_EQ(which != kTypeName, ReadCurrentAssociation(names.ext.c_str(), &request) != 0);
        EXPECT_EQ("open", std::string(request.verb));
        request.setDefaultVerb = 1;
        request.verb[0] = '\0';
        request.keepMenuText = 1;
        request.keepCommand = which == kCommandKept;
        strcpy(request.commandLine, "new");
        EXPECT_EQ(which != kTypeName, WriteAssociation(names.ext.c_str(), request) != 0);
        if (which == kTypeName) {
            EXPECT_EQ(before, snapshot());
            continue;
        }
        std::string where = which == kMenuTextKeptForTheUser ? kUserClasses : "";
        HKEY root = which == kMenuTextKeptForTheUser ? HKEY_CURRENT_USER : HKEY_CLASSES_ROOT;
        DWORD valueType;
        EXPECT_EQ(verbs, ReadWide(HKEY_CLASSES_ROOT, names.type + "\\shell", &valueType));
        EXPECT_EQ(menu, ReadWide(root, where + names.type + "\\shell\\open", &valueType));
        EXPECT_EQ(which == kCommandKept ? command : L"new",
                  ReadWide(root, where + names.type + "\\shell\\open\\command", &valueType));
        EXPECT_EQ(which == kCommandKept ? (DWORD)REG_EXPAND_SZ : (DWORD)REG_SZ, valueType);
        EXPECT_FALSE(KeyExists(names.type + "o"));
    }
}

TEST(FindSaveOverrides, ReadsTheKeysTheSaveWillWrite)
{
    enum Where { kClassRoot, kMachineReadOnly, kUserKey };
    struct Value {
        const char* key;  // below TYPE\shell\open
        const char* name;
        DWORD type;
    };
    struct Row {
        const char* name;
        Where where;  // of values: the verb and command keys are then read-only
        std::vector<Value> values;
        unsigned expected;
    };
    const Row rows[] = {
        {"DelegateExecute", kClassRoot, {{"\\command", "DelegateExecute", REG_SZ}}, SAVE_OVERRIDE_COMMAND},
        {"ExplorerCommandHandler", kClassRoot, {{"", "ExplorerCommandHandler", REG_SZ}}, SAVE_OVERRIDE_COMMAND},
        {"DropTarget", kClassRoot, {{"\\DropTarget", "Clsid", REG_SZ}}, SAVE_OVERRIDE_COMMAND},
        {"MUIVerb", kClassRoot, {{"", "MUIVerb", REG_EXPAND_SZ}}, SAVE_OVERRIDE_MENU_TEXT},
        {"LegacyDisable", kClassRoot, {{"", "LegacyDisable", REG_DWORD}}, SAVE_OVERRIDE_HIDDEN},
        {"ProgrammaticAccessOnly", kClassRoot, {{"", "ProgrammaticAccessOnly", REG_SZ}}, SAVE_OVERRIDE_HIDDEN},
        {"Extended", kClassRoot, {{"", "Extended", REG_BINARY}}, SAVE_OVERRIDE_EXTENDED},
        {"a clean verb", kClassRoot, {{"", "Other", REG_SZ}, {"\\command", "Other", REG_SZ}}, 0},
        // New per-user keys hide the machine's values, not its subkeys.
        {"new per-user keys", kMachineReadOnly,
         {{"\\command", "DelegateExecute", REG_SZ}, {"", "MUIVerb", REG_SZ}}, 0},
        {"new per-user keys and a machine DropTarget", kMachineReadOnly,
         {{"", "LegacyDisable", REG_SZ}, {"\\DropTarget", "Clsid", REG_SZ}}, SAVE_OVERRIDE_COMMAND},
        {"an existing per-user key", kUserKey, {{"", "MUIVerb", REG_SZ}}, SAVE_OVERRIDE_MENU_TEXT},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Names names;
        const std::string verbKey = names.type + "\\shell\\open";
        SetDefault(names.ext, names.type);
        SetDefault(verbKey, "M");
        SetDefault(verbKey + "\\command", "C");
        HKEY root = row.where == kUserKey ? HKEY_CURRENT_USER : HKEY_CLASSES_ROOT;
        std::string where = row.where == kUserKey ? kUserClasses : "";
        for (const Value& value : row.values) {
            SetValue(where + verbKey + value.key, value.name, value.type, std::string(4, '\0'), root);
        }
        ReadOnlyKeys locks;
        if (row.where != kClassRoot) {
            // Hidden by the user's key, whether it is new or not.
            SetValue(verbKey, "Extended", REG_SZ, std::string(1, '\0'));
            locks.Add(verbKey);
            locks.Add(verbKey + "\\command");
        }
        auto snapshot = [&] {
            return SnapshotTree(names.ext) + SnapshotTree(names.type) + SnapshotTree(kUserClasses + names.type, HKEY_CURRENT_USER);
        };
        std::string before = snapshot();
        SavePlan plan;
        ASSERT_EQ(1, PlanSave(names.ext.c_str(), "open", 0, &plan));
        unsigned found = FindSaveOverrides(&plan);
        EXPECT_EQ(row.expected, found);
        EXPECT_EQ(before, snapshot()) << "only reads";
        char text[SAVE_OVERRIDE_QUESTION_SIZE];
        EXPECT_EQ(found != 0, ComposeOverrideQuestion(found, text, sizeof(text)));
    }
    char text[SAVE_OVERRIDE_QUESTION_SIZE];
    EXPECT_EQ(1, ComposeOverrideQuestion(SAVE_OVERRIDE_COMMAND | SAVE_OVERRIDE_MENU_TEXT | SAVE_OVERRIDE_HIDDEN
                                             | SAVE_OVERRIDE_EXTENDED, text, sizeof(text)));
}

TEST(ReadUserChoice, TheLatestKeyComesFirstAndNamesCompareByCaseAlone)
{
    const std::string fileExts = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts\\";
    struct Row {
        const char* latest;  // null: no UserChoiceLatest\ProgId key
        const char* choice;  // null: no UserChoice key
        int found;
        const char* progId;
        const char* written;  // the type a save went under
        int another;          // the choice names another type
    };
    const Row rows[] = {
        {nullptr, "kvchoice", 1, "kvchoice", "KVChoice", 0},
        {"kvlatest", nullptr, 1, "kvlatest", "kvchoice", 1},
        {"kvlatest", "kvchoice", 1, "kvlatest", "kvchoice", 1},
        {"", "kvchoice", 1, "kvchoice", "kvchoice", 0},
        {nullptr, nullptr, 0, "", "kvchoice", 0},
        // 々 repeats the kanji before it, yet names another key.
        {nullptr, "kvo佐々木", 1, "kvo佐々木", "kvo佐佐木", 1},
        {nullptr, "kvoＡ", 1, "kvoＡ", "kvoａ", 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message() << (row.latest ? row.latest : "-") << " " << (row.choice ? row.choice : "-"));
        Names names;
        const std::string key = fileExts + names.ext;
        if (row.latest) {
            SetValue(key + "\\UserChoiceLatest\\ProgId", "ProgId", REG_SZ, std::string(row.latest) + '\0', HKEY_CURRENT_USER);
        }
        if (row.choice) {
            SetValue(key + "\\UserChoice", "ProgId", REG_SZ, std::string(row.choice) + '\0', HKEY_CURRENT_USER);
        }
        char progId[ASSOC_TEXT_SIZE] = "stale";
        EXPECT_EQ(row.found, ReadUserChoice(names.ext.c_str(), progId));
        EXPECT_STREQ(row.progId, progId);
        EXPECT_EQ(row.another, ChoiceNamesAnotherType(names.ext.c_str(), row.written));
        DeleteTree(key, HKEY_CURRENT_USER);
    }
}

namespace {

// What a plain OK saves: the verb and texts as the dialog shows them, none
// typed into; where no command is stored the user picks a program.
AssocRequest PlainOk(const std::string& ext)
{
    AssocRequest request;
    memset(&request, 0, sizeof(request));
    ReadCurrentAssociation(ext.c_str(), &request);
    VerbTexts texts;
    ReadVerbTexts(ext.c_str(), request.verb, 0, &texts);
    static OkRecord record;
    memset(&record, 0, sizeof(record));
    MultiByteToWideChar(932, 0, request.verb, -1, record.verb, ASSOC_TEXT_SIZE);
    if (texts.offersDefaultMenu) {
        MultiByteToWideChar(932, 0, "開く(&O)", -1, record.menuText, OK_LONG_TEXT_BUFFER);
    }
    record.menuIsDefault = texts.offersDefaultMenu;
    record.commandIsBuilt = texts.command.text == nullptr;
    if (record.commandIsBuilt) {
        lstrcpyW(record.commandLine, L"\"C:\\picked.exe\" \"%1\"");
    }
    FreeVerbTexts(&texts);
    EXPECT_EQ(0, CaptureOkRecord(&record, &request));
    return request;
}

}  // namespace

// A plain OK followed by a second read shows what the first showed, and
// changes nothing where the layout is already where a save goes.
TEST(WriteAssociation, APlainOkSavesWhatTheNextReadShows)
{
    enum Layout { kNew, kNamedType, kExtensionKeysVerbs, kList, kNoMenuText, kLongTexts, kForeignTexts, kMachineKeys };
    struct Row {
        const char* name;
        Layout layout;
        bool unchanged;  // the class root's keys stay byte for byte
    };
    const Row rows[] = {
        {"a new extension", kNew, false},
        {"a named type with its verbs", kNamedType, true},
        {"a named type without a shell key: the extension key's verbs move to it", kExtensionKeysVerbs, false},
        {"a list of verbs", kList, true},
        {"a verb without a menu text keeps none", kNoMenuText, true},
        {"texts of 5,000 and 3,000 characters", kLongTexts, true},
        {"texts code page 932 cannot hold, an expandable command", kForeignTexts, true},
        {"read-only machine keys: the user's own copy", kMachineKeys, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Names names;
        const std::wstring type = Widen(names.type);
        ReadOnlyKeys locks;
        if (row.layout != kNew) {
            SetDefault(names.ext, names.type);
            CreateKey(names.type);
        }
        std::string base = row.layout == kExtensionKeysVerbs ? names.ext : names.type;
        switch (row.layout) {
        case kNew:
            break;
        case kExtensionKeysVerbs:
        case kNamedType:
        case kMachineKeys:
            SetDefault(base + "\\shell", "edit");
            SetDefault(base + "\\shell\\edit", "編集(&E)");
            SetDefault(base + "\\shell\\edit\\command", "\"C:\\e.exe\" /e \"%1\"");
            if (row.layout == kMachineKeys) {
                locks.Add(base + "\\shell\\edit");
                locks.Add(base + "\\shell\\edit\\command");
            }
            break;
        case kList:
            SetDefault(base + "\\shell", " edit,open");
            SetDefault(base + "\\shell\\edit\\command", "e");
            SetDefault(base + "\\shell\\open\\command", "o");
            break;
        case kNoMenuText:
            SetDefault(base + "\\shell\\open\\command", "o");
            break;
        case kLongTexts:
            SetWideDefault(type + L"\\shell\\open", std::wstring(5000, L'\x3042'));
            SetWideDefault(type + L"\\shell\\open\\command", L"\"C:\\o.exe\" " + std::wstring(3000, L'a'));
            break;
        case kForeignTexts:
            SetWideDefault(type + L"\\shell\\open", L"\x00d6" L"ffnen \x2713");
            SetWideDefault(type + L"\\shell\\open\\command", L"%SystemRoot%\\\x00e9.exe \"%1\"", REG_EXPAND_SZ);
            break;
        }
        auto snapshot = [&] { return SnapshotTree(names.ext) + SnapshotTree(names.type); };
        std::string before = snapshot();
        ReadResult first = Read(names.ext);
        AssocRequest request = PlainOk(names.ext);
        ASSERT_EQ(1, WriteAssociation(names.ext.c_str(), request));
        ReadResult second = Read(names.ext);
        EXPECT_EQ(first.verb, second.verb);
        EXPECT_EQ(first.menu == "<offered>" ? "開く(&O)" : first.menu, second.menu);
        EXPECT_EQ(first.command.empty() ? "\"C:\\picked.exe\" \"%1\"" : first.command, second.command);
        if (row.unchanged) {
            EXPECT_EQ(before, snapshot());
        }
        if (row.layout == kMachineKeys) {
            // Wine does not merge the user's classes into the class root.
            for (const std::string key : {"\\shell\\edit", "\\shell\\edit\\command"}) {
                DWORD machineType = 0;
                DWORD userType = 0;
                EXPECT_EQ(ReadWide(HKEY_CLASSES_ROOT, names.type + key, &machineType),
                          ReadWide(HKEY_CURRENT_USER, kUserClasses + names.type + key, &userType));
                EXPECT_EQ(machineType, userType);
            }
        }
    }
}
