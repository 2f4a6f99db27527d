// Names of the registry keys of one association, relative to the class root:
//   EXT                     default value: the file type name
//   TYPE\shell              default value: the default verb
//   TYPE\shell\VERB         default value: the verb's menu text
//   TYPE\shell\VERB\command default value: the command line
// Each composer returns 1 with the name in output (ASSOC_KEY_NAME_SIZE
// bytes), or 0 with output empty when a part is empty or the name does not
// fit: a cut or rootless name would address another key, so the caller
// skips the step instead.
#ifndef KIVERAN_ASSOCIATION_ASSOCIATION_KEYS_H
#define KIVERAN_ASSOCIATION_ASSOCIATION_KEYS_H

#include <stddef.h>

int ComposeExtensionKey(char* output, const char* extension);
int ComposeShellKey(char* output, const char* type);
int ComposeVerbKey(char* output, const char* type, const char* verb);
int ComposeCommandKey(char* output, const char* type, const char* verb);

#endif
