// Registry set-up and inspection for the tests, on the class root of the
// throwaway Wine prefix, or under another root (HKEY_CURRENT_USER with
// kUserClasses for the user's own classes).
#ifndef KIVERAN_TESTS_REGISTRY_HELPERS_H
#define KIVERAN_TESTS_REGISTRY_HELPERS_H

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

const char kUserClasses[] = "Software\\Classes\\";

// A name no other test of the run uses, such as ".kv1a2b3".
std::string UniqueName(const char* prefix);

// Sets a key's value (the default value for an empty name), creating the key.
void SetValue(const std::string& key, const std::string& name, DWORD type, const std::string& bytes,
              HKEY root = HKEY_CLASSES_ROOT);
// REG_SZ with its NUL.
void SetDefault(const std::string& key, const std::string& text, HKEY root = HKEY_CLASSES_ROOT);
void CreateKey(const std::string& key);
void DeleteTree(const std::string& key, HKEY root = HKEY_CLASSES_ROOT);

bool KeyExists(const std::string& key, HKEY root = HKEY_CLASSES_ROOT);
// The default value: true with its text (without the NUL), or false when absent.
bool ReadDefault(const std::string& key, std::string* text, HKEY root = HKEY_CLASSES_ROOT);

// Every key, value name, type and data byte below a key of the class root (or
// of root), as one text: equal snapshots mean byte-for-byte equal trees.
std::string SnapshotTree(const std::string& key, HKEY root = HKEY_CLASSES_ROOT);
// The same for the whole class root (both HKLM and HKCU classes).
std::string SnapshotClassRoot();

// Keys everyone may read but nobody may write, as a machine-wide key is for a
// user without administrator rights (Wine enforces key DACLs). Full access is
// given back when the holder ends, so that the keys can be deleted.
struct ReadOnlyKeys {
    std::vector<std::pair<HKEY, std::string>> keys;
    void Add(const std::string& key, HKEY root = HKEY_CLASSES_ROOT);
    ~ReadOnlyKeys();
};

#endif
