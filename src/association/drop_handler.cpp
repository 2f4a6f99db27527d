#include "association/drop_handler.h"

#include <windows.h>
#include <shellapi.h>

#include <string.h>

#include "association/dialog/association_dialog.h"
#include "association/store/association_reader.h"
#include "association/store/association_writer.h"
#include "association/store/default_app.h"
#include "common/message_box.h"
#include "common/packed_text.h"
#include "path/refused_extension.h"
#include "common/code_page_text.h"
#include "common/bounded_text.h"
#include "common/desktop_open.h"

// Any extension of a path of up to 259 characters, each at most two bytes
// in code page 932, fits with its NUL.
enum { EXTENSION_SIZE = 2 * MAX_PATH };

static const char kNotFoundCaption[] PACKED_TEXT = "ファイルが見つかりません";
static const char kNotFoundText[] PACKED_TEXT =
    "ドロップされたファイルが見つからないため、関連づけを行うことはできません。";
static const char kDirectoryCaption[] PACKED_TEXT = "ディレクトリがドロップされました";
static const char kDirectoryText[] PACKED_TEXT =
    "現在のバージョンでは、ディレクトリに関連づけを行うことはできません。";
static const char kForeignExtensionCaption[] PACKED_TEXT = "拡張子に扱えない文字があります";
static const char kForeignExtensionText[] PACKED_TEXT =
    "ドロップされたファイルの拡張子には、このプログラムでは扱えない文字 (日本語の Windows の"
    "文字コードにない文字) が含まれているため、関連づけを行うことはできません。";
static const char kSpecialCaption[] PACKED_TEXT = "特殊な拡張子への関連づけ";
static const char kSpecialText[] PACKED_TEXT =
    "現在のバージョンでは、拡張子 exe, com, lnk に関連づけを行うことはできません。";
static const char kNoExtensionCaption[] PACKED_TEXT = "拡張子のないファイルがドロップされました";
static const char kNoExtensionText[] PACKED_TEXT =
    "拡張子のないファイルには、関連づけを行うことはできません。\n\n"
    "関連づけは拡張子ごとに行うため、拡張子 (.txt など) のあるファイルをドロップしてください。";
static const char kForeignTypeCaption[] PACKED_TEXT = "ファイルの種類の名前に扱えない文字があります";
static const char kForeignTypeText[] PACKED_TEXT =
    "この拡張子のファイルの種類の名前に、日本語の Windows の文字コードにない文字があるため、"
    "関連づけを行うことはできません。レジストリは何も変更していません。";
static const char kNotSavedCaption[] PACKED_TEXT = "関連づけを保存できませんでした";
static const char kRefusedText[] PACKED_TEXT =
    "レジストリへの書き込みが許可されていないため、関連づけを保存できませんでした。"
    "レジストリは何も変更していません。\n\n"
    "このプログラムを管理者として実行してから、もう一度関連づけを行ってください。";
static const char kNotSavedText[] PACKED_TEXT =
    "レジストリに書き込むことができなかったため、関連づけを保存できませんでした。"
    "レジストリは何も変更していません。";
static const char kPartlySavedCaption[] PACKED_TEXT = "関連づけの一部を保存できませんでした";
static const char kPartlySavedText[] PACKED_TEXT =
    "関連づけのコマンドラインは保存しましたが、次のものは保存できませんでした。\n\n%s%s";
static const char kMenuTextPart[] PACKED_TEXT = "・メニューの文字列\n";
static const char kDefaultVerbPart[] PACKED_TEXT = "・標準の動詞の設定 (ダブルクリックでは、これまでの動詞が使われます)\n";
static const char kUserChoiceCaption[] PACKED_TEXT = "ダブルクリックで開くプログラム";
static const char kUserChoiceText[] PACKED_TEXT =
    "関連づけを保存しました。ただし、この種類のファイルをダブルクリックしたときは、"
    "これまでどおり Windows の設定で選ばれているプログラムが開きます。\n\n"
    "ダブルクリックで開くプログラムは、Windows の「設定」→「アプリ」→「既定のアプリ」で変更できます。";
static const char kWithheldCaption[] PACKED_TEXT = "ファイルを開きませんでした";
static const char kWithheldText[] PACKED_TEXT =
    "関連づけは保存しましたが、管理者の権限で開かれないように、ドロップされたファイルは"
    "開きませんでした。\n\nエクスプローラーから開くことができます。";

