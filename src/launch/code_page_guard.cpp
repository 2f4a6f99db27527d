#include "launch/code_page_guard.h"

#include <windows.h>

#include "common/bounded_text.h"
#include "common/code_page_text.h"
#include "common/packed_text.h"

enum {
    UTF8_CODE_PAGE = 65001,
    GUARD_TEXT_SIZE = 1024  // the longest text takes under 700 bytes
};

// Shift-JIS bytes, like every text of the program; converted from code page
// 932 at run time, whatever the system's own is. The English half is ASCII,
// which reads the same in every ANSI code page, and is shown alone when 932
// cannot be converted at all.
static const char kCaption[] PACKED_TEXT = "コード ページが違います / %s";
static const char kEnglishCaption[] PACKED_TEXT = "Unsupported code page";
static const char kText[] PACKED_TEXT =
    "このプログラムは、Windows の日本語の ANSI コード ページ (932) でしか正しく動きません。"
    "このシステムはいまコード ページ %u を使っているため、何もせずに終了します。\n\n%s\n\n%s";
static const char kEnglishText[] PACKED_TEXT =
    "This program needs Windows' Japanese ANSI code page (932). This system now uses code "
    "page %u, so the program ends without doing anything.\n\n%s";
static const char kUtf8Hint[] PACKED_TEXT =
    "「ベータ: ワールドワイド言語サポートで Unicode UTF-8 を使用」をオフにすると、932 に戻ります "
    "(地域の設定 → 管理 → システム ロケールの変更)。";
static const char kUtf8HintEnglish[] PACKED_TEXT =
    "Turning off \"Beta: Use Unicode UTF-8 for worldwide language support\" (Region settings > "
    "Administrative > Change system locale) brings code page 932 back.";
static const char kLocaleHint[] PACKED_TEXT =
    "システム ロケールを「日本語 (日本)」にすると 932 になります "
    "(地域の設定 → 管理 → システム ロケールの変更)。";
static const char kLocaleHintEnglish[] PACKED_TEXT =
    "Setting the system locale to \"Japanese (Japan)\" (Region settings > Administrative > "
    "Change system locale) gives code page 932.";

int RequireJapaneseCodePage(void)
{
    UINT codePage = GetACP();
    if (codePage == PROGRAM_CODE_PAGE) {
        return 1;
    }
    int utf8 = codePage == UTF8_CODE_PAGE;
    char english[GUARD_TEXT_SIZE];
    char text[GUARD_TEXT_SIZE];
    char caption[GUARD_TEXT_SIZE];
    WCHAR wideText[GUARD_TEXT_SIZE] = L"";
    WCHAR wideCaption[GUARD_TEXT_SIZE] = L"";
    FormatText(english, sizeof(english), kEnglishText, codePage, utf8 ? kUtf8HintEnglish : kLocaleHintEnglish);
    int shown = FormatText(text, sizeof(text), kText, codePage, utf8 ? kUtf8Hint : kLocaleHint, english)
                && FormatText(caption, sizeof(caption), kCaption, kEnglishCaption)
                && ProgramTextToWide(text, wideText, GUARD_TEXT_SIZE)
                && ProgramTextToWide(caption, wideCaption, GUARD_TEXT_SIZE);
    if (!shown) {
        ProgramTextToWide(english, wideText, GUARD_TEXT_SIZE, CP_ACP);
        ProgramTextToWide(kEnglishCaption, wideCaption, GUARD_TEXT_SIZE, CP_ACP);
    }
    MessageBeep(MB_OK);
    MessageBoxW(NULL, wideText, wideCaption, MB_OK);
    return 0;
}
