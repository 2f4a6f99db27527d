// Values that make Windows use something else than what a save writes: put
// in a verb's keys by whoever registered the file type, and left as they are.
#ifndef KIVERAN_ASSOCIATION_STORE_SAVE_OVERRIDES_H
#define KIVERAN_ASSOCIATION_STORE_SAVE_OVERRIDES_H

#include <windows.h>

#include <stddef.h>

#include "association/store/save_plan.h"

enum {
    SAVE_OVERRIDE_COMMAND = 1,    // a handler runs instead of the command line
    SAVE_OVERRIDE_MENU_TEXT = 2,  // MUIVerb is shown instead of the menu text
    SAVE_OVERRIDE_HIDDEN = 4,     // the verb is not shown
    SAVE_OVERRIDE_EXTENDED = 8    // the verb is shown only with Shift held
};

// The SAVE_OVERRIDE_ bits for the save planned, read from the verb and
// command keys where the writer will write them. A new per-user key hides
// the machine's values but not its subkeys, so a DropTarget counts wherever
// it is. Only reads.
unsigned FindSaveOverrides(const SavePlan* plan);

// The question to ask before such a save: what the user will not see, why,
// what helps, and whether to save anyway. Asked with kSaveOverrideStyle
// (no icon; "いいえ", the default button, goes back to the dialog).
extern const char kSaveOverrideCaption[];
extern const UINT kSaveOverrideStyle;
enum { SAVE_OVERRIDE_QUESTION_SIZE = 1024 };
// 1 with the question for overrides in text (size bytes), or 0 with text
// empty when overrides is 0 or the text does not fit.
int ComposeOverrideQuestion(unsigned overrides, char* text, size_t size);

#endif
