#include "association/store/default_verb.h"

#include "association/assoc_request.h"
#include "association/store/association_keys.h"
#include "common/code_page_text.h"
#include "common/same_name.h"

int FirstListedVerb(const WCHAR* list, char* verb)
{
    WCHAR first[ASSOC_TEXT_SIZE];
    size_t length = 0;
    verb[0] = '\0';
    if (list == NULL) {
        return 0;
    }
    const WCHAR* start = NextListedVerb(list, &length);
    if (length == 0 || length >= ASSOC_TEXT_SIZE) {
        return 0;
    }
    lstrcpynW(first, start, (int)length + 1);
    return WideToProgramText(first, verb, ASSOC_TEXT_SIZE);
}

// Appends count characters of item, after separator unless it is the
// first; 0 when they do not fit.
static int AppendItem(WCHAR* output, size_t size, size_t* used, WCHAR separator, const WCHAR* item,
                      size_t count)
{
    size_t needed = (*used > 0 ? 1 : 0) + count + 1;
    if (*used + needed > size) {
        return 0;
    }
    if (*used > 0) {
        output[(*used)++] = separator;
    }
    lstrcpynW(output + *used, item, (int)count + 1);
    *used += count;
    return 1;
}

// Whether the first count characters of item name a verb already in output.
static int IsListed(const WCHAR* output, const WCHAR* item, size_t count)
{
    WCHAR name[ASSOC_TEXT_SIZE];
    if (count >= ASSOC_TEXT_SIZE) {
        return 0;
    }
    lstrcpynW(name, item, (int)count + 1);
    size_t length = 0;
    for (const WCHAR* p = NextListedVerb(output, &length); length > 0; p = NextListedVerb(p + length, &length)) {
        WCHAR listed[ASSOC_TEXT_SIZE];
        if (length < ASSOC_TEXT_SIZE) {
            lstrcpynW(listed, p, (int)length + 1);
            if (IsSameName(listed, name)) {
                return 1;
            }
        }
    }
    return 0;
}

int ComposeDefaultVerbList(const WCHAR* list, const char* verb, WCHAR* output, size_t size)
{
    WCHAR wideVerb[ASSOC_TEXT_SIZE];
    size_t used = 0;
    size_t length = 0;
    output[0] = L'\0';
    if (!ProgramTextToWide(verb, wideVerb, ASSOC_TEXT_SIZE)
        || !AppendItem(output, size, &used, L',', wideVerb, (size_t)lstrlenW(wideVerb))) {
        return 0;
    }
    if (list == NULL) {
        return 1;
    }
    size_t firstLength = 0;
    const WCHAR* first = NextListedVerb(list, &firstLength);
    NextListedVerb(first + firstLength, &length);
    if (length == 0) {
        return 1;
    }
    // The separator after the first verb, so that the list keeps its look.
    WCHAR separator = first[firstLength];
    for (const WCHAR* p = NextListedVerb(list, &length); length > 0; p = NextListedVerb(p + length, &length)) {
        if (!IsListed(output, p, length) && !AppendItem(output, size, &used, separator, p, length)) {
            output[0] = L'\0';
            return 0;
        }
    }
    return 1;
}
