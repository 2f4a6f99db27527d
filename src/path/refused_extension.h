// Extensions that are never given an association: programs and shortcuts,
// whose own way of opening must not be replaced.
#ifndef KIVERAN_PATH_REFUSED_EXTENSION_H
#define KIVERAN_PATH_REFUSED_EXTENSION_H

// 1 when extension (with its dot) is .exe, .com or .lnk in any ASCII case.
int IsRefusedExtension(const char* extension);

#endif
