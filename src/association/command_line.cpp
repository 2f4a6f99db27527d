#include "association/command_line.h"

#include "path/bounded_text.h"

int FormatCommandLine(char* output, size_t outputSize, const char* programPath, int quote)
{
    const char* format = quote ? "\"%s\" \"%%1\"" : "\"%s\" %%1";
    return FormatText(output, outputSize, format, programPath ? programPath : "");
}
