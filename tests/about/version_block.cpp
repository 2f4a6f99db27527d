#include "version_block.h"

#include <cstdlib>

namespace {

// One node of the block: a header (length, value length, type), the key in
// UTF-16, the value and the children, each part starting on 4 bytes.
struct Node {
    std::wstring key;
    std::vector<unsigned char> value;
    WORD valueLength;
    WORD type;  // 1 text, 0 binary
    std::vector<Node> children;
};

void PadTo4(std::vector<unsigned char>* out)
{
    while (out->size() % 4 != 0) {
        out->push_back(0);
    }
}

void PutWord(std::vector<unsigned char>* out, size_t at, WORD value)
{
    (*out)[at] = (unsigned char)(value & 0xFF);
    (*out)[at + 1] = (unsigned char)(value >> 8);
}

void Serialize(const Node& node, std::vector<unsigned char>* out)
{
    PadTo4(out);
    size_t start = out->size();
    out->resize(start + 6);
    PutWord(out, start + 2, node.valueLength);
    PutWord(out, start + 4, node.type);
    for (wchar_t c : node.key) {
        out->push_back((unsigned char)(c & 0xFF));
        out->push_back((unsigned char)(c >> 8));
    }
    out->push_back(0);
    out->push_back(0);
    PadTo4(out);
    out->insert(out->end(), node.value.begin(), node.value.end());
    for (const Node& child : node.children) {
        Serialize(child, out);
    }
    PutWord(out, start, (WORD)(out->size() - start));
}

Node TextNode(const std::wstring& key)
{
    return Node{key, {}, 0, 1, {}};
}

}  // namespace

std::vector<unsigned char> BuildVersionBlock(const std::vector<VersionString>& strings,
                                             const std::vector<DWORD>& translations)
{
    VS_FIXEDFILEINFO fixed = {};
    fixed.dwSignature = 0xFEEF04BD;
    fixed.dwStrucVersion = 0x00010000;
    fixed.dwFileVersionLS = 0x00010002;
    fixed.dwProductVersionLS = 0x00010002;
    fixed.dwFileFlagsMask = 0x3F;
    fixed.dwFileOS = VOS_NT_WINDOWS32;
    fixed.dwFileType = VFT_APP;
    const unsigned char* fixedBytes = (const unsigned char*)&fixed;
    Node root{L"VS_VERSION_INFO", std::vector<unsigned char>(fixedBytes, fixedBytes + sizeof(fixed)),
              (WORD)sizeof(fixed), 0, {}};

    Node table = TextNode(L"041104b0");
    for (const VersionString& item : strings) {
        Node entry = TextNode(item.name);
        for (wchar_t c : item.value) {
            entry.value.push_back((unsigned char)(c & 0xFF));
            entry.value.push_back((unsigned char)(c >> 8));
        }
        entry.value.push_back(0);
        entry.value.push_back(0);
        entry.valueLength = (WORD)(item.value.size() + 1);
        table.children.push_back(entry);
    }
    Node stringInfo = TextNode(L"StringFileInfo");
    stringInfo.children.push_back(table);

    Node translation{L"Translation", {}, 0, 0, {}};
    for (DWORD entry : translations) {
        for (int shift = 0; shift < 32; shift += 8) {
            translation.value.push_back((unsigned char)(entry >> shift));
        }
    }
    translation.valueLength = (WORD)translation.value.size();
    Node varInfo = TextNode(L"VarFileInfo");
    varInfo.children.push_back(translation);

    root.children.push_back(stringInfo);
    root.children.push_back(varInfo);
    std::vector<unsigned char> out;
    Serialize(root, &out);
    return out;
}

namespace {

// One resource of a module, copied out of it.
struct Resource {
    std::string type;  // "#n" for an ordinal
    std::string name;
    WORD language;
    std::vector<unsigned char> data;
};

std::string IdText(LPCSTR id)
{
    return IS_INTRESOURCE(id) ? "#" + std::to_string((unsigned)(ULONG_PTR)id) : std::string(id);
}

LPCSTR IdOf(const std::string& text)
{
    return text[0] == '#' ? MAKEINTRESOURCEA(atoi(text.c_str() + 1)) : text.c_str();
}

struct Collector {
    HMODULE module;
    std::vector<Resource> resources;
};

BOOL CALLBACK CollectLanguage(HMODULE module, LPCSTR type, LPCSTR name, WORD language, LONG_PTR parameter)
{
    Collector* collector = (Collector*)parameter;
    HRSRC found = FindResourceExA(module, type, name, language);
    const unsigned char* data = (const unsigned char*)LockResource(LoadResource(module, found));
    DWORD size = SizeofResource(module, found);
    collector->resources.push_back(
        Resource{IdText(type), IdText(name), language, std::vector<unsigned char>(data, data + size)});
    return TRUE;
}

BOOL CALLBACK CollectName(HMODULE module, LPCSTR type, LPSTR name, LONG_PTR parameter)
{
    EnumResourceLanguagesA(module, type, name, CollectLanguage, parameter);
    return TRUE;
}

BOOL CALLBACK CollectType(HMODULE module, LPSTR type, LONG_PTR parameter)
{
    EnumResourceNamesA(module, type, CollectName, parameter);
    return TRUE;
}

// Wine's UpdateResource does not remove a resource, so the file's resources
// are written anew without the version block.
bool RemoveVersionBlock(const std::string& path)
{
    Collector collector;
    collector.module = LoadLibraryExA(path.c_str(), NULL, LOAD_LIBRARY_AS_DATAFILE);
    if (collector.module == NULL) {
        return false;
    }
    EnumResourceTypesA(collector.module, CollectType, (LONG_PTR)&collector);
    FreeLibrary(collector.module);
    HANDLE update = BeginUpdateResourceA(path.c_str(), TRUE);
    if (update == NULL) {
        return false;
    }
    bool done = !collector.resources.empty();
    for (Resource& resource : collector.resources) {
        if (resource.type == IdText((LPCSTR)RT_VERSION)) {
            continue;
        }
        done = UpdateResourceA(update, IdOf(resource.type), IdOf(resource.name), resource.language,
                               resource.data.data(), (DWORD)resource.data.size()) && done;
    }
    return EndUpdateResourceA(update, !done) && done;
}

}  // namespace

bool ReplaceVersionBlock(const std::string& path, const std::vector<unsigned char>& block)
{
    if (block.empty()) {
        return RemoveVersionBlock(path);
    }
    HANDLE update = BeginUpdateResourceA(path.c_str(), FALSE);
    if (update == NULL) {
        return false;
    }
    BOOL done = UpdateResourceA(update, RT_VERSION, MAKEINTRESOURCEA(1), MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT),
                                (void*)block.data(), (DWORD)block.size());
    return EndUpdateResourceA(update, !done) && done;
}
