#include "platform/win32/com/RegistryKeys.h"

#include <vector>

#include "platform/win32/Scoped.h"

bool DeleteKeyTree(HKEY parent, const std::string& name) {
    ScopedKey key;
    LONG opened = RegOpenKeyExA(parent, name.c_str(), 0, KEY_READ | KEY_WRITE, key.Receive());
    if (opened == ERROR_FILE_NOT_FOUND)
        return true;
    if (opened != ERROR_SUCCESS)
        return false;
    // Collect the names first: deleting while enumerating shifts the indices.
    std::vector<std::string> subkeys;
    char subkey[256];
    for (DWORD index = 0;; ++index) {
        DWORD length = sizeof subkey;
        if (RegEnumKeyExA(key.Get(), index, subkey, &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        subkeys.emplace_back(subkey, length);
    }
    bool ok = true;
    for (const std::string& child : subkeys)
        ok = DeleteKeyTree(key.Get(), child) && ok;
    key.Reset();
    return ok && RegDeleteKeyA(parent, name.c_str()) == ERROR_SUCCESS;
}

bool KeyHasNoSubkeys(HKEY parent, const std::string& name) {
    ScopedKey key;
    if (RegOpenKeyExA(parent, name.c_str(), 0, KEY_READ, key.Receive()) != ERROR_SUCCESS)
        return false;
    DWORD subkeys = 0;
    LONG queried = RegQueryInfoKeyA(key.Get(), nullptr, nullptr, nullptr, &subkeys, nullptr,
                                    nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
    return queried == ERROR_SUCCESS && subkeys == 0;
}

bool SetStringValue(HKEY key, const std::string& name, const std::string& data) {
    return RegSetValueExA(key, name.empty() ? nullptr : name.c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(data.c_str()),
                          static_cast<DWORD>(data.size() + 1)) == ERROR_SUCCESS;
}
