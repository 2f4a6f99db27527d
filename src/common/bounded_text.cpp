#include "common/bounded_text.h"

#include <stdarg.h>
#include <stdio.h>

#include "path/sjis_path.h"

int CopyText(char* output, size_t outputSize, const char* source)
{
    if (output == 0 || outputSize == 0) {
        return source == 0 || source[0] == '\0';
    }
    if (source == 0) {
        output[0] = '\0';
        return 1;
    }
    size_t i = 0;
    while (source[i] != '\0' && i + 1 < outputSize) {
        output[i] = source[i];
        ++i;
    }
    output[i] = '\0';
    if (source[i] == '\0') {
        return 1;
    }
    // Cut: drop a lead byte whose trail byte did not fit.
    if (i > 0 && GetSjisByteKind(output, i - 1) == SJIS_LEAD_BYTE) {
        output[i - 1] = '\0';
    }
    return 0;
}

// On Windows the C runtime's own: -1 when the text does not fit, its length
// (unterminated) when it fills the buffer exactly; MinGW's vsnprintf adds a
// second formatting pass and its own library code around it.
#ifdef _WIN32
#define FormatIntoBuffer _vsnprintf
#else
#define FormatIntoBuffer vsnprintf
#endif

int FormatText(char* output, size_t outputSize, const char* format, ...)
{
    if (output == 0 || outputSize == 0) {
        return 0;
    }
    va_list arguments;
    va_start(arguments, format);
    int needed = FormatIntoBuffer(output, outputSize, format, arguments);
    va_end(arguments);
    if (needed < 0 || (size_t)needed >= outputSize) {
        output[0] = '\0';
        return 0;
    }
    return 1;
}

size_t TerminateText(char* buffer, size_t bufferSize)
{
    if (buffer == 0 || bufferSize == 0) {
        return 0;
    }
    for (size_t i = 0; i < bufferSize; ++i) {
        if (buffer[i] == '\0') {
            return i;
        }
    }
    buffer[bufferSize - 1] = '\0';
    return bufferSize - 1;
}
