// Texts the tests compose, in the native build and under Wine alike.
#ifndef KIVERAN_TESTS_TEXT_HELPERS_H
#define KIVERAN_TESTS_TEXT_HELPERS_H

#include <string>

// The text in double quotes, as a command line quotes a path.
inline std::string Quoted(const std::string& text)
{
    return "\"" + text + "\"";
}

inline std::wstring Quoted(const std::wstring& text)
{
    return L"\"" + text + L"\"";
}

// count copies of text, one after the other.
inline std::string Repeat(const std::string& text, int count)
{
    std::string result;
    for (int i = 0; i < count; ++i) {
        result += text;
    }
    return result;
}

#endif
