// Version blocks built by hand, and copies of a program file with its
// version block replaced or removed: what the About box shows for blocks
// other than the program's own.
#ifndef KIVERAN_TESTS_ABOUT_VERSION_BLOCK_H
#define KIVERAN_TESTS_ABOUT_VERSION_BLOCK_H

#include <windows.h>

#include <string>
#include <vector>

struct VersionString {
    std::wstring name;
    std::wstring value;
};

// A VS_VERSIONINFO resource with the program's fixed part, the strings in
// the string table "041104b0", and translation entries (each low half the
// language, high half the code page; none gives an empty table).
std::vector<unsigned char> BuildVersionBlock(const std::vector<VersionString>& strings,
                                             const std::vector<DWORD>& translations);

// Replaces the version resource (1, language 0x0411) of the program file at
// path with block, or removes it when block is empty.
bool ReplaceVersionBlock(const std::string& path, const std::vector<unsigned char>& block);

#endif
