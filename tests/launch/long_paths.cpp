#include "launch/long_paths.h"

size_t Utf16Length(const std::string& text)
{
    return Widen(text).size();
}

bool CreateFileWide(const std::string& path)
{
    HANDLE file = CreateFileW(Widen(path).c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    CloseHandle(file);
    return true;
}

bool CreateFolderWide(const std::string& path)
{
    return CreateDirectoryW(Widen(path).c_str(), NULL) != FALSE;
}

bool ExistsWide(const std::string& path)
{
    return GetFileAttributesW(Widen(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string MakeDeepPath(const std::string& folder, const char* unit, size_t length)
{
    const size_t kNameLength = 60;
    std::string path = folder;
    size_t current = Utf16Length(path);
    size_t nameLength = 0;
    while (current < length) {
        // A separator only where at least one character of a name follows.
        if (nameLength == kNameLength && current + 2 <= length) {
            CreateFolderWide(path);
            path += "\\";
            ++current;
            nameLength = 0;
        }
        path += unit;
        ++current;
        ++nameLength;
    }
    return path;
}

std::string ShortForm(const std::string& path)
{
    char shortPath[MAX_PATH];
    DWORD length = GetShortPathNameA(path.c_str(), shortPath, MAX_PATH);
    return length > 0 && length < MAX_PATH ? shortPath : "";
}
