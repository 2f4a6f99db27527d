#include "association/dialog/ok_record.h"

#include "common/code_page_text.h"
#include "resources/resource_ids.h"

// The button's own message: IsDlgButtonChecked would be one more import.
int IsBoxChecked(HWND dialog, int id)
{
    return SendDlgItemMessageA(dialog, id, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

int IsEditTyped(HWND dialog, int id)
{
    return SendDlgItemMessageA(dialog, id, EM_GETMODIFY, 0, 0) != 0;
}

void ReadOkRecord(HWND dialog, int menuIsDefault, int commandIsBuilt, OkRecord* record)
{
    record->runAfter = IsBoxChecked(dialog, IDC_RUN_AFTER);
    record->quoteFileName = IsBoxChecked(dialog, IDC_QUOTE_FILE_NAME);
    record->setDefaultVerb = IsBoxChecked(dialog, IDC_SET_DEFAULT_VERB);
    GetDlgItemTextW(dialog, IDC_VERB, record->verb, ASSOC_TEXT_SIZE);
    GetDlgItemTextW(dialog, IDC_MENU_TEXT, record->menuText, OK_LONG_TEXT_BUFFER);
    GetDlgItemTextW(dialog, IDC_COMMAND_LINE, record->commandLine, OK_LONG_TEXT_BUFFER);
    record->menuTyped = IsEditTyped(dialog, IDC_MENU_TEXT);
    record->commandTyped = IsEditTyped(dialog, IDC_COMMAND_LINE);
    record->menuIsDefault = menuIsDefault;
    record->commandIsBuilt = commandIsBuilt;
}

int CaptureOkRecord(const OkRecord* record, AssocRequest* request)
{
    request->runAfter = record->runAfter;
    request->quoteFileName = record->quoteFileName;
    request->setDefaultVerb = record->setDefaultVerb;
    // What the user left alone is the verb's own, as stored; only a default
    // the dialog offered, and a command it built, are written as shown.
    request->keepMenuText = !record->menuTyped && !record->menuIsDefault;
    request->keepCommand = !record->commandTyped && !record->commandIsBuilt;
    request->commandIsBuilt = !record->commandTyped && record->commandIsBuilt;
    request->menuText[0] = '\0';
    request->commandLine[0] = '\0';
    if (!WideToProgramText(record->verb, request->verb, ASSOC_TEXT_SIZE)) {
        return IDC_VERB;
    }
    if (!request->keepMenuText && !WideToProgramText(record->menuText, request->menuText, ASSOC_LONG_TEXT_SIZE)) {
        return IDC_MENU_TEXT;
    }
    if (!request->keepCommand && !WideToProgramText(record->commandLine, request->commandLine, ASSOC_LONG_TEXT_SIZE)) {
        return IDC_COMMAND_LINE;
    }
    return 0;
}
