// Files and folders with paths at and beyond the ANSI limits, for the tests
// of the program's argument handling.
#ifndef KIVERAN_TESTS_LAUNCH_LONG_PATHS_H
#define KIVERAN_TESTS_LAUNCH_LONG_PATHS_H

#include "common/windows_helpers.h"

#include <windows.h>

#include <string>

// The length of a code page 932 text in UTF-16 characters.
size_t Utf16Length(const std::string& text);

// Create through the UTF-16 entry points, which take paths that the ANSI
// ones cannot (more than 259 characters or bytes).
bool CreateFileWide(const std::string& path);
bool CreateFolderWide(const std::string& path);
bool ExistsWide(const std::string& path);

// A path of exactly length UTF-16 characters: folder (with its trailing
// backslash) followed by repetitions of unit (one UTF-16 character), split
// into names of at most 60 characters, since a Unix file name holds 255
// bytes and a kanji takes 3 of them in UTF-8. The folders on the way are
// created; the last name is not.
std::string MakeDeepPath(const std::string& folder, const char* unit, size_t length);

// The 8.3 form of an existing path, empty when there is none.
std::string ShortForm(const std::string& path);

#endif
