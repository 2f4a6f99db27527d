// The default verb of a file type: the shell reads the default value of
// TYPE\shell as a list of verbs separated by blanks, tabs or commas.
#ifndef KIVERAN_ASSOCIATION_STORE_DEFAULT_VERB_H
#define KIVERAN_ASSOCIATION_STORE_DEFAULT_VERB_H

#include <windows.h>

#include <stddef.h>

// The first verb of list (UTF-16) in code page 932 (verb: ASSOC_TEXT_SIZE
// bytes): 1, or 0 and verb empty when the list holds none or code page 932
// cannot hold the first.
int FirstListedVerb(const WCHAR* list, char* verb);

// The list that makes verb the default: verb first, then the other verbs of
// list (UTF-16, or null), each once, joined by the list's own separator. A
// list of one verb or none is replaced by verb alone. 0 when it does not fit
// in size characters.
int ComposeDefaultVerbList(const WCHAR* list, const char* verb, WCHAR* output, size_t size);

#endif
