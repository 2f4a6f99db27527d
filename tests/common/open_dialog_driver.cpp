#include "common/open_dialog_driver.h"

#include "common/window_driver.h"

#include <commctrl.h>
#include <shlwapi.h>

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
    LRESULT length = SendWithin(list, LVM_GETITEMTEXTA, index, (LPARAM)block->address);
    char text[264] = "";
    block->Read(text, sizeof(text) - 4, textOffset);
    return std::string(text, length > 0 && length < 260 ? (size_t)length : 0);
}

// The folder view. Looked up afresh each time: the dialog makes a new one
// for each folder it shows.
HWND ListView(const OpenDialog& dialog)
{
    return FindDescendant(dialog.window, "SysListView32", -1);
}

// The index of the item named name in the list, -1 when it is not listed.
int FindListed(HWND list, RemoteBlock* block, const std::string& name)
{
    int count = (int)SendWithin(list, LVM_GETITEMCOUNT, 0, 0);
    for (int i = 0; i < count; ++i) {
        if (ItemText(list, block, i) == name) {
            return i;
        }
    }
    return -1;
}

// The look-in box's name for a folder: its last name. Found by the shell's
// path functions, which skip Shift-JIS trail bytes: the last byte of ソ is
// that of a backslash.
std::string FolderName(const std::string& folder)
{
    char path[MAX_PATH] = "";
    lstrcpynA(path, folder.c_str(), MAX_PATH);
    PathRemoveBackslashA(path);
    return PathFindFileNameA(path);
}

}  // namespace

OpenDialog WaitForOpenDialog(const std::string& title, DWORD processId, DWORD timeoutMs)
{
    OpenDialog dialog;
    DWORD start = GetTickCount();
    dialog.window = WaitForWindow(title, processId, timeoutMs);
    if (dialog.window == NULL) {
        return dialog;
    }
    DWORD spent = GetTickCount() - start;
    WaitUntil(
        [&] {
            dialog.custom = FindCustomChild(dialog.window);
            return dialog.custom != NULL && ListView(dialog) != NULL;
        },
        spent < timeoutMs ? timeoutMs - spent : 0);
    Settle(dialog.window);
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
    // Asked for in UTF-16: Wine hands the A form of CB_GETLBTEXT across
    // processes without converting it.
    LRESULT selected = SendWithin(combo, CB_GETCURSEL, 0, 0);
    DWORD_PTR length = 0;
    WCHAR wide[MAX_PATH] = L"";
    if (selected < 0
        || !SendMessageTimeoutW(combo, CB_GETLBTEXTLEN, selected, 0, SMTO_NORMAL, kWaitMs, &length)
        || length == 0 || length >= MAX_PATH
        || !SendMessageTimeoutW(combo, CB_GETLBTEXT, selected, (LPARAM)wide, SMTO_NORMAL, kWaitMs, &length)) {
        return GetText(combo);
    }
    char text[MAX_PATH * 2] = "";
    WideCharToMultiByte(932, 0, wide, -1, text, sizeof(text), NULL, NULL);
    return text;
}

bool GoToFolder(const OpenDialog& dialog, const std::string& folder)
{
    SetText(FileNameBox(dialog), folder);
    PressOk(dialog);
    return WaitUntil([&] { return LookInText(dialog) == FolderName(folder); });
}

std::string ListedNames(const OpenDialog& dialog, HANDLE process)
{
    HWND list = ListView(dialog);
    RemoteBlock block(process, 4096);
    std::string names;
    int count = (int)SendWithin(list, LVM_GETITEMCOUNT, 0, 0);
    for (int i = 0; i < count; ++i) {
        names += ItemText(list, &block, i) + "|";
    }
    return names;
}

bool WaitForListedName(const OpenDialog& dialog, HANDLE process, const std::string& name)
{
    RemoteBlock block(process, 4096);
    return WaitUntil([&] {
        HWND list = ListView(dialog);
        return list != NULL && FindListed(list, &block, name) >= 0;
    });
}

bool SelectListedFile(const OpenDialog& dialog, HANDLE process, const std::string& name)
{
    RemoteBlock block(process, 4096);
    HWND list = NULL;
    int index = -1;
    bool listed = WaitUntil([&] {
        list = ListView(dialog);
        index = list != NULL ? FindListed(list, &block, name) : -1;
        return index >= 0;
    });
    if (!listed) {
        return false;
    }
    LVITEMA item = {};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    block.Write(&item, sizeof(item));
    SendWithin(list, LVM_SETITEMSTATE, index, (LPARAM)block.address);
    Settle(dialog.window);
    return (SendWithin(list, LVM_GETITEMSTATE, index, LVIS_SELECTED) & LVIS_SELECTED) != 0;
}

void PressOk(const OpenDialog& dialog)
{
    PostMessageA(dialog.window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}

void PressCancel(const OpenDialog& dialog)
{
    PostMessageA(dialog.window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
}
