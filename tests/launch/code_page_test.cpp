// The program on a system whose ANSI code page is not 932. This test program
// runs under Wine started in an English UTF-8 locale, which gives code page
// 1252, and the program it starts keeps that code page.
#include "common/registry_helpers.h"
#include "common/window_driver.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::wstring WideText(HWND window)
{
    WCHAR text[2048] = L"";
    DWORD_PTR length = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, 2048, (LPARAM)text, SMTO_NORMAL, 5000, &length);
    return text;
}

bool Holds(const std::wstring& text, const std::wstring& part)
{
    return text.find(part) != std::wstring::npos;
}

}  // namespace

TEST(ForeignCodePage, OneMessageInJapaneseAndEnglishThenTheRunEnds)
{
    ASSERT_EQ(1252u, GetACP()) << "the test must be started under an English locale";
    std::string folder = MakeTempFolder("kvcp");
    std::string dropped = folder + "memo.kvcp";
    WriteFileText(dropped, "x");
    std::string before = SnapshotClassRoot();

    Program program = StartProgram("\"" + BinFolder() + "kiveran.exe\" \"" + dropped + "\"");
    ASSERT_TRUE(program.started);
    HWND box = WaitForAnyWindow(program.info.dwProcessId);
    ASSERT_NE(nullptr, box);
    std::wstring caption = WideText(box);
    std::wstring text = WideText(GetDlgItem(box, 0xFFFF));
    // Read in UTF-16: the Japanese came through whatever the code page.
    EXPECT_TRUE(Holds(caption, L"コード ページ")) << caption.size();
    EXPECT_TRUE(Holds(text, L"日本語の ANSI コード ページ (932)")) << text.size();
    EXPECT_TRUE(Holds(text, L"コード ページ 1252 を使っている"));
    EXPECT_TRUE(Holds(text, L"システム ロケールの変更"));
    EXPECT_TRUE(Holds(text, L"Japanese ANSI code page (932)"));
    EXPECT_TRUE(Holds(text, L"uses code page 1252"));
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(0, FinishProgram(&program));
    // The one message was all: no dialog followed, nothing was written.
    EXPECT_EQ(before, SnapshotClassRoot());
}
