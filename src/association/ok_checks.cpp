#include "association/ok_checks.h"

#include "association/assoc_request.h"
#include "association/association_keys.h"
#include "association/save_checks.h"
#include "association/save_overrides.h"
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

// Every refusal at OK: a message owned by the Open dialog, which stays open
// with everything the user chose, and the focus on the field to mend.
int RefuseAtOk(HWND dialog, HWND control, const char* caption, const char* text)
{
    ShowMessage(GetParent(dialog), caption, text, MB_OK);
    // Through the dialog manager, which also selects the edit's text.
    SendMessageA(GetParent(dialog), WM_NEXTDLGCTL, (WPARAM)control, TRUE);
    return 0;
}

// A text the user left alone was shown as it was read; a cut long text
// counts as exact, as it is stored cut.
int AcceptTexts(HWND dialog)
{
    static const int kEdits[] = {IDC_VERB, IDC_MENU_TEXT, IDC_COMMAND_LINE};
    WCHAR wide[ASSOC_TEXT_SIZE];
    char text[2 * ASSOC_TEXT_SIZE];
    for (int id : kEdits) {
        GetDlgItemTextW(dialog, id, wide, ASSOC_TEXT_SIZE);
        int leftAlone = id != IDC_VERB && !SendDlgItemMessageA(dialog, id, EM_GETMODIFY, 0, 0);
        if (!leftAlone && !WideToProgramText(wide, text, sizeof(text))) {
            return RefuseAtOk(dialog, GetDlgItem(dialog, id), kCharactersCaption, kCharactersText);
        }
    }
    return 1;
}

// A verb that cannot name its keys, or cannot be the default, is refused
// while the user can still mend it. 1 when the verb may be saved.
int AcceptVerb(HWND dialog, const char* extension)
{
    char verb[ASSOC_TEXT_SIZE];
    char text[512];  // the longer text takes under 300 bytes
    size_t room = 0;
    GetDlgItemTextA(dialog, IDC_VERB, verb, ASSOC_READ_SIZE);
    int fault = CheckVerbForSaving(extension, verb,
                                   IsDlgButtonChecked(dialog, IDC_SET_DEFAULT_VERB) == BST_CHECKED, &room);
    if (fault == VERB_FAULT_NONE) {
        return 1;
    }
    if (fault == VERB_FAULT_SEPARATOR) {
        CopyText(text, sizeof(text), kVerbSeparatorText);
    } else if (fault == VERB_FAULT_NOT_ONE_WORD) {
        CopyText(text, sizeof(text), kVerbNotOneWordText);
    } else {
        FormatText(text, sizeof(text), kVerbTooLongText, (unsigned)room, (unsigned)(room / 2));
    }
    return RefuseAtOk(dialog, GetDlgItem(dialog, IDC_VERB), kVerbCaption, text);
}

// Values that make Windows use something else than what is saved: the user
// is asked before anything is written. 1 to save.
int AcceptOverrides(HWND dialog, const char* extension)
{
    char verb[ASSOC_TEXT_SIZE];
    char written[ASSOC_TEXT_SIZE];
    char text[SAVE_OVERRIDE_QUESTION_SIZE];
    int setDefault = IsDlgButtonChecked(dialog, IDC_SET_DEFAULT_VERB) == BST_CHECKED;
    GetDlgItemTextA(dialog, IDC_VERB, verb, ASSOC_READ_SIZE);
    if (!FindWrittenVerb(extension, verb, setDefault, written)) {
        return 1;
    }
    unsigned overrides = FindSaveOverrides(extension, written);
    if (overrides == 0 || !ComposeOverrideQuestion(overrides, text, sizeof(text))) {
        return 1;
    }
    if (ShowMessage(GetParent(dialog), kSaveOverrideCaption, text, kSaveOverrideStyle) == IDYES) {
        return 1;
    }
    SendMessageA(GetParent(dialog), WM_NEXTDLGCTL, (WPARAM)GetDlgItem(dialog, IDC_VERB), TRUE);
    return 0;
}

