#include "path/refused_extension.h"

// Only ASCII letters fold: a double-byte character never equals a letter,
// and its trail byte is compared as the byte it is.
static int EqualsIgnoringAsciiCase(const char* a, const char* b)
{
    for (;; ++a, ++b) {
        unsigned char x = (unsigned char)*a;
        unsigned char y = (unsigned char)*b;
        if (x >= 'A' && x <= 'Z') x = (unsigned char)(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = (unsigned char)(y - 'A' + 'a');
        if (x != y) {
            return 0;
        }
        if (x == '\0') {
            return 1;
        }
    }
}

int IsRefusedExtension(const char* extension)
{
    static const char* const kRefused[] = {".exe", ".com", ".lnk"};
    for (const char* refused : kRefused) {
        if (EqualsIgnoringAsciiCase(extension, refused)) {
            return 1;
        }
    }
    return 0;
}
