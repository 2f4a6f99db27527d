#include "association/store/user_copy.h"

#include <stdlib.h>

#include "association/store/class_registry.h"

// In UTF-16, so that no text goes through the code page, and at whatever
// size the machine's key holds.
int KeepMachineValues(const char* subKey, HKEY userKey)
{
    char name[ROOTED_NAME_SIZE];
    HKEY machineKey;
    if (!RootedName(name, HKEY_LOCAL_MACHINE, subKey) || !OpenClassKey(HKEY_LOCAL_MACHINE, name, &machineKey)) {
        return 1;
    }
    DWORD count = 0;
    DWORD nameChars = 0;
    DWORD dataBytes = 0;
    LONG result = RegQueryInfoKeyW(machineKey, NULL, NULL, NULL, NULL, NULL, NULL, &count, &nameChars,
                                   &dataBytes, NULL, NULL);
    WCHAR* valueName = (WCHAR*)malloc((nameChars + 1) * sizeof(WCHAR) + dataBytes);
    BYTE* data = (BYTE*)(valueName + nameChars + 1);
    if (valueName == NULL) {
        result = ERROR_OUTOFMEMORY;
    }
    for (DWORD index = 0; result == ERROR_SUCCESS && index < count; ++index) {
        DWORD nameLength = nameChars + 1;
        DWORD dataLength = dataBytes;
        DWORD type;
        result = RegEnumValueW(machineKey, index, valueName, &nameLength, NULL, &type, data, &dataLength);
        if (result == ERROR_SUCCESS) {
            result = RegSetValueExW(userKey, valueName, 0, type, data, dataLength);
        }
    }
    free(valueName);
    RegCloseKey(machineKey);
    return result == ERROR_SUCCESS;
}