// The extension of the long path with its dot, or its end when the last
// name has none. In UTF-16 every backslash separates.
static const WCHAR* FindLongExtension(const WCHAR* path)
{
    const WCHAR* extension = 0;
    const WCHAR* p = path;
    for (; *p != L'\0'; ++p) {
        if (*p == L'\\') {
            extension = 0;
        } else if (*p == L'.') {
            extension = p;
        }
    }
    return extension != 0 ? extension : p;
}

// 1 when the file may be associated, with its extension in code page 932
// (EXTENSION_SIZE bytes); otherwise the user has been told why not. The
// extension is the long name's: a short name cuts it to three characters.
static int AcceptDroppedPath(const WCHAR* path, char* extension)
{
    DWORD attributes = GetFileAttributesW(path);
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        ShowMessage(NULL, kNotFoundCaption, kNotFoundText, MB_OK);
        return 0;
    }
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
        ShowMessage(NULL, kDirectoryCaption, kDirectoryText, MB_OK);
        return 0;
    }
    if (!WideToProgramText(FindLongExtension(path), extension, EXTENSION_SIZE)) {
        ShowMessage(NULL, kForeignExtensionCaption, kForeignExtensionText, MB_OK);
        return 0;
    }
    if (IsRefusedExtension(extension)) {
        ShowMessage(NULL, kSpecialCaption, kSpecialText, MB_OK);
        return 0;
    }
    if (extension[0] == '\0') {
        ShowMessage(NULL, kNoExtensionCaption, kNoExtensionText, MB_OK);
        return 0;
    }
    return 1;
}

// The program now associated with the file, in code page 932: its path
// exactly, else its short form where that converts exactly, else nothing
// (the dialog then opens without a program).
static void FindCurrentProgram(const WCHAR* path, char* program)
{
    WCHAR found[MAX_PATH];
    program[0] = '\0';
    if ((INT_PTR)FindExecutableW(path, NULL, found) <= 32) {
        return;
    }
    // Terminated whatever the shell left in the buffer's last character.
    found[MAX_PATH - 1] = L'\0';
    WideToProgramPath(found, program);
}

// The association was saved nowhere: say so, and what the user can do.
static void TellNotSaved(int refused)
{
    ShowMessage(NULL, kNotSavedCaption, refused ? kRefusedText : kNotSavedText, MB_OK);
}

// The command was saved, but the menu text or the default verb was not.
static void TellPartlySaved(const AssocWriteReport* report)
{
    char text[512];  // the longest text with both parts takes under 300 bytes
    if (report->menuTextSaved && report->defaultVerbSaved) {
        return;
    }
    if (FormatText(text, sizeof(text), kPartlySavedText, report->menuTextSaved ? "" : kMenuTextPart,
                   report->defaultVerbSaved ? "" : kDefaultVerbPart)) {
        ShowMessage(NULL, kPartlySavedCaption, text, MB_OK);
    }
}

// From Windows 8 on, a program the user chose in Windows' settings decides
// what a double-click opens, whatever the type's default verb says.
static void ExplainUserChoice(const char* extension, const AssocWriteReport* report)
{
    if (report->verbIsDefault && ChoiceNamesAnotherType(extension, report->type)) {
        ShowMessage(NULL, kUserChoiceCaption, kUserChoiceText, MB_OK);
    }
}

void HandleDroppedFile(const WCHAR* path)
{
    char extension[EXTENSION_SIZE];
    if (!AcceptDroppedPath(path, extension)) {
        return;
    }
    AssocRequest request;
    memset(&request, 0, sizeof(request));
    request.runAfter = 1;
    request.quoteFileName = 1;
    request.setDefaultVerb = 0;
    FindCurrentProgram(path, request.commandLine);
    // A substitute of the type's name would send the save to another key.
    if (!ReadCurrentAssociation(extension, &request)) {
        ShowMessage(NULL, kForeignTypeCaption, kForeignTypeText, MB_OK);
        return;
    }
    if (!RunAssociationDialog(NULL, &request, extension)) {
        return;
    }
    AssocWriteReport report;
    if (!WriteAssociation(extension, request, &report)) {
        TellNotSaved(report.refused);
        return;
    }
    TellPartlySaved(&report);
    ExplainUserChoice(extension, &report);
    // Run elevated, the file is opened by the desktop or not at all.
    if (request.runAfter && !OpenFileAsSignedInUser(path)) {
        ShowMessage(NULL, kWithheldCaption, kWithheldText, MB_OK);
    }
}
