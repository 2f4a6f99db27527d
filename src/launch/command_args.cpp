#include "launch/command_args.h"

#include "path/sjis_path.h"

// One scanner for every code unit. A char is a code page 932 byte, and a
// lead byte takes the next byte with it; a UTF-16 (or wider) unit stands
// alone, since no unit of another character can equal a quote, a blank or a
// backslash there.
static int TakesNextUnit(char c)
{
    return IsSjisLeadByte((unsigned char)c);
}

static int TakesNextUnit(char16_t)
{
    return 0;
}

static int TakesNextUnit(wchar_t)
{
    return 0;
}

template <typename Unit>
static int IsBlank(Unit c)
{
    return c == ' ' || c == '\t';
}

template <typename Unit>
static const Unit* SkipBlanks(const Unit* p)
{
    while (IsBlank(*p)) {
        ++p;
    }
    return p;
}

// Counts every unit of the argument but stores only those that leave room
// for the terminator, so one pass both measures and copies.
template <typename Unit>
static void AppendUnit(Unit c, Unit* out, size_t outSize, size_t* length)
{
    if (out != 0 && *length + 1 < outSize) {
        out[*length] = c;
    }
    ++*length;
}

template <typename Unit>
static void AppendRepeated(Unit c, size_t count, Unit* out, size_t outSize, size_t* length)
{
    for (size_t i = 0; i < count; ++i) {
        AppendUnit(c, out, outSize, length);
    }
}

// Copies one character: a lead byte brings its trail byte along unexamined,
// unless the terminator follows it. The lead bytes are the path code's fixed
// ranges, not the runtime's locale tables, so the split is the same on every
// machine.
template <typename Unit>
static const Unit* CopyCharacter(const Unit* p, Unit* out, size_t outSize, size_t* length)
{
    AppendUnit(*p, out, outSize, length);
    if (TakesNextUnit(*p) && p[1] != '\0') {
        ++p;
        AppendUnit(*p, out, outSize, length);
    }
    return p + 1;
}

template <typename Unit>
static const Unit* ScanProgramName(const Unit* p, Unit* out, size_t outSize, size_t* length)
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
template <typename Unit>
static const Unit* ScanBackslashes(const Unit* p, Unit* out, size_t outSize, size_t* length)
{
    size_t count = 0;
    while (p[count] == '\\') {
        ++count;
    }
    if (p[count] != '"') {
        AppendRepeated((Unit)'\\', count, out, outSize, length);
        return p + count;
    }
    AppendRepeated((Unit)'\\', count / 2, out, outSize, length);
    if (count % 2 == 0) {
        return p + count;
    }
    AppendUnit((Unit)'"', out, outSize, length);
    return p + count + 1;
}

template <typename Unit>
static const Unit* ScanQuote(const Unit* p, int* quoted, Unit* out, size_t outSize, size_t* length)
{
    if (*quoted && p[1] == '"') {
        AppendUnit((Unit)'"', out, outSize, length);
        *quoted = 0;
        return p + 2;
    }
    *quoted = !*quoted;
    return p + 1;
}

template <typename Unit>
static const Unit* ScanOrdinaryArgument(const Unit* p, Unit* out, size_t outSize, size_t* length)
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
template <typename Unit>
static const Unit* ScanArgument(const Unit* p, int isProgramName, Unit* out, size_t outSize,
                                size_t* length)
{
    *length = 0;
    if (isProgramName) {
        return ScanProgramName(p, out, outSize, length);
    }
    return ScanOrdinaryArgument(p, out, outSize, length);
}

// Start of argument index, or 0 when the line has no such argument.
template <typename Unit>
static const Unit* LocateArgument(const Unit* commandLine, int index)
{
    if (commandLine == 0 || commandLine[0] == '\0' || index < 0) {
        return 0;
    }
    const Unit* p = commandLine;
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
        p = ScanArgument(p, i == 0, (Unit*)0, 0, &length);
    }
}

template <typename Unit>
static int CountArguments(const Unit* commandLine)
{
    if (commandLine == 0 || commandLine[0] == '\0') {
        return 0;
    }
    size_t length;
    const Unit* p = ScanArgument(commandLine, 1, (Unit*)0, 0, &length);
    int count = 1;
    for (p = SkipBlanks(p); *p != '\0'; p = SkipBlanks(p)) {
        p = ScanArgument(p, 0, (Unit*)0, 0, &length);
        ++count;
    }
    return count;
}

template <typename Unit>
static int GetArgument(const Unit* commandLine, int index, Unit* output, size_t outputSize)
{
    if (output == 0 || outputSize == 0) {
        return 0;
    }
    output[0] = '\0';
    const Unit* start = LocateArgument(commandLine, index);
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

int CountCommandLineArguments(const char* commandLine)
{
    return CountArguments(commandLine);
}

int CountCommandLineArguments(const char16_t* commandLine)
{
    return CountArguments(commandLine);
}

int CountCommandLineArguments(const wchar_t* commandLine)
{
    return CountArguments(commandLine);
}

int GetCommandLineArgument(const char* commandLine, int index, char* output, size_t outputSize)
{
    return GetArgument(commandLine, index, output, outputSize);
}

int GetCommandLineArgument(const char16_t* commandLine, int index, char16_t* output,
                           size_t outputSize)
{
    return GetArgument(commandLine, index, output, outputSize);
}

int GetCommandLineArgument(const wchar_t* commandLine, int index, wchar_t* output,
                           size_t outputSize)
{
    return GetArgument(commandLine, index, output, outputSize);
}
