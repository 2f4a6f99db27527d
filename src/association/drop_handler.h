// One dropped file, from checking its path to having it opened.
#ifndef KIVERAN_ASSOCIATION_DROP_HANDLER_H
#define KIVERAN_ASSOCIATION_DROP_HANDLER_H

// Runs the whole association for the file at path (a full path of at most
// 259 bytes, or empty when the argument could not be resolved).
void HandleDroppedFile(const char* path);

#endif
