#include "common/windows_helpers.h"

#include "common/registry_helpers.h"

#include <vector>

std::wstring Widen(const std::string& text)
{
    int length = MultiByteToWideChar(932, 0, text.c_str(), -1, NULL, 0);
    std::vector<wchar_t> wide(length > 0 ? length : 1, L'\0');
    MultiByteToWideChar(932, 0, text.c_str(), -1, wide.data(), (int)wide.size());
    return wide.data();
}

std::string Default(const std::string& key, HKEY root)
{
    std::string text;
    return ReadDefault(key, &text, root) ? text : "<absent>";
}

bool MakeShortcut(const std::wstring& path, const std::wstring& target, LPCITEMIDLIST items)
{
    HRESULT com = CoInitializeEx(NULL, COINIT_APARTMENTTHREADED);
    IShellLinkW* link = NULL;
    IPersistFile* file = NULL;
    bool saved = SUCCEEDED(CoCreateInstance(CLSID_ShellLink, NULL, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                            (void**)&link))
                 && SUCCEEDED(items != NULL ? link->SetIDList(items) : link->SetPath(target.c_str()))
                 && SUCCEEDED(link->QueryInterface(IID_IPersistFile, (void**)&file))
                 && SUCCEEDED(file->Save(path.c_str(), TRUE));
    if (file != NULL) {
        file->Release();
    }
    if (link != NULL) {
        link->Release();
    }
    if (SUCCEEDED(com)) {
        CoUninitialize();
    }
    return saved;
}

bool MakeShortcut(const std::string& path, const std::string& target)
{
    return MakeShortcut(Widen(path), Widen(target));
}
