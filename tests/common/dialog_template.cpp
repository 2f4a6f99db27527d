#include "common/dialog_template.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

std::string Narrow(const WCHAR* text)
{
    char buffer[1024] = "";
    WideCharToMultiByte(932, 0, text, -1, buffer, sizeof(buffer), NULL, NULL);
    return buffer;
}

struct Reader {
    const BYTE* at;

    void Align(size_t to)
    {
        while ((ULONG_PTR)at % to != 0) ++at;
    }
    WORD Word()
    {
        WORD value;
        memcpy(&value, at, sizeof(value));
        at += sizeof(value);
        return value;
    }
    DWORD Dword()
    {
        DWORD value;
        memcpy(&value, at, sizeof(value));
        at += sizeof(value);
        return value;
    }
    short Short()
    {
        return (short)Word();
    }
    std::string Text()
    {
        const WCHAR* text = (const WCHAR*)at;
        at += (lstrlenW(text) + 1) * sizeof(WCHAR);
        return Narrow(text);
    }
    // A name or ordinal field: "#n" for an ordinal, the text otherwise.
    std::string NameOrOrdinal()
    {
        WORD first;
        memcpy(&first, at, sizeof(first));
        if (first == 0xFFFF) {
            at += 2;
            return "#" + std::to_string(Word());
        }
        return Text();
    }
    std::string ClassName()
    {
        static const char* const kPredefined[] = {"BUTTON", "EDIT", "STATIC", "LISTBOX", "SCROLLBAR", "COMBOBOX"};
        std::string name = NameOrOrdinal();
        if (name.size() > 1 && name[0] == '#') {
            int ordinal = std::stoi(name.substr(1));
            if (ordinal >= 0x80 && ordinal <= 0x85) {
                return kPredefined[ordinal - 0x80];
            }
        }
        for (char& c : name) {
            if (c >= 'a' && c <= 'z') c = (char)(c - 'a' + 'A');
        }
        return name;
    }
};

}  // namespace

DialogTemplate ReadDialogTemplate(const char* name, WORD language)
{
    DialogTemplate dialog;
    HRSRC found = FindResourceExA(NULL, (LPCSTR)RT_DIALOG, name, language);
    if (found == NULL) {
        return dialog;
    }
    dialog.found = true;
    Reader reader{(const BYTE*)LockResource(LoadResource(NULL, found))};
    dialog.style = reader.Dword();
    dialog.exStyle = reader.Dword();
    WORD count = reader.Word();
    dialog.x = reader.Short();
    dialog.y = reader.Short();
    dialog.width = reader.Short();
    dialog.height = reader.Short();
    dialog.menu = reader.NameOrOrdinal();
    dialog.windowClass = reader.NameOrOrdinal();
    dialog.caption = reader.Text();
    if (dialog.style & DS_SETFONT) {
        dialog.pointSize = reader.Word();
        dialog.font = reader.Text();
    }
    for (WORD i = 0; i < count; ++i) {
        DialogItem item;
        reader.Align(4);
        item.style = reader.Dword();
        item.exStyle = reader.Dword();
        item.x = reader.Short();
        item.y = reader.Short();
        item.width = reader.Short();
        item.height = reader.Short();
        item.id = reader.Word();
        item.className = reader.ClassName();
        item.text = reader.NameOrOrdinal();
        WORD extra = reader.Word();
        reader.at += extra;
        dialog.items.push_back(item);
    }
    return dialog;
}

void ExpectDialogItems(const DialogTemplate& dialog, const ExpectedItem* expected, size_t count)
{
    ASSERT_EQ(count, dialog.items.size());
    for (size_t i = 0; i < count; ++i) {
        const ExpectedItem& row = expected[i];
        const DialogItem& item = dialog.items[i];
        SCOPED_TRACE(::testing::Message() << "control " << i << ", id " << row.id);
        EXPECT_EQ(row.id, item.id);
        EXPECT_EQ(row.className, item.className);
        EXPECT_EQ(row.text, item.text);
        EXPECT_EQ(row.x, item.x);
        EXPECT_EQ(row.y, item.y);
        EXPECT_EQ(row.width, item.width);
        EXPECT_EQ(row.height, item.height);
        EXPECT_EQ(row.style, item.style);
        EXPECT_EQ(0u, item.exStyle);
    }
}
