#include "association/dialog/ok_checks.h"

#include "association/store/association_keys.h"
#include "association/store/save_overrides.h"
#include "association/store/save_plan.h"
#include "common/bounded_text.h"
#include "common/code_page_text.h"
#include "common/message_box.h"
#include "resources/resource_ids.h"

static const char kVerbCaption[] = "この動詞は使えません";
static const char kVerbSeparatorText[] =
    "動詞に「\\」を含めることはできません。\n\n"
    "動詞はレジストリのキーの名前になるため、「\\」があると別のキーを書き換えてしまいます。"
    "「\\」を取り除いてから、もう一度「OK」を押してください。";
static const char kVerbTooLongText[] =
    "動詞が長すぎます。\n\n"
    "動詞はレジストリのキーの名前になるため、この種類のファイルでは半角 %u 文字 (全角 %u 文字) までです。"
    "動詞を短くしてから、もう一度「OK」を押してください。";
static const char kVerbNotOneWordText[] =
    "標準の動詞には、空白や「,」を使えません。\n\n"
    "Windows は標準の動詞を空白や「,」で区切った並びとして読み、最初の語だけを使います。"
    "空白と「,」を取り除くか、「標準の動詞に設定」を外してから、もう一度「OK」を押してください。";

static const char kCharactersCaption[] = "使えない文字があります";
static const char kCharactersText[] =
    "この欄に、日本語の Windows の文字コードにない文字があります。"
    "保存すると別の文字に置き換わってしまいます。\n\n"
    "その文字を取り除いてから、もう一度「OK」を押してください。";

static const char kTooLongCaption[] = "長すぎる文字列があります";
static const char kTooLongText[] =
    "%sが長すぎます。保存できるのは %u 文字までです。\n\n"
    "短くしてから、もう一度「OK」を押してください。";

static const char kEmptyCommandCaption[] = "コマンドラインが空です";
static const char kEmptyCommandText[] =
    "コマンドラインが空では、この種類のファイルを開けなくなります。\n\n"
    "プログラムを一覧から選ぶか、コマンドラインを入力してから、もう一度「OK」を押してください。";

static int Found(OkFault* fault, int code, int control)
{
    fault->code = code;
    fault->control = control;
    return 1;
}

// A typed text must be saved as typed: whole, and in code page 932.
static int FindTextFault(const WCHAR* text, int typed, int control, OkFault* fault)
{
    char converted[ASSOC_LONG_TEXT_SIZE];
    if (!typed) {
        return 0;
    }
    if (lstrlenW(text) > ASSOC_LONG_TEXT_CHARS) {
        return Found(fault, OK_FAULT_TOO_LONG, control);
    }
    return !WideToProgramText(text, converted, sizeof(converted)) && Found(fault, OK_FAULT_CHARACTERS, control);
}

int FindOkFault(const OkRecord* record, const char* extension, OkFault* fault)
{
    char verb[ASSOC_TEXT_SIZE];
    fault->code = OK_FAULT_NONE;
    fault->control = 0;
    fault->verbFault = VERB_FAULT_NONE;
    fault->room = 0;
    if (!WideToProgramText(record->verb, verb, sizeof(verb))) {
        return Found(fault, OK_FAULT_CHARACTERS, IDC_VERB);
    }
    if (FindTextFault(record->menuText, record->menuTyped, IDC_MENU_TEXT, fault)
        || FindTextFault(record->commandLine, record->commandTyped, IDC_COMMAND_LINE, fault)) {
        return 1;
    }
    fault->verbFault = CheckVerbForSaving(extension, verb, record->setDefaultVerb, &fault->room);
    if (fault->verbFault != VERB_FAULT_NONE) {
        return Found(fault, OK_FAULT_VERB, IDC_VERB);
    }
    return record->commandLine[0] == L'\0' && Found(fault, OK_FAULT_EMPTY_COMMAND, IDC_COMMAND_LINE);
}

const char* DescribeOkFault(const OkFault* fault, char* text, size_t size)
{
    text[0] = '\0';
    switch (fault->code) {
    case OK_FAULT_CHARACTERS:
        CopyText(text, size, kCharactersText);
        return kCharactersCaption;
    case OK_FAULT_TOO_LONG:
        FormatText(text, size, kTooLongText, fault->control == IDC_MENU_TEXT ? "メニューの文字列" : "コマンドライン",
                   (unsigned)ASSOC_LONG_TEXT_CHARS);
        return kTooLongCaption;
    case OK_FAULT_VERB:
        if (fault->verbFault == VERB_FAULT_SEPARATOR) {
            CopyText(text, size, kVerbSeparatorText);
        } else if (fault->verbFault == VERB_FAULT_NOT_ONE_WORD) {
            CopyText(text, size, kVerbNotOneWordText);
        } else {
            FormatText(text, size, kVerbTooLongText, (unsigned)fault->room, (unsigned)(fault->room / 2));
        }
        return kVerbCaption;
    case OK_FAULT_EMPTY_COMMAND:
        CopyText(text, size, kEmptyCommandText);
        return kEmptyCommandCaption;
    }
    return "";
}

int RefuseAtOk(HWND dialog, HWND control, const char* caption, const char* text)
{
    ShowMessage(GetParent(dialog), caption, text, MB_OK);
    // Through the dialog manager, which also selects the edit's text.
    SendMessageA(GetParent(dialog), WM_NEXTDLGCTL, (WPARAM)control, TRUE);
    return 0;
}

int AcceptOverrides(HWND dialog, const OkRecord* record, const char* extension)
{
    char verb[ASSOC_TEXT_SIZE];
    char text[SAVE_OVERRIDE_QUESTION_SIZE];
    SavePlan plan;
    if (!WideToProgramText(record->verb, verb, sizeof(verb)) || !PlanSave(extension, verb, record->setDefaultVerb, &plan)) {
        return 1;
    }
    unsigned overrides = FindSaveOverrides(&plan);
    if (overrides == 0 || !ComposeOverrideQuestion(overrides, text, sizeof(text))) {
        return 1;
    }
    if (ShowMessage(GetParent(dialog), kSaveOverrideCaption, text, kSaveOverrideStyle) == IDYES) {
        return 1;
    }
    SendMessageA(GetParent(dialog), WM_NEXTDLGCTL, (WPARAM)GetDlgItem(dialog, IDC_VERB), TRUE);
    return 0;
}
