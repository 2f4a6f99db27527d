// Names of the registry keys of one association, relative to the class root:
//   EXT                     default value: the file type name
//   TYPE\shell              default value: the default verb
//   TYPE\shell\VERB         default value: the verb's menu text
//   TYPE\shell\VERB\command default value: the command line
// Each composer returns 1 with the name in output (ASSOC_KEY_NAME_SIZE
// bytes), or 0 with output empty when a part is empty, the verb is not one
// key name (it holds a backslash) or the name does not fit: a cut, rootless
// or deeper name would address another key, so nothing may be written.
#ifndef KIVERAN_ASSOCIATION_STORE_ASSOCIATION_KEYS_H
#define KIVERAN_ASSOCIATION_STORE_ASSOCIATION_KEYS_H

#include <stddef.h>

int ComposeExtensionKey(char* output, const char* extension);
int ComposeShellKey(char* output, const char* type);
int ComposeVerbKey(char* output, const char* type, const char* verb);
int ComposeCommandKey(char* output, const char* type, const char* verb);

// What keeps a verb the user typed from naming its keys under type.
enum {
    VERB_FAULT_NONE = 0,
    VERB_FAULT_SEPARATOR = 1,  // it holds a backslash, which would nest keys
    VERB_FAULT_TOO_LONG = 2,   // its command key name does not fit
    VERB_FAULT_NOT_ONE_WORD = 3  // made the default, it would be read as a list
};

// The fault of verb (non-empty) under type. VERB_FAULT_TOO_LONG only when a
// shorter verb would fit: when even a one-byte verb does not, the type name
// is at fault, not the verb, and the result is VERB_FAULT_NONE. room, when
// not null, gets the most bytes a verb may have under type (0 when none).
int FindVerbFault(const char* type, const char* verb, size_t* room);

// The shell reads the default value of TYPE\shell as a list of verbs
// separated by blanks, tabs or commas, the first present being the default
// verb. Those three are below 0x40, so never the trail byte of a Shift-JIS
// character: a list is scanned one code unit at a time, in either form.
template <typename Char>
int IsListSeparator(Char c)
{
    return c == ' ' || c == '\t' || c == ',';
}

// The next verb of list: its start, after the separators before it (the
// list's end when none is left), with its length in *length.
template <typename Char>
const Char* NextListedVerb(const Char* list, size_t* length)
{
    while (IsListSeparator(*list)) {
        ++list;
    }
    size_t count = 0;
    while (list[count] != 0 && !IsListSeparator(list[count])) {
        ++count;
    }
    *length = count;
    return list;
}

// 0 when verb holds a blank, a tab or a comma: as the default it would be
// read as a list.
int IsOneVerbWord(const char* verb);

#endif
