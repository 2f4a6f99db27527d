// Fuzzes the command-line splitter: checks buffer-size behaviour and
// compares every argument with a plain byte-at-a-time state machine written
// here independently of the product code.
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

bool IsLead(unsigned char c)
{
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

bool IsSeparator(unsigned char c)
{
    return c == ' ' || c == '\t';
}

// Reference split. States: the program's name (quoted or plain), then
// general arguments with a count of backslashes not yet emitted.
std::vector<std::string> ReferenceSplit(const char* s)
{
    std::vector<std::string> arguments;
    if (s[0] == '\0') {
        return arguments;
    }
    enum { NameQuoted, NamePlain, General } state = s[0] == '"' ? NameQuoted : NamePlain;
    std::string current;
    size_t i = state == NameQuoted ? 1 : 0;
    bool trailNext = false;
    bool inArgument = false;
    bool quoted = false;
    size_t backslashes = 0;
    for (;; ++i) {
        unsigned char c = (unsigned char)s[i];
        if (trailNext) {
            current += (char)c;
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
                current += (char)c;
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
            current.append(backslashes / 2, '\\');
            bool literal = backslashes % 2 == 1;
            backslashes = 0;
            inArgument = true;
            if (literal) {
                current += '"';
            } else if (quoted && s[i + 1] == '"') {
                current += '"';
                quoted = false;
                ++i;
            } else {
                quoted = !quoted;
            }
            continue;
        }
        current.append(backslashes, '\\');
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
        current += (char)c;
        trailNext = IsLead(c) && s[i + 1] != '\0';
    }
    return arguments;
}

// Calls GetCommandLineArgument with a heap buffer of exactly `size` bytes
// (so the sanitizer sees any write past it) and checks the result is either
// the whole expected text or an empty buffer.
int CallWithSize(const char* line, int index, size_t size, const std::string* expected)
{
    if (size == 0) {
        return GetCommandLineArgument(line, index, 0, 0);
    }
    char* output = (char*)malloc(size);
    memset(output, 'Z', size);
    int result = GetCommandLineArgument(line, index, output, size);
    Check(memchr(output, '\0', size) != 0);
    if (result == 1) {
        Check(expected != 0);
        Check(expected->size() + 1 <= size);
        Check(memcmp(output, expected->c_str(), expected->size() + 1) == 0);
    } else {
        Check(result == 0);
        Check(output[0] == '\0');
    }
    free(output);
    return result;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const uint8_t* end = (const uint8_t*)memchr(data, 0, size);
    size_t inputLength = end != 0 ? (size_t)(end - data) : size;
    char* line = (char*)malloc(inputLength + 1);
    memcpy(line, data, inputLength);
    line[inputLength] = '\0';

    std::vector<std::string> expected = ReferenceSplit(line);
    int count = CountCommandLineArguments(line);
    Check(count >= 0);
    Check((size_t)count == expected.size());
    Check((inputLength == 0) == (count == 0));

    size_t total = 0;
    for (int index = 0; index <= count; ++index) {
        // Large enough for any argument: no argument is longer than the line.
        std::vector<char> big(inputLength + 1, 'Z');
        int exists = GetCommandLineArgument(line, index, big.data(), big.size());
        Check(memchr(big.data(), '\0', big.size()) != 0);
        if (index == count) {
            Check(exists == 0);
            Check(big[0] == '\0');
            break;
        }
        Check(exists == 1);
        size_t length = strlen(big.data());
        Check(length <= inputLength);
        Check(std::string(big.data()) == expected[index]);
        total += length;

        Check(CallWithSize(line, index, length + 1, &expected[index]) == 1);
        Check(CallWithSize(line, index, length, &expected[index]) == 0);
    }
    Check(total <= inputLength);
    Check(CallWithSize(line, count + 1, inputLength + 1, 0) == 0);
    Check(CallWithSize(line, -1, inputLength + 1, 0) == 0);

    free(line);
    return 0;
}
