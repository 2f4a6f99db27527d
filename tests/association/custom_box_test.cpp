// The association dialog's child template, read back from the program's
// resources as the Open dialog will get it.
#include "common/dialog_template.h"
#include "resources/resource_ids.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(CustomBoxTemplate, MatchesTheLayout)
{
    DialogTemplate dialog = ReadDialogTemplate("CUSTOM_BOX", MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT));
    ASSERT_TRUE(dialog.found);
    EXPECT_EQ((DWORD)(WS_CHILD | WS_CLIPSIBLINGS | DS_3DLOOK | DS_CONTROL | DS_SETFONT), dialog.style);
    EXPECT_EQ(0u, dialog.exStyle);
    EXPECT_EQ(285, dialog.width);
    EXPECT_EQ(70, dialog.height);
    EXPECT_EQ("", dialog.caption);
    EXPECT_EQ(9, dialog.pointSize);
    EXPECT_EQ("ＭＳ Ｐゴシック", dialog.font);

    const DWORD child = WS_CHILD | WS_VISIBLE;
    const DWORD edit = child | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;
    const DWORD check = child | BS_AUTOCHECKBOX | WS_TABSTOP;
    const DWORD label = child | WS_GROUP | SS_NOTIFY;
    // In this order, which is also the tab order.
    const ExpectedItem rows[] = {
        {IDC_STANDARD_CONTROLS, "STATIC", "", 0, 33, 284, 8, child | WS_GROUP},
        {IDC_QUOTE_FILE_NAME, "BUTTON", "ﾌｧｲﾙ名を \"\" で囲う", 8, 41, 74, 10, check},
        {0xFFFF, "STATIC", "ｺﾏﾝﾄﾞﾗｲﾝ", 7, 22, 30, 8, label},
        {IDC_COMMAND_LINE, "EDIT", "", 40, 19, 205, 14, edit},
        {IDC_SET_DEFAULT_VERB, "BUTTON", "標準の動詞に設定", 8, 54, 70, 10, check},
        {0xFFFF, "STATIC", "動詞(&V)", 13, 3, 24, 8, label},
        {IDC_VERB, "EDIT", "", 40, 2, 70, 14, edit},
        {0xFFFF, "STATIC", "ﾒﾆｭｰ(&M)", 117, 5, 26, 8, label},
        {IDC_MENU_TEXT, "EDIT", "", 150, 2, 95, 14, edit},
        {IDC_RUN_AFTER, "BUTTON", "実行する", 134, 41, 42, 10, check},
    };
    ExpectDialogItems(dialog, rows, sizeof(rows) / sizeof(rows[0]));
}

// A label's access key moves the focus to the next control in the template
// that takes it, and a screen reader names an edit after the text just
// before it: so each label must come right before the edit on its right.
TEST(CustomBoxTemplate, EachLabelComesJustBeforeTheEditItNames)
{
    DialogTemplate dialog = ReadDialogTemplate("CUSTOM_BOX", MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT));
    ASSERT_TRUE(dialog.found);
    std::vector<WORD> tabStops;
    std::vector<std::string> labelled;  // "label>edit id"
    for (size_t i = 0; i < dialog.items.size(); ++i) {
        const DialogItem& item = dialog.items[i];
        if (item.style & WS_TABSTOP) {
            tabStops.push_back(item.id);
        }
        if (item.className != "STATIC" || item.text.empty()) {
            continue;
        }
        SCOPED_TRACE(item.text);
        ASSERT_LT(i + 1, dialog.items.size());
        const DialogItem& next = dialog.items[i + 1];
        EXPECT_EQ("EDIT", next.className);
        // On the same row, to the label's right.
        EXPECT_LE(item.x + item.width, next.x);
        EXPECT_GE(item.y, next.y);
        EXPECT_LE(item.y + item.height, next.y + next.height);
        labelled.push_back(item.text + ">" + std::to_string(next.id));
    }
    const std::vector<std::string> expectedLabels = {
        "ｺﾏﾝﾄﾞﾗｲﾝ>" + std::to_string(IDC_COMMAND_LINE),
        "動詞(&V)>" + std::to_string(IDC_VERB),
        "ﾒﾆｭｰ(&M)>" + std::to_string(IDC_MENU_TEXT),
    };
    EXPECT_EQ(expectedLabels, labelled);
    // The verb before its menu text, as they stand side by side.
    const std::vector<WORD> expectedTabs = {IDC_QUOTE_FILE_NAME, IDC_COMMAND_LINE, IDC_SET_DEFAULT_VERB,
                                            IDC_VERB, IDC_MENU_TEXT, IDC_RUN_AFTER};
    EXPECT_EQ(expectedTabs, tabStops);
}
