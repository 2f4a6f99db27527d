#include "association/dialog/shown_texts.h"

#include "association/command_line.h"
#include "association/dialog/named_file.h"
#include "association/dialog/ok_checks.h"
#include "association/dialog/ok_record.h"
#include "association/dialog/picked_program.h"
#include "association/store/association_reader.h"
#include "common/bounded_text.h"
#include "common/code_page_text.h"
#include "common/packed_text.h"
#include "common/same_name.h"
#include "resources/resource_ids.h"

// Offered only for a new open verb: an existing verb without a menu text
// keeps none, and the shell shows its own label for it.
static const char kDefaultMenuText[] PACKED_TEXT = "開く(&O)";

DialogSession* GetSession(HWND dialog)
{
    return (DialogSession*)GetWindowLongPtrA(dialog, DWLP_USER);
}

void SetLastProgram(DialogSession* session, const WCHAR* program)
{
    lstrcpynW(session->lastProgram, program, MAX_PATH);
    session->lastProgramLong[0] = L'\0';
}

static int IsEmpty(HWND dialog, int id)
{
    WCHAR first[2];
    return GetDlgItemTextW(dialog, id, first, 2) == 0;
}

static int IsLastProgram(DialogSession* session, const WCHAR* path)
{
    WCHAR longPath[MAX_PATH];
    GetLongForm(path, longPath);
    // Worked out at the first comparison: the dialog does not wait for it,
    // and a dialog cancelled at once never needs it.
    if (session->lastProgramLong[0] == L'\0') {
        GetLongForm(session->lastProgram, session->lastProgramLong);
    }
    return IsSameName(longPath, session->lastProgramLong);
}

// Writes IDC_COMMAND_LINE for the program at picked (a shortcut gives its
// target). The edit never shows a substituted or cut path: what cannot be
// had that way leaves it as it was, with a warning beep.
static int WriteCommandFor(HWND dialog, const WCHAR* picked)
{
    DialogSession* session = GetSession(dialog);
    char program[MAX_PATH];
    char command[ASSOC_LONG_TEXT_SIZE];
    int fault = ResolvePickedProgram(picked, program);
    int quote = IsBoxChecked(dialog, IDC_QUOTE_FILE_NAME);
    if (fault != PICKED_PROGRAM_OK) {
        // OK will say why this file gives no command.
        MessageBeep(MB_ICONEXCLAMATION);
        return fault;
    }
    FormatCommandLine(command, sizeof(command), program, quote);
    SetDlgItemTextA(dialog, IDC_COMMAND_LINE, command);
    SendDlgItemMessageA(dialog, IDC_COMMAND_LINE, EM_SETMODIFY, FALSE, 0);
    session->commandIsBuilt = 1;
    SetLastProgram(session, picked);
    return fault;
}

// With no file named (the dialog has just opened, or a folder without a
// path is shown) the command stays as it is.
void RefreshCommandLine(HWND dialog)
{
    WCHAR picked[MAX_PATH];
    if (GetNamedFile(GetParent(dialog), NULL, picked)) {
        WriteCommandFor(dialog, picked);
    }
}

void OnSelectionChange(HWND dialog)
{
    WCHAR picked[MAX_PATH];
    DialogSession* session = GetSession(dialog);
    // Wine's dialog selects the file it opens with before it shows itself:
    // no user has chosen anything yet.
    if (IsWindowVisible(GetParent(dialog)) && GetNamedFile(GetParent(dialog), NULL, picked)
        && (IsEditTyped(dialog, IDC_COMMAND_LINE) || IsEmpty(dialog, IDC_COMMAND_LINE)
            || !IsLastProgram(session, picked))) {
        WriteCommandFor(dialog, picked);
    }
}

// A stored text as it is, in UTF-16; a value that is no text shows as none.
static void ShowStoredText(HWND dialog, int id, const RegText* stored)
{
    if (stored->text != NULL && IsStringType(stored->type)) {
        SetDlgItemTextW(dialog, id, stored->text);
    } else {
        SetDlgItemTextA(dialog, id, "");
    }
}

void ShowVerbTexts(HWND dialog)
{
    DialogSession* session = GetSession(dialog);
    WCHAR typed[ASSOC_TEXT_SIZE];
    char verb[ASSOC_TEXT_SIZE];
    VerbTexts texts;
    GetDlgItemTextW(dialog, IDC_VERB, typed, ASSOC_TEXT_SIZE);
    // A verb that code page 932 cannot hold names no key; OK says so.
    if (!WideToProgramText(typed, verb, sizeof(verb))) {
        return;
    }
    int setDefault = IsBoxChecked(dialog, IDC_SET_DEFAULT_VERB);
    if (ReadVerbTexts(session->extension, verb, setDefault, &texts)
        && (session->shownVerb[0] == '\0' || !IsSameProgramName(texts.verb, session->shownVerb))) {
        CopyText(session->shownVerb, sizeof(session->shownVerb), texts.verb);
        if (!IsEditTyped(dialog, IDC_MENU_TEXT)) {
            session->menuIsDefault = texts.offersDefaultMenu;
            if (session->menuIsDefault) {
                SetDlgItemTextA(dialog, IDC_MENU_TEXT, kDefaultMenuText);
            } else {
                ShowStoredText(dialog, IDC_MENU_TEXT, &texts.menuText);
            }
        }
        if (!IsEditTyped(dialog, IDC_COMMAND_LINE) && !session->commandIsBuilt) {
            ShowStoredText(dialog, IDC_COMMAND_LINE, &texts.command);
        }
    }
    FreeVerbTexts(&texts);
}

int BuildCommandIfDue(HWND dialog, const OPENFILENAMEA* record)
{
    DialogSession* session = GetSession(dialog);
    WCHAR named[MAX_PATH];
    if (IsEditTyped(dialog, IDC_COMMAND_LINE)) {
        return 1;
    }
    int empty = IsEmpty(dialog, IDC_COMMAND_LINE);
    // Not the record's lpstrFile: the dialog's A answer may be substituted.
    int fault = PICKED_NAME_NOT_CONVERTIBLE;
    if (GetNamedFile(GetParent(dialog), record->lpstrFile, named)) {
        // A stored command stays when the box still names its program, even
        // one that is gone.
        int kept = !empty && (IsLastProgram(session, named)
                              || (!session->commandIsBuilt && GetFileAttributesW(named) == INVALID_FILE_ATTRIBUTES
                                  && IsSameName(FindFileName(named), FindFileName(session->lastProgram))));
        fault = kept ? PICKED_PROGRAM_OK : WriteCommandFor(dialog, named);
    }
    if (fault != PICKED_PROGRAM_OK) {
        char text[512];
        DescribePickedProgramFault(fault, text, sizeof(text));
        return RefuseAtOk(dialog, GetFileNameBox(GetParent(dialog)), kPickedProgramCaption, text);
    }
    return 1;
}

