// Checks the path scanners on arbitrary bytes against a reference that walks
// the string forwards once, remembering the character boundaries.
#include "common/bounded_text.h"
#include "path/sjis_path.h"

#include <stdint.h>
#include <stdlib.h>
#include <string.h>

static int IsLead(unsigned char b)
{
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

static int IsTrail(unsigned char b)
{
    return b >= 0x40 && b <= 0xFC && b != 0x7F;
}

// Kinds of every byte, computed in one forward pass.
static void ReferenceKinds(const char* text, size_t length, int* kinds)
{
    int previous = 0;
    for (size_t i = 0; i < length; ++i) {
        unsigned char b = (unsigned char)text[i];
        int kind = previous == 1 ? (IsTrail(b) ? 2 : 0) : (IsLead(b) ? 1 : 0);
        kinds[i] = kind;
        previous = kind;
    }
}

static void Check(int condition)
{
    if (!condition) {
        abort();
    }
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    size_t length = strnlen((const char*)data, size);
    // An exact-size heap copy lets AddressSanitizer catch any read past the terminator.
    char* text = (char*)malloc(length + 1);
    memcpy(text, data, length);
    text[length] = '\0';
    int* kinds = (int*)malloc((length + 1) * sizeof(int));
    ReferenceKinds(text, length, kinds);

    size_t lastSeparator = (size_t)-1;
    size_t lastDot = (size_t)-1;
    for (size_t i = 0; i < length; ++i) {
        Check(GetSjisByteKind(text, i) == kinds[i]);
        int separator = text[i] == '\\' && kinds[i] == 0;
        Check(IsPathSeparatorAt(text, i) == separator);
        if (separator) {
            lastSeparator = i;
            lastDot = (size_t)-1;
        } else if (text[i] == '.') {
            lastDot = i;
        }
    }
    Check(GetSjisByteKind(text, length) == 0);
    Check(GetSjisByteKind(text, length + 7) == 0);
    Check(StringEnd(text) == length);

    size_t extension = lastDot != (size_t)-1 ? lastDot : length;
    Check(FindExtension(text) == text + extension);

    char* name = SplitFileName(text);
    if (lastSeparator == (size_t)-1) {
        Check(name == text && StringEnd(text) == length);
    } else {
        Check(name == text + lastSeparator + 1);
        Check(StringEnd(text) == lastSeparator);
        Check(memcmp(text, data, lastSeparator) == 0);
    }

    char small[16];
    int fitted = CopyText(small, sizeof(small), (const char*)name);
    Check(strlen(small) < sizeof(small));
    Check(fitted == (strlen(name) < sizeof(small)));

    free(kinds);
    free(text);
    return 0;
}
