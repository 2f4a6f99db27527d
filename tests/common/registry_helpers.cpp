#include "common/registry_helpers.h"

#include <sddl.h>
#include <shlwapi.h>

#include <cstdio>
#include <vector>

std::string UniqueName(const char* prefix)
{
    static unsigned counter = 0;
    char name[64];
    snprintf(name, sizeof(name), "%s%lx%x", prefix, GetCurrentProcessId(), ++counter);
    return name;
}

void SetValue(const std::string& key, const std::string& name, DWORD type, const std::string& bytes,
              HKEY root)
{
    HKEY handle;
    if (RegCreateKeyExA(root, key.c_str(), 0, NULL, 0, KEY_ALL_ACCESS, NULL, &handle, NULL)
        != ERROR_SUCCESS) {
        return;
    }
    RegSetValueExA(handle, name.empty() ? NULL : name.c_str(), 0, type,
                   (const BYTE*)bytes.data(), (DWORD)bytes.size());
    RegCloseKey(handle);
}

void SetDefault(const std::string& key, const std::string& text, HKEY root)
{
    SetValue(key, "", REG_SZ, std::string(text.c_str(), text.size() + 1), root);
}

void CreateKey(const std::string& key)
{
    HKEY handle;
    if (RegCreateKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, NULL, 0, KEY_ALL_ACCESS, NULL, &handle, NULL)
        == ERROR_SUCCESS) {
        RegCloseKey(handle);
    }
}

void DeleteTree(const std::string& key, HKEY root)
{
    SHDeleteKeyA(root, key.c_str());
}

bool KeyExists(const std::string& key, HKEY root)
{
    HKEY handle;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(handle);
    return true;
}

bool ReadDefault(const std::string& key, std::string* text, HKEY root)
{
    HKEY handle;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS) {
        return false;
    }
    std::vector<char> buffer(4096);
    DWORD size = (DWORD)buffer.size();
    DWORD type = 0;
    LONG result = RegQueryValueExA(handle, NULL, NULL, &type, (BYTE*)buffer.data(), &size);
    RegCloseKey(handle);
    if (result != ERROR_SUCCESS) {
        return false;
    }
    text->assign(buffer.data(), size);
    if (!text->empty() && text->back() == '\0') {
        text->pop_back();
    }
    return true;
}

static void AppendHex(std::string* out, const BYTE* data, DWORD size)
{
    static const char digits[] = "0123456789abcdef";
    for (DWORD i = 0; i < size; ++i) {
        out->push_back(digits[data[i] >> 4]);
        out->push_back(digits[data[i] & 15]);
    }
}

static void SnapshotKey(HKEY parent, const std::string& path, std::string* out)
{
    HKEY key;
    if (RegOpenKeyExA(parent, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
        out->append("[missing ").append(path).append("]\n");
        return;
    }
    out->append("[").append(path).append("]\n");
    std::vector<char> name(16384);
    std::vector<BYTE> data(1 << 16);
    for (DWORD i = 0;; ++i) {
        DWORD nameSize = (DWORD)name.size();
        DWORD dataSize = (DWORD)data.size();
        DWORD type = 0;
        if (RegEnumValueA(key, i, name.data(), &nameSize, NULL, &type, data.data(), &dataSize) != ERROR_SUCCESS) {
            break;
        }
        out->append(name.data(), nameSize).append("=").append(std::to_string(type)).append(":");
        AppendHex(out, data.data(), dataSize);
        out->append("\n");
    }
    std::vector<std::string> children;
    for (DWORD i = 0;; ++i) {
        DWORD nameSize = (DWORD)name.size();
        if (RegEnumKeyExA(key, i, name.data(), &nameSize, NULL, NULL, NULL, NULL) != ERROR_SUCCESS) {
            break;
        }
        children.emplace_back(name.data(), nameSize);
    }
    RegCloseKey(key);
    for (const std::string& child : children) {
        SnapshotKey(parent, path.empty() ? child : path + "\\" + child, out);
    }
}

std::string SnapshotTree(const std::string& key, HKEY root)
{
    std::string out;
    SnapshotKey(root, key, &out);
    return out;
}

std::string SnapshotClassRoot()
{
    std::string out;
    SnapshotKey(HKEY_LOCAL_MACHINE, "Software\\Classes", &out);
    SnapshotKey(HKEY_CURRENT_USER, "Software\\Classes", &out);
    return out;
}

static void SetAccess(HKEY root, const std::string& key, const char* sddl)
{
    PSECURITY_DESCRIPTOR descriptor = NULL;
    HKEY handle;
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorA(sddl, SDDL_REVISION_1, &descriptor, NULL)) {
        return;
    }
    if (RegOpenKeyExA(root, key.c_str(), 0, WRITE_DAC, &handle) == ERROR_SUCCESS) {
        RegSetKeySecurity(handle, DACL_SECURITY_INFORMATION, descriptor);
        RegCloseKey(handle);
    }
    LocalFree(descriptor);
}

void ReadOnlyKeys::Add(const std::string& key, HKEY root)
{
    // Reading, and changing the DACL: enough to give full access back.
    SetAccess(root, key, "D:P(A;;KRWDRC;;;WD)");
    keys.emplace_back(root, key);
}

ReadOnlyKeys::~ReadOnlyKeys()
{
    for (const auto& key : keys) {
        SetAccess(key.first, key.second, "D:P(A;;KA;;;WD)");
    }
}
