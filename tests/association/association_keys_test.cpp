#include "association/store/association_keys.h"

#include "association/assoc_request.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

TEST(AssociationKeys, ComposesTheLayout)
{
    char name[ASSOC_KEY_NAME_SIZE];
    ASSERT_EQ(1, ComposeExtensionKey(name, ".xyz"));
    EXPECT_EQ(std::string(".xyz"), name);
    ASSERT_EQ(1, ComposeShellKey(name, "xyzfile"));
    EXPECT_EQ(std::string("xyzfile\\shell"), name);
    ASSERT_EQ(1, ComposeVerbKey(name, "xyzfile", "edit"));
    EXPECT_EQ(std::string("xyzfile\\shell\\edit"), name);
    ASSERT_EQ(1, ComposeCommandKey(name, ".xyz", "open"));
    EXPECT_EQ(std::string(".xyz\\shell\\open\\command"), name);
    ASSERT_EQ(1, ComposeExtensionKey(name, ".\x95\x5C"));   // .表
    EXPECT_EQ(std::string(".\x95\x5C"), name);
    // 表 ends in the byte of a backslash, yet names one key.
    ASSERT_EQ(1, ComposeCommandKey(name, "xyzfile", "\x95\x5C"));
    EXPECT_EQ(std::string("xyzfile\\shell\\\x95\x5C\\command"), name);
    EXPECT_EQ(VERB_FAULT_NONE, FindVerbFault("xyzfile", "\x95\x5C", nullptr));
    // A backslash after it would address a key below the verb's.
    EXPECT_EQ(0, ComposeVerbKey(name, "xyzfile", "\x95\x5C\\x"));
    EXPECT_EQ(VERB_FAULT_SEPARATOR, FindVerbFault("xyzfile", "\x95\x5C\\x", nullptr));
}

TEST(AssociationKeys, RefusesEmptyParts)
{
    // An empty extension or type would address the class root itself or a
    // name that begins with a backslash.
    char name[ASSOC_KEY_NAME_SIZE] = "stale";
    EXPECT_EQ(0, ComposeExtensionKey(name, ""));
    EXPECT_EQ(std::string(""), name);
    EXPECT_EQ(0, ComposeShellKey(name, ""));
    EXPECT_EQ(0, ComposeVerbKey(name, "", "open"));
    EXPECT_EQ(0, ComposeVerbKey(name, "xyzfile", ""));
    EXPECT_EQ(0, ComposeCommandKey(name, "", "open"));
    EXPECT_EQ(0, ComposeCommandKey(name, "xyzfile", ""));
}

TEST(AssociationKeys, RefusesNamesThatDoNotFit)
{
    struct Row {
        size_t typeLength;
        size_t verbLength;
        int verbFits;
        int commandFits;
        int fault;    // the verb's own: none when even one byte would not fit
        size_t room;  // the most bytes a verb may have under the type
    };
    // "T\shell\V" takes 7 bytes besides the parts, "\command" 8 more; the
    // buffer holds 263 bytes and the NUL.
    const Row rows[] = {
        {128, 128, 1, 0, VERB_FAULT_TOO_LONG, 120},
        {200, 56, 1, 0, VERB_FAULT_TOO_LONG, 48},
        {200, 48, 1, 1, VERB_FAULT_NONE, 48},
        {200, 49, 1, 0, VERB_FAULT_TOO_LONG, 48},
        {247, 1, 1, 1, VERB_FAULT_NONE, 1},
        {247, 2, 1, 0, VERB_FAULT_TOO_LONG, 1},
        {259, 1, 0, 0, VERB_FAULT_NONE, 0},
        {255, 1, 1, 0, VERB_FAULT_NONE, 0},
        {256, 1, 0, 0, VERB_FAULT_NONE, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message() << row.typeLength << " + " << row.verbLength);
        std::string type(row.typeLength, 't');
        std::string verb(row.verbLength, 'v');
        char name[ASSOC_KEY_NAME_SIZE];
        EXPECT_EQ(row.verbFits, ComposeVerbKey(name, type.c_str(), verb.c_str()));
        EXPECT_EQ(row.verbFits ? type.size() + verb.size() + 7 : 0, strlen(name));
        EXPECT_EQ(row.commandFits, ComposeCommandKey(name, type.c_str(), verb.c_str()));
        EXPECT_EQ(row.commandFits ? type.size() + verb.size() + 15 : 0, strlen(name));
        size_t room = 999;
        EXPECT_EQ(row.fault, FindVerbFault(type.c_str(), verb.c_str(), &room));
        EXPECT_EQ(row.room, room);
    }
}

TEST(AssociationKeys, DefaultVerbIsTheFirstListedWord)
{
    struct Row {
        std::string list;
        std::string first;
        std::string second;
        int oneWord;
    };
    const Row rows[] = {
        {"open", "open", "", 1},
        {"view,open", "view", "open", 0},
        {"edit with", "edit", "with", 0},
        {" \t,print  open", "print", "open", 0},
        {"\tedit\t", "edit", "", 0},
        {"", "", "", 1},
        {" , \t", "", "", 0},
        // Trail bytes are never below 0x40: 表 (95 5C) and ソ (83 5C) stay whole.
        {"\x95\x5C,\x83\x5C", "\x95\x5C", "\x83\x5C", 0},
        {std::string(300, 'v') + ",w", std::string(300, 'v'), "w", 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.list);
        size_t length = 99;
        const char* first = NextListedVerb(row.list.c_str(), &length);
        EXPECT_EQ(row.first, std::string(first, length));
        const char* second = NextListedVerb(first + length, &length);
        EXPECT_EQ(row.second, std::string(second, length));
        EXPECT_EQ(row.oneWord, IsOneVerbWord(row.list.c_str()));
        // The same list in UTF-16 where it is ASCII.
        if (row.list.find('\x95') == std::string::npos) {
            std::u16string wide(row.list.begin(), row.list.end());
            NextListedVerb(wide.c_str(), &length);
            EXPECT_EQ(row.first.size(), length);
        }
    }
}
