// The per-user keys of the fallback: in the merged view a per-user key's
// values replace the machine's, so a new one gets the machine's values first.
#ifndef KIVERAN_ASSOCIATION_STORE_USER_COPY_H
#define KIVERAN_ASSOCIATION_STORE_USER_COPY_H

#include <windows.h>

// Copies every value (not the subkeys) of the machine's key subKey (a name
// relative to the class root) into userKey, just made among the user's
// classes and open for setting values. 1 when the machine has no such key
// or all its values were copied; 0 when one could not be read or written.
// Only the type's key and its shell key are given them: a machine MUIVerb
// or DelegateExecute in a verb or command key would override what the user
// asked for.
int KeepMachineValues(const char* subKey, HKEY userKey);

#endif
