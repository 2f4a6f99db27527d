// STUB
#ifndef KIVERAN_ASSOCIATION_SAVE_OVERRIDES_H
#define KIVERAN_ASSOCIATION_SAVE_OVERRIDES_H
#include <stddef.h>
unsigned FindSaveOverrides(const char* extension, const char* verb);
int ComposeOverrideQuestion(unsigned overrides, char* text, size_t size);
extern const char kOverrideCaption[];
#endif
