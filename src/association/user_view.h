// The per-user keys of the fallback: in the merged view their values
// replace the machine's, so a new one gets the machine's values first.
#ifndef KIVERAN_ASSOCIATION_USER_VIEW_H
#define KIVERAN_ASSOCIATION_USER_VIEW_H

#include "association/layout_names.h"

// For the levels up to last that are not in existing (one bit a level) and
// so were just made among the user's classes: the type's key and its shell
// key get the values of the machine's key of the same name. 1 when done.
int KeepUserView(const LayoutNames* names, int last, unsigned existing);

#endif
