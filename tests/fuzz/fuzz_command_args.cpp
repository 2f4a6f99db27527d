// Fuzzes the command-line splitter in both its forms: the input as code page
// 932 bytes, and the same input as 16-bit units (pairs of bytes, low byte
// first; the units also go through the wchar_t form, UTF-16 on Windows).
// Checks buffer-size behaviour and compares every argument with a plain
// unit-at-a-time state machine written here independently of the product
// code.
#include "launch/command_args.h"

#include <stdint.h>
#include <stdlib.h>
#include <string.h>

#include <string>
#include <vector>

namespace {

void Check(bool condition)
{
    if (!condition) {
        abort();
    }
}

// Only a byte has lead units.
bool IsLead(char c)
{
    unsigned char b = (unsigned char)c;
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

template <typename Unit>
bool IsLead(Unit)
{
    return false;
}

template <typename Unit>
bool IsSeparator(Unit c)
{
    return c == ' ' || c == '\t';
}

template <typename Unit>
size_t Length(const Unit* s)
{
    return std::char_traits<Unit>::length(s);
}

// Reference split. States: the program's name (quoted or plain), then
// general arguments with a count of backslashes not yet emitted.
template <typename Unit>
std::vector<std::basic_string<Unit>> ReferenceSplit(const Unit* s)
{
    std::vector<std::basic_string<Unit>> arguments;
    if (s[0] == '\0') {
        return arguments;
    }
    enum { NameQuoted, NamePlain, General } state = s[0] == '"' ? NameQuoted : NamePlain;
    std::basic_string<Unit> current;
    size_t i = state == NameQuoted ? 1 : 0;
    bool trailNext = false;
    bool inArgument = false;
    bool quoted = false;
    size_t backslashes = 0;
    for (;; ++i) {
        Unit c = s[i];
        if (trailNext) {
            current += c;
            trailNext = false;
            continue;
        }
        if (state != General) {
            bool ends = c == '\0' || (state == NameQuoted ? c == '"' : IsSeparator(c));
            if (ends) {
                arguments.push_back(current);
                current.clear();
                state = General;
                if (c == '\0') {
                    break;
                }
                if (c == '"') {
                    continue;
                }
                // A plain name's separator is handled below as a separator.
            } else {
                current += c;
                trailNext = IsLead(c) && s[i + 1] != '\0';
                continue;
            }
        }
        if (c == '\\') {
            ++backslashes;
            inArgument = true;
            continue;
        }
        if (c == '"') {
            current.append(backslashes / 2, (Unit)'\\');
            bool literal = backslashes % 2 == 1;
            backslashes = 0;
            inArgument = true;
            if (literal) {
                current += (Unit)'"';
            } else if (quoted && s[i + 1] == '"') {
                current += (Unit)'"';
                quoted = false;
                ++i;
            } else {
                quoted = !quoted;
            }
            continue;
        }
        current.append(backslashes, (Unit)'\\');
        backslashes = 0;
        if (c == '\0') {
            if (inArgument) {
                arguments.push_back(current);
            }
            break;
        }
        if (IsSeparator(c) && !quoted) {
            if (inArgument) {
                arguments.push_back(current);
                current.clear();
                inArgument = false;
            }
            continue;
        }
        inArgument = true;
        current += c;
        trailNext = IsLead(c) && s[i + 1] != '\0';
    }
    return arguments;
}

template <typename Unit>
bool HasTerminator(const Unit* buffer, size_t size)
{
    for (size_t i = 0; i < size; ++i) {
        if (buffer[i] == 0) {
            return true;
        }
    }
    return false;
}

// Calls GetCommandLineArgument with a heap buffer of exactly `size` units
// (so the sanitizer sees any write past it) and checks the result is either
// the whole expected text or an empty buffer.
template <typename Unit>
int CallWithSize(const Unit* line, int index, size_t size, const std::basic_string<Unit>* expected)
{
    if (size == 0) {
        return GetCommandLineArgument(line, index, (Unit*)0, 0);
    }
    Unit* output = (Unit*)malloc(size * sizeof(Unit));
    for (size_t i = 0; i < size; ++i) {
        output[i] = 'Z';
    }
    int result = GetCommandLineArgument(line, index, output, size);
    Check(HasTerminator(output, size));
    if (result == 1) {
        Check(expected != 0);
        Check(expected->size() + 1 <= size);
        Check(memcmp(output, expected->c_str(), (expected->size() + 1) * sizeof(Unit)) == 0);
    } else {
        Check(result == 0);
        Check(output[0] == '\0');
    }
    free(output);
    return result;
}

// Every check on one line of one unit type.
template <typename Unit>
void CheckLine(const Unit* line)
{
    size_t inputLength = Length(line);
    std::vector<std::basic_string<Unit>> expected = ReferenceSplit(line);
    int count = CountCommandLineArguments(line);
    Check(count >= 0);
    Check((size_t)count == expected.size());
    Check((inputLength == 0) == (count == 0));

    size_t total = 0;
    for (int index = 0; index <= count; ++index) {
        // Large enough for any argument: no argument is longer than the line.
        std::vector<Unit> big(inputLength + 1, 'Z');
        int exists = GetCommandLineArgument(line, index, big.data(), big.size());
        Check(HasTerminator(big.data(), big.size()));
        if (index == count) {
            Check(exists == 0);
            Check(big[0] == 0);
            break;
        }
        Check(exists == 1);
        size_t length = Length(big.data());
        Check(length <= inputLength);
        Check(std::basic_string<Unit>(big.data()) == expected[index]);
        total += length;

        Check(CallWithSize(line, index, length + 1, &expected[index]) == 1);
        Check(CallWithSize(line, index, length, &expected[index]) == 0);
    }
    Check(total <= inputLength);
    Check(CallWithSize<Unit>(line, count + 1, inputLength + 1, 0) == 0);
    Check(CallWithSize<Unit>(line, -1, inputLength + 1, 0) == 0);
}

// The input as units of Unit, cut at the first zero unit, in an exact-size
// heap copy so that AddressSanitizer catches any read past the terminator.
template <typename Unit>
void CheckUnits(const uint8_t* data, size_t size, size_t unitBytes)
{
    size_t units = size / unitBytes;
    Unit* line = (Unit*)malloc((units + 1) * sizeof(Unit));
    size_t length = 0;
    for (; length < units; ++length) {
        Unit unit = data[length * unitBytes];
        if (unitBytes == 2) {
            unit = (Unit)(unit | data[length * unitBytes + 1] << 8);
        }
        if (unit == 0) {
            break;
        }
        line[length] = unit;
    }
    line[length] = 0;
    CheckLine(line);
    free(line);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CheckUnits<char>(data, size, 1);
    CheckUnits<char16_t>(data, size, 2);
    CheckUnits<wchar_t>(data, size, 2);
    return 0;
}
