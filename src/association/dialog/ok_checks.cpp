#include "association/dialog/ok_checks.h"

#include "association/store/association_keys.h"
#include "association/store/save_overrides.h"
#include "association/store/save_plan.h"
#include "common/bounded_text.h"
#include "common/code_page_text.h"
#include "common/message_box.h"
#include "common/packed_text.h"
#include "path/sjis_path.h"
#include "resources/resource_ids.h"

static const char kVerbCaption[] PACKED_TEXT = "この動詞は使えません";
static const char kVerbSeparatorText[] PACKED_TEXT =
    "動詞に「\\」を含めることはできません。\n\n"
    "動詞はレジストリのキーの名前になるため、「\\」があると別のキーを書き換えてしまいます。"
    "「\\」を取り除いてから";
static const char kVerbTooLongText[] PACKED_TEXT =
    "動詞が長すぎます。\n\n"
    "動詞はレジストリのキーの名前になるため、この種類のファイルでは半角 %u 文字 (全角 %u 文字) までです。"
    "動詞を短くしてから";
static const char kVerbNotOneWordText[] PACKED_TEXT =
    "標準の動詞には、空白や「,」を使えません。\n\n"
    "Windows は標準の動詞を空白や「,」で区切った並びとして読み、最初の語だけを使います。"
    "空白と「,」を取り除くか、「標準の動詞に設定」を外してから";

static const char kCharactersCaption[] PACKED_TEXT = "使えない文字があります";
static const char kCharactersText[] PACKED_TEXT =
    "この欄に、日本語の Windows の文字コードにない文字があります。"
    "保存すると別の文字に置き換わってしまいます。\n\n"
    "その文字を取り除いてから";

static const char kTooLongCaption[] PACKED_TEXT = "長すぎる文字列があります";
static const char kTooLongText[] PACKED_TEXT =
    "%sが長すぎます。保存できるのは %u 文字までです。\n\n"
    "短くしてから";

static const char kEmptyCommandCaption[] PACKED_TEXT = "コマンドラインが空です";
static const char kEmptyCommandText[] PACKED_TEXT =
    "コマンドラインが空では、この種類のファイルを開けなくなります。\n\n"
    "プログラムを一覧から選ぶか、コマンドラインを入力してから";
// Every text above ends with what to do before pressing OK again.
static const char kOkAgain[] PACKED_TEXT = "、もう一度「OK」を押してください。";

static int Found(OkFault* fault, int code, int control)
{
    fault->code = code;
    fault->control = control;
    return 1;
}

int FindOkFault(const OkRecord* record, const char* extension, AssocRequest* request, OkFault* fault)
{
    // Room for a verb of double-byte characters that is too long to be one.
    char verb[2 * ASSOC_TEXT_SIZE];
    fault->code = OK_FAULT_NONE;
    fault->control = 0;
    fault->verbFault = VERB_FAULT_NONE;
    fault->room = 0;
    if (!WideToProgramText(record->verb, verb, sizeof(verb))) {
        return Found(fault, OK_FAULT_CHARACTERS, IDC_VERB);
    }
    fault->verbFault = CheckVerbForSaving(extension, verb, record->setDefaultVerb, &fault->room);
    if (fault->verbFault != VERB_FAULT_NONE) {
        return Found(fault, OK_FAULT_VERB, IDC_VERB);
    }
    // A typed text must be saved as typed: whole, and in code page 932.
    if (record->menuTyped && lstrlenW(record->menuText) > ASSOC_LONG_TEXT_CHARS) {
        return Found(fault, OK_FAULT_TOO_LONG, IDC_MENU_TEXT);
    }
    if (record->commandTyped && lstrlenW(record->commandLine) > ASSOC_LONG_TEXT_CHARS) {
        return Found(fault, OK_FAULT_TOO_LONG, IDC_COMMAND_LINE);
    }
    int control = CaptureOkRecord(record, request);
    if (control != 0) {
        return Found(fault, OK_FAULT_CHARACTERS, control);
    }
    return record->commandLine[0] == L'\0' && Found(fault, OK_FAULT_EMPTY_COMMAND, IDC_COMMAND_LINE);
}

const char* DescribeOkFault(const OkFault* fault, char* text, size_t size)
{
    const char* caption = "";
    text[0] = '\0';
    switch (fault->code) {
    case OK_FAULT_CHARACTERS:
        CopyText(text, size, kCharactersText);
        caption = kCharactersCaption;
        break;
    case OK_FAULT_TOO_LONG:
        FormatText(text, size, kTooLongText, fault->control == IDC_MENU_TEXT ? "メニューの文字列" : "コマンドライン",
                   (unsigned)ASSOC_LONG_TEXT_CHARS);
        caption = kTooLongCaption;
        break;
    case OK_FAULT_VERB:
        if (fault->verbFault == VERB_FAULT_SEPARATOR) {
            CopyText(text, size, kVerbSeparatorText);
        } else if (fault->verbFault == VERB_FAULT_NOT_ONE_WORD) {
            CopyText(text, size, kVerbNotOneWordText);
        } else {
            FormatText(text, size, kVerbTooLongText, (unsigned)fault->room, (unsigned)(fault->room / 2));
        }
        caption = kVerbCaption;
        break;
    case OK_FAULT_EMPTY_COMMAND:
        CopyText(text, size, kEmptyCommandText);
        caption = kEmptyCommandCaption;
        break;
    }
    size_t used = StringEnd(text);
    if (used > 0) {
        CopyText(text + used, size - used, kOkAgain);
    }
    return caption;
}

int RefuseAtOk(HWND dialog, HWND control, const char* caption, const char* text)
{
    ShowMessage(GetParent(dialog), caption, text, MB_OK);
    // Through the dialog manager, which also selects the edit's text.
    SendMessageA(GetParent(dialog), WM_NEXTDLGCTL, (WPARAM)control, TRUE);
    return 0;
}

int AcceptOverrides(HWND dialog, const AssocRequest* request, const char* extension)
{
    char text[SAVE_OVERRIDE_QUESTION_SIZE];
    SavePlan plan;
    if (!PlanSave(extension, request->verb, request->setDefaultVerb, &plan)) {
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
