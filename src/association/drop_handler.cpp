#include "association/drop_handler.h"

#include <windows.h>
#include <shellapi.h>

#include <string.h>

#include "association/association_dialog.h"
#include "association/association_store.h"
#include "association/message_box.h"
#include "association/refused_extension.h"
#include "path/bounded_text.h"
#include "path/sjis_path.h"

static const char kNotFoundCaption[] = "ファイルが見つかりません";
static const char kNotFoundText[] =
    "ドロップされたファイルが見つからないため、関連づけを行うことはできません。";
static const char kDirectoryCaption[] = "ディレクトリがドロップされました";
static const char kDirectoryText[] =
    "現在のバージョンでは、ディレクトリに関連づけを行うことはできません。";
static const char kSpecialCaption[] = "特殊な拡張子への関連づけ";
static const char kSpecialText[] =
    "現在のバージョンでは、拡張子 exe, com, lnk に関連づけを行うことはできません。";
static const char kNoExtensionCaption[] = "拡張子のないファイルがドロップされました";
static const char kNoExtensionText[] =
    "拡張子のないファイルには、関連づけを行うことはできません。\n\n"
    "関連づけは拡張子ごとに行うため、拡張子 (.txt など) のあるファイルをドロップしてください。";
static const char kNotSavedCaption[] = "関連づけを保存できませんでした";
static const char kRefusedText[] =
    "レジストリへの書き込みが許可されていないため、関連づけを保存できませんでした。"
    "レジストリは何も変更していません。\n\n"
    "このプログラムを管理者として実行してから、もう一度関連づけを行ってください。";
static const char kNotSavedText[] =
    "レジストリに書き込むことができなかったため、関連づけを保存できませんでした。"
    "レジストリは何も変更していません。";
static const char kPartlySavedCaption[] = "関連づけの一部を保存できませんでした";
static const char kPartlySavedText[] =
    "関連づけのコマンドラインは保存しましたが、次のものは保存できませんでした。\n\n%s%s";
static const char kMenuTextPart[] = "・メニューの文字列\n";
static const char kDefaultVerbPart[] = "・標準の動詞の設定 (ダブルクリックでは、これまでの動詞が使われます)\n";
static const char kUserChoiceCaption[] = "ダブルクリックで開くプログラム";
static const char kUserChoiceText[] =
    "関連づけを保存しました。ただし、この種類のファイルをダブルクリックしたときは、"
    "これまでどおり Windows の設定で選ばれているプログラムが開きます。\n\n"
    "ダブルクリックで開くプログラムは、Windows の「設定」→「アプリ」→「既定のアプリ」で変更できます。";

// 1 when the file may be associated; otherwise the user has been told why not.
static int AcceptDroppedPath(const char* path, const char* extension)
{
    DWORD attributes = GetFileAttributesA(path);
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        ShowMessage(NULL, kNotFoundCaption, kNotFoundText, MB_OK);
        return 0;
    }
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
        ShowMessage(NULL, kDirectoryCaption, kDirectoryText, MB_OK);
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

// The program now associated with the file, or nothing.
static void FindCurrentProgram(const char* path, char* program)
{
    // The buffer's contents are not defined when nothing is found.
    if ((INT_PTR)FindExecutableA(path, NULL, program) <= 32) {
        program[0] = '\0';
    }
    TerminateText(program, MAX_PATH);
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
static void ExplainUserChoice(const char* extension, const char* writtenType)
{
    char progId[ASSOC_TEXT_SIZE];
    if (ReadUserChoice(extension, progId) && lstrcmpiA(progId, writtenType) != 0) {
        ShowMessage(NULL, kUserChoiceCaption, kUserChoiceText, MB_OK);
    }
}

void HandleDroppedFile(const char* path)
{
    const char* extension = FindExtension(path);
    if (!AcceptDroppedPath(path, extension)) {
        return;
    }
    AssocRequest request;
    memset(&request, 0, sizeof(request));
    request.runAfter = 1;
    request.quoteFileName = 1;
    request.setDefaultVerb = 0;
    FindCurrentProgram(path, request.commandLine);
    ReadCurrentAssociation(extension, &request);
    if (!RunAssociationDialog(NULL, &request, extension)) {
        return;
    }
    AssocWriteReport report;
    if (!WriteAssociation(extension, request, &report)) {
        TellNotSaved(report.refused);
        return;
    }
    TellPartlySaved(&report);
    if (request.setDefaultVerb) {
        ExplainUserChoice(extension, report.type);
    }
    if (request.runAfter) {
        ShellExecuteA(NULL, NULL, path, NULL, NULL, SW_SHOWNORMAL);
    }
}
