// Registry set-up and inspection for the tests, on the class root of the
// throwaway Wine prefix.
#ifndef KIVERAN_TESTS_REGISTRY_HELPERS_H
#define KIVERAN_TESTS_REGISTRY_HELPERS_H

#include <windows.h>

#include <string>

// A name no other test of the run uses, such as ".kv1a2b3".
std::string UniqueName(const char* prefix);

// Sets a key's value (the default value for an empty name), creating the key.
void SetValue(const std::string& key, const std::string& name, DWORD type, const std::string& bytes);
void SetDefault(const std::string& key, const std::string& text);  // REG_SZ with its NUL
void CreateKey(const std::string& key);
void DeleteTree(const std::string& key);

bool KeyExists(const std::string& key);
// The default value: true with its text (without the NUL), or false when absent.
bool ReadDefault(const std::string& key, std::string* text);

// Every key, value name, type and data byte below a key of the class root,
// as one text: equal snapshots mean byte-for-byte equal trees.
std::string SnapshotTree(const std::string& key);
// The same for the whole class root (both HKLM and HKCU classes).
std::string SnapshotClassRoot();

#endif
