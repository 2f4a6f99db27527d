// Small helpers of the Windows tests: the UTF-16 form of their texts, a
// key's default value as one text, and shortcut files.
#ifndef KIVERAN_TESTS_WINDOWS_HELPERS_H
#define KIVERAN_TESTS_WINDOWS_HELPERS_H

#include "common/text_helpers.h"

#include <windows.h>
#include <shlobj.h>

#include <string>

// The UTF-16 form of a code page 932 text (the tests' literals, and the
// paths the A functions give under the Japanese locale).
std::wstring Widen(const std::string& text);

// The default value of the key under root as its text, or "<absent>" when
// the key or the value does not exist.
std::string Default(const std::string& key, HKEY root = HKEY_CLASSES_ROOT);

// Saves a shortcut at path to target, or to items where they are given, as
// Explorer makes one; true when it was saved.
bool MakeShortcut(const std::wstring& path, const std::wstring& target, LPCITEMIDLIST items = NULL);
bool MakeShortcut(const std::string& path, const std::string& target);

#endif
