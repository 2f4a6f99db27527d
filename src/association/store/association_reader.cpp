#include "association/store/association_reader.h"

#include <string.h>

#include "association/store/save_plan.h"
#include "common/bounded_text.h"
#include "common/same_name.h"

int ReadCurrentAssociation(const char* extension, AssocRequest* request)
{
    SavePlan plan;
    request->menuText[0] = '\0';
    CopyText(request->verb, ASSOC_TEXT_SIZE, kDefaultVerb);
    // No extension names no key: only the defaults apply.
    if (extension == NULL || extension[0] == '\0') {
        return 1;
    }
    if (!PlanSave(extension, "", 0, &plan)) {
        return 0;
    }
    CopyText(request->verb, ASSOC_TEXT_SIZE, plan.shownDefault);
    return 1;
}

int ReadVerbTexts(const char* extension, const char* verb, int setDefault, VerbTexts* texts)
{
    SavePlan plan;
    memset(texts, 0, sizeof(*texts));
    if (!PlanSave(extension, verb, setDefault, &plan) || plan.readCommandKey[0] == '\0') {
        return 0;
    }
    CopyText(texts->verb, ASSOC_TEXT_SIZE, plan.verb);
    texts->exists = plan.verbExists;
    texts->offersDefaultMenu = !plan.verbExists && IsSameProgramName(plan.verb, kDefaultVerb);
    ReadRegText(HKEY_CLASSES_ROOT, plan.readVerbKey, &texts->menuText);
    ReadRegText(HKEY_CLASSES_ROOT, plan.readCommandKey, &texts->command);
    return 1;
}

void FreeVerbTexts(VerbTexts* texts)
{
    FreeRegText(&texts->menuText);
    FreeRegText(&texts->command);
}
