#include "association/user_view.h"

#include "association/class_registry.h"
#include "common/bounded_text.h"

// Copies every value of the machine's key (not its subkeys) into the
// per-user key of the same name, in UTF-16 so that no text goes through the
// code page. 1 when the machine has no such key or all its values were
// copied; 0 when one could not be read whole or written.
static int CopyMachineValues(const char* subKey, HKEY userKey)
{
    static const char kMachineClasses[] = "Software\\Classes";
    char name[sizeof(kMachineClasses) + ASSOC_KEY_NAME_SIZE];
    HKEY machineKey;
    if (!FormatText(name, sizeof(name), "%s\\%s", kMachineClasses, subKey)
        || RegOpenKeyExA(HKEY_LOCAL_MACHINE, name, 0, KEY_QUERY_VALUE, &machineKey) != ERROR_SUCCESS) {
        return 1;
    }
    WCHAR valueName[256];
    BYTE data[4096];
    LONG result = ERROR_SUCCESS;
    for (DWORD index = 0; result == ERROR_SUCCESS; ++index) {
        DWORD nameLength = sizeof(valueName) / sizeof(valueName[0]);
        DWORD dataLength = sizeof(data);
        DWORD type;
        result = RegEnumValueW(machineKey, index, valueName, &nameLength, NULL, &type, data, &dataLength);
        if (result == ERROR_SUCCESS) {
            result = RegSetValueExW(userKey, valueName, 0, type, data, dataLength);
        }
    }
    RegCloseKey(machineKey);
    return result == ERROR_NO_MORE_ITEMS;
}

// The verb and command keys get none: a machine MUIVerb or DelegateExecute
// there would override what the user asked for.
int KeepUserView(const LayoutNames* names, int last, unsigned existing)
{
    char name[sizeof(kUserClasses) + ASSOC_KEY_NAME_SIZE];
    for (int level = 0; level <= last && level <= LEVEL_SHELL; ++level) {
        HKEY key;
        if (existing & (1u << level)) {
            continue;
        }
        if (!RootedName(name, sizeof(name), HKEY_CURRENT_USER, names->name[level])
            || RegOpenKeyExA(HKEY_CURRENT_USER, name, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) {
            return 0;
        }
        int copied = CopyMachineValues(names->name[level], key);
        RegCloseKey(key);
        if (!copied) {
            return 0;
        }
    }
    return 1;
}

