// STUB
#include "association/save_overrides.h"
const char kOverrideCaption[] = "stub";
unsigned FindSaveOverrides(const char*, const char*) { return 0; }
int ComposeOverrideQuestion(unsigned, char* text, size_t) { text[0] = 0; return 1; }
