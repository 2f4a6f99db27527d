#include "launch/command_args.h"

#include "path/sjis_path.h"

static int IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

static const char* SkipBlanks(const char* p)
{
    while (IsBlank(*p)) {
        ++p;
    }
    return p;
}

// Counts every byte of the argument but stores only those that leave room
// for the terminator, so one pass both measures and copies.
static void AppendByte(char c, char* out, size_t outSize, size_t* length)
{
    if (out != 0 && *length + 1 < outSize) {
        out[*length] = c;
    }
    ++*length;
}

static void AppendRepeated(char c, size_t count, char* out, size_t outSize, size_t* length)
{
    for (size_t i = 0; i < count; ++i) {
        AppendByte(c, out, outSize, length);
    }
}

// Copies one character: a lead byte brings its trail byte along unexamined,
// unless the terminator follows it. The lead bytes are the path code's fixed
// ranges, not the runtime's locale tables, so the split is the same on every
// machine.
static const char* CopyCharacter(const char* p, char* out, size_t outSize, size_t* length)
{
    AppendByte(*p, out, outSize, length);
    if (IsSjisLeadByte((unsigned char)*p) && p[1] != '\0') {
        ++p;
        AppendByte(*p, out, outSize, length);
    }
    return p + 1;
}

static const char* ScanProgramName(const char* p, char* out, size_t outSize, size_t* length)
{
    if (*p == '"') {
        ++p;
        while (*p != '\0' && *p != '"') {
            p = CopyCharacter(p, out, outSize, length);
        }
        return *p == '"' ? p + 1 : p;
    }
    while (*p != '\0' && !IsBlank(*p)) {
        p = CopyCharacter(p, out, outSize, length);
    }
    return p;
}

// A run of backslashes. Before a quote they are halved; an odd one left over
// makes the quote literal. A quote after an even run is left to the caller.
static const char* ScanBackslashes(const char* p, char* out, size_t outSize, size_t* length)
{
    size_t count = 0;
    while (p[count] == '\\') {
        ++count;
    }
    if (p[count] != '"') {
        AppendRepeated('\\', count, out, outSize, length);
        return p + count;
    }
    AppendRepeated('\\', count / 2, out, outSize, length);
    if (count % 2 == 0) {
        return p + count;
    }
    AppendByte('"', out, outSize, length);
    return p + count + 1;
}

static const char* ScanQuote(const char* p, int* quoted, char* out, size_t outSize, size_t* length)
{
    if (*quoted && p[1] == '"') {
        AppendByte('"', out, outSize, length);
        *quoted = 0;
        return p + 2;
    }
    *quoted = !*quoted;
    return p + 1;
}

static const char* ScanOrdinaryArgument(const char* p, char* out, size_t outSize, size_t* length)
{
    int quoted = 0;
    while (*p != '\0' && (quoted || !IsBlank(*p))) {
        if (*p == '\\') {
            p = ScanBackslashes(p, out, outSize, length);
        } else if (*p == '"') {
            p = ScanQuote(p, &quoted, out, outSize, length);
        } else {
            p = CopyCharacter(p, out, outSize, length);
        }
    }
    return p;
}

// Reads the argument starting at p into out (writing only what fits, never
// the terminator) and its full length into *length. Returns the position
// just after the argument.
static const char* ScanArgument(const char* p, int isProgramName, char* out, size_t outSize,
                                size_t* length)
{
    *length = 0;
    if (isProgramName) {
        return ScanProgramName(p, out, outSize, length);
    }
    return ScanOrdinaryArgument(p, out, outSize, length);
}

// Start of argument index, or 0 when the line has no such argument.
static const char* LocateArgument(const char* commandLine, int index)
{
    if (commandLine == 0 || commandLine[0] == '\0' || index < 0) {
        return 0;
    }
    const char* p = commandLine;
    for (int i = 0;; ++i) {
        if (i > 0) {
            p = SkipBlanks(p);
            if (*p == '\0') {
                return 0;
            }
        }
        if (i == index) {
            return p;
        }
        size_t length;
        p = ScanArgument(p, i == 0, 0, 0, &length);
    }
}

int CountCommandLineArguments(const char* commandLine)
{
    if (commandLine == 0 || commandLine[0] == '\0') {
        return 0;
    }
    size_t length;
    const char* p = ScanArgument(commandLine, 1, 0, 0, &length);
    int count = 1;
    for (p = SkipBlanks(p); *p != '\0'; p = SkipBlanks(p)) {
        p = ScanArgument(p, 0, 0, 0, &length);
        ++count;
    }
    return count;
}

int GetCommandLineArgument(const char* commandLine, int index, char* output, size_t outputSize)
{
    if (output == 0 || outputSize == 0) {
        return 0;
    }
    output[0] = '\0';
    const char* start = LocateArgument(commandLine, index);
    if (start == 0) {
        return 0;
    }
    size_t length;
    ScanArgument(start, index == 0, output, outputSize, &length);
    if (length >= outputSize) {
        output[0] = '\0';
        return 0;
    }
    output[length] = '\0';
    return 1;
}
