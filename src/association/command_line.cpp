#include "association/command_line.h"

#include <string.h>

#include "common/bounded_text.h"

int FormatCommandLine(char* output, size_t outputSize, const char* programPath, int quote)
{
    const char* format = quote ? "\"%s\" \"%%1\"" : "\"%s\" %%1";
    return FormatText(output, outputSize, format, programPath ? programPath : "");
}

// A name between two percent signs: at least two characters, none that ends
// a command's word ('%' is below 0x40, so never a Shift-JIS trail byte).
static int IsVariableName(const char* start, const char* end)
{
    if (end - start < 2) {
        return 0;
    }
    for (const char* p = start; p < end; ++p) {
        if (*p == ' ' || *p == '\t' || *p == '"' || *p == '\\') {
            return 0;
        }
    }
    return 1;
}

int ReferencesEnvironment(const char* command)
{
    const char* open = command != 0 ? strchr(command, '%') : 0;
    while (open != 0) {
        const char* close = strchr(open + 1, '%');
        if (close != 0 && IsVariableName(open + 1, close)) {
            return 1;
        }
        open = close;
    }
    return 0;
}
