// The association dialog's child template, read back from the program's
// resources as the Open dialog will get it.
#include "common/dialog_template.h"
#include "resources/resource_ids.h"

#include <gtest/gtest.h>

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
        {0xFFFF, "STATIC", "ﾒﾆｭｰ(&M)", 117, 5, 26, 8, label},
        {IDC_MENU_TEXT, "EDIT", "", 150, 2, 95, 14, edit},
        {IDC_VERB, "EDIT", "", 40, 2, 70, 14, edit},
        {IDC_RUN_AFTER, "BUTTON", "実行する", 134, 41, 42, 10, check},
    };
    ExpectDialogItems(dialog, rows, sizeof(rows) / sizeof(rows[0]));
}
