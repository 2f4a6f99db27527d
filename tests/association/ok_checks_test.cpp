// The checks at OK on the record the dialog reads, against the registry of
// the throwaway prefix (a verb's room depends on the type it goes under).
#include "association/store/association_keys.h"
#include "association/dialog/ok_checks.h"

#include "common/registry_helpers.h"
#include "resources/resource_ids.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

TEST(FindOkFault, RefusesWhatCannotBeSavedAsShown)
{
    struct Row {
        const char* name;
        std::wstring verb;
        std::wstring menu;
        int menuTyped;
        std::wstring command;
        int commandTyped;
        int setDefault;
        int code;
        int control;
        int verbFault;
    };
    const std::wstring command = L"\"C:\\v.exe\" \"%1\"";
    const Row rows[] = {
        {"as opened", L"open", L"", 0, command, 0, 0, OK_FAULT_NONE, 0, 0},
        {"a verb too long for its keys", std::wstring(300, L'v'), L"", 0, command, 0, 0, OK_FAULT_VERB, IDC_VERB,
         VERB_FAULT_TOO_LONG},
        {"a verb with a backslash", L"open\\command", L"", 0, command, 0, 0, OK_FAULT_VERB, IDC_VERB,
         VERB_FAULT_SEPARATOR},
        {"a default verb of two words", L"edit with", L"", 0, command, 0, 1, OK_FAULT_VERB, IDC_VERB,
         VERB_FAULT_NOT_ONE_WORD},
        {"a default verb that is a list", L"view,open", L"", 0, command, 0, 1, OK_FAULT_VERB, IDC_VERB,
         VERB_FAULT_NOT_ONE_WORD},
        {"two words, not the default", L"edit with", L"", 0, command, 0, 0, OK_FAULT_NONE, 0, 0},
        {"a verb 932 cannot hold", L"\x00f6" L"ffnen", L"", 0, command, 0, 0, OK_FAULT_CHARACTERS, IDC_VERB, 0},
        {"a verb of 200 double-byte characters", std::wstring(200, L'\x3042'), L"", 0, command, 0, 0, OK_FAULT_VERB,
         IDC_VERB, VERB_FAULT_TOO_LONG},
        {"a typed menu text 932 cannot hold", L"open", L"\x2713", 1, command, 0, 0, OK_FAULT_CHARACTERS,
         IDC_MENU_TEXT, 0},
        {"the same, left as stored", L"open", L"\x2713", 0, command, 0, 0, OK_FAULT_NONE, 0, 0},
        {"a typed menu text of 2,048 characters", L"open", std::wstring(2048, L'm'), 1, command, 0, 0,
         OK_FAULT_TOO_LONG, IDC_MENU_TEXT, 0},
        {"a typed menu text of 2,047 characters", L"open", std::wstring(2047, L'm'), 1, command, 0, 0, OK_FAULT_NONE,
         0, 0},
        {"a typed command of 2,048 characters", L"open", L"", 0, std::wstring(2048, L'c'), 1, 0, OK_FAULT_TOO_LONG,
         IDC_COMMAND_LINE, 0},
        {"a typed command of 2,047 double-byte characters", L"open", L"", 0, std::wstring(2047, L'\x3042'), 1, 0,
         OK_FAULT_NONE, 0, 0},
        {"a stored command over the limit, kept", L"open", L"", 0, std::wstring(2048, L'c'), 0, 0, OK_FAULT_NONE, 0,
         0},
        {"an emptied command", L"open", L"", 0, L"", 1, 0, OK_FAULT_EMPTY_COMMAND, IDC_COMMAND_LINE, 0},
    };
    const std::string ext = UniqueName(".kv");
    const std::string type = UniqueName("kvfile");
    SetDefault(ext, type);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        static OkRecord record;
        memset(&record, 0, sizeof(record));
        record.setDefaultVerb = row.setDefault;
        lstrcpynW(record.verb, row.verb.c_str(), ASSOC_TEXT_SIZE);
        lstrcpynW(record.menuText, row.menu.c_str(), OK_LONG_TEXT_BUFFER);
        lstrcpynW(record.commandLine, row.command.c_str(), OK_LONG_TEXT_BUFFER);
        record.menuTyped = row.menuTyped;
        record.commandTyped = row.commandTyped;
        OkFault fault;
        static AssocRequest request;
        EXPECT_EQ(row.code != OK_FAULT_NONE, FindOkFault(&record, ext.c_str(), &request, &fault));
        EXPECT_EQ(row.code, fault.code);
        EXPECT_EQ(row.control, fault.control);
        EXPECT_EQ(row.verbFault, fault.verbFault);
        char text[512];
        EXPECT_EQ(row.code != OK_FAULT_NONE, DescribeOkFault(&fault, text, sizeof(text))[0] != '\0');
        EXPECT_EQ(row.code != OK_FAULT_NONE, text[0] != '\0');
    }
    DeleteTree(ext);
}
