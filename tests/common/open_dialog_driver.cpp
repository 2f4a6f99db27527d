#include "common/open_dialog_driver.h"

#include "common/window_driver.h"

#include <commctrl.h>

#include <vector>

HWND OpenDialog::Control(int id) const
{
    return ChildById(custom, id);
}

namespace {

struct ChildSearch {
    const char* className;
    int id;
    HWND found;
};

BOOL CALLBACK MatchChild(HWND window, LPARAM parameter)
{
    ChildSearch* search = (ChildSearch*)parameter;
    char name[64];
    GetClassNameA(window, name, sizeof(name));
    if (lstrcmpiA(name, search->className) == 0 && (search->id < 0 || GetDlgCtrlID(window) == search->id)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

// A descendant of parent with this class (and identifier, unless -1).
HWND FindDescendant(HWND parent, const char* className, int id)
{
    ChildSearch search = {className, id, NULL};
    EnumChildWindows(parent, MatchChild, (LPARAM)&search);
    return search.found;
}

HWND FindCustomChild(HWND window)
{
    for (HWND child = GetWindow(window, GW_CHILD); child != NULL; child = GetWindow(child, GW_HWNDNEXT)) {
        char name[64];
        GetClassNameA(child, name, sizeof(name));
        if (lstrcmpA(name, "#32770") == 0 && ChildById(child, 1010) != NULL) {
            return child;
        }
    }
    return NULL;
}

// Memory in the dialog's process for the list view's structures.
struct RemoteBlock {
    HANDLE process;
    void* address;
    RemoteBlock(HANDLE p, size_t size) : process(p)
    {
        address = VirtualAllocEx(process, NULL, size, MEM_COMMIT, PAGE_READWRITE);
    }
    ~RemoteBlock()
    {
        if (address) VirtualFreeEx(process, address, 0, MEM_RELEASE);
    }
    bool Write(const void* data, size_t size, size_t offset = 0)
    {
        return WriteProcessMemory(process, (char*)address + offset, data, size, NULL) != FALSE;
    }
    bool Read(void* data, size_t size, size_t offset = 0)
    {
        return ReadProcessMemory(process, (char*)address + offset, data, size, NULL) != FALSE;
    }
};

std::string ItemText(HWND list, RemoteBlock* block, int index)
{
    const size_t textOffset = 256;
    LVITEMA item = {};
    item.iSubItem = 0;
    item.cchTextMax = 260;
    item.pszText = (char*)block->address + textOffset;
    block->Write(&item, sizeof(item));
    LRESULT length = SendMessageA(list, LVM_GETITEMTEXTA, index, (LPARAM)block->address);
    char text[264] = "";
    block->Read(text, sizeof(text) - 4, textOffset);
    return std::string(text, length > 0 && length < 260 ? (size_t)length : 0);
}

HWND ListView(const OpenDialog& dialog)
{
    return FindDescendant(dialog.window, "SysListView32", -1);
}

}  // namespace

OpenDialog WaitForOpenDialog(const std::string& title, DWORD processId, DWORD timeoutMs)
{
    OpenDialog dialog;
    DWORD start = GetTickCount();
    dialog.window = WaitForWindow(title, processId, timeoutMs);
    while (dialog.window != NULL && GetTickCount() - start < timeoutMs) {
        dialog.custom = FindCustomChild(dialog.window);
        if (dialog.custom != NULL && ListView(dialog) != NULL) {
            break;
        }
        Sleep(20);
    }
    if (dialog.window != NULL) {
        Settle(dialog.window);
    }
    return dialog;
}

HWND FileNameBox(const OpenDialog& dialog)
{
    HWND box = ChildById(dialog.window, 0x480);
    return box != NULL ? box : ChildById(dialog.window, 0x47C);
}

std::string LookInText(const OpenDialog& dialog)
{
    HWND combo = ChildById(dialog.window, 0x471);
    if (combo == NULL) {
        return "";
    }
    LRESULT selected = SendMessageA(combo, CB_GETCURSEL, 0, 0);
    char text[512] = "";
    LRESULT length = SendMessageA(combo, CB_GETLBTEXTLEN, selected, 0);
    if (selected < 0 || length <= 0 || length >= (LRESULT)sizeof(text)) {
        return GetText(combo);
    }
    SendMessageA(combo, CB_GETLBTEXT, selected, (LPARAM)text);
    return text;
}

std::string ListedNames(const OpenDialog& dialog, HANDLE process)
{
    HWND list = ListView(dialog);
    RemoteBlock block(process, 4096);
    std::string names;
    int count = (int)SendMessageA(list, LVM_GETITEMCOUNT, 0, 0);
    for (int i = 0; i < count; ++i) {
        names += ItemText(list, &block, i) + "|";
    }
    return names;
}

bool SelectListedFile(const OpenDialog& dialog, HANDLE process, const std::string& name)
{
    HWND list = ListView(dialog);
    if (list == NULL) {
        return false;
    }
    RemoteBlock block(process, 4096);
    int count = (int)SendMessageA(list, LVM_GETITEMCOUNT, 0, 0);
    for (int i = 0; i < count; ++i) {
        if (ItemText(list, &block, i) != name) {
            continue;
        }
        LVITEMA item = {};
        item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        item.state = LVIS_SELECTED | LVIS_FOCUSED;
        block.Write(&item, sizeof(item));
        SendMessageA(list, LVM_SETITEMSTATE, i, (LPARAM)block.address);
        Settle(dialog.window);
        return true;
    }
    return false;
}

void PressOk(const OpenDialog& dialog)
{
    PostMessageA(dialog.window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}

void PressCancel(const OpenDialog& dialog)
{
    PostMessageA(dialog.window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
}
