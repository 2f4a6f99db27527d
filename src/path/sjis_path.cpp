#include "path/sjis_path.h"

int IsSjisLeadByte(unsigned char byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

static int IsTrailByte(unsigned char b)
{
    return b >= 0x40 && b <= 0xFC && b != 0x7F;
}

static int NextKind(int previous, unsigned char b)
{
    if (previous == SJIS_LEAD_BYTE) {
        // A byte that cannot be a trail byte stands alone; it is not
        // reconsidered as the lead byte of a new character.
        return IsTrailByte(b) ? SJIS_TRAIL_BYTE : SJIS_SINGLE_BYTE;
    }
    return IsSjisLeadByte(b) ? SJIS_LEAD_BYTE : SJIS_SINGLE_BYTE;
}

int GetSjisByteKind(const char* text, size_t index)
{
    int kind = SJIS_SINGLE_BYTE;
    for (size_t i = 0; text[i] != '\0'; ++i) {
        kind = NextKind(kind, (unsigned char)text[i]);
        if (i == index) {
            return kind;
        }
    }
    return SJIS_SINGLE_BYTE;
}

int IsPathSeparatorAt(const char* text, size_t index)
{
    return text[index] == '\\' && GetSjisByteKind(text, index) == SJIS_SINGLE_BYTE;
}

int HasPathSeparator(const char* text)
{
    int kind = SJIS_SINGLE_BYTE;
    for (size_t i = 0; text[i] != '\0'; ++i) {
        kind = NextKind(kind, (unsigned char)text[i]);
        if (text[i] == '\\' && kind == SJIS_SINGLE_BYTE) {
            return 1;
        }
    }
    return 0;
}

size_t StringEnd(const char* text)
{
    size_t end = 0;
    while (text[end] != '\0') {
        ++end;
    }
    return end;
}

const char* FindExtension(const char* path)
{
    size_t end = StringEnd(path);
    for (size_t i = end + 1; i-- > 0;) {
        if (IsPathSeparatorAt(path, i)) {
            return path + end;
        }
        // A dot is below 0x40 and so can never be a trail byte.
        if (path[i] == '.') {
            return path + i;
        }
    }
    return path + end;
}

char* SplitFileName(char* path)
{
    size_t end = StringEnd(path);
    for (size_t i = end + 1; i-- > 0;) {
        if (IsPathSeparatorAt(path, i)) {
            path[i] = '\0';
            return path + i + 1;
        }
    }
    return path;
}
