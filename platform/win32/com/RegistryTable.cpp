#include "platform/win32/com/RegistryTable.h"

#include <olectl.h>

#include "platform/Format.h"
#include "platform/win32/Scoped.h"
#include "platform/win32/com/RegistryKeys.h"

HRESULT WriteRegistryTable(const RegistryRow* rows, const std::string& keyArgument,
                           const std::string& dataArgument) {
    for (const RegistryRow* row = rows; row->root; ++row) {
        std::string keyName = Format(row->keyPattern, keyArgument.c_str());
        ScopedKey key;
        if (RegCreateKeyExA(row->root, keyName.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                            KEY_WRITE, nullptr, key.Receive(), nullptr) != ERROR_SUCCESS)
            return SELFREG_E_CLASS;
        SetStringValue(key.Get(), row->valueName ? Format(row->valueName, keyArgument.c_str()) : "",
                       Format(row->dataPattern, dataArgument.c_str()));
    }
    return S_OK;
}

bool DeleteRegistryValues(const RegistryRow* rows, const std::string& keyArgument) {
    bool ok = true;
    for (const RegistryRow* row = rows; row->root; ++row) {
        ScopedKey key;
        if (RegOpenKeyExA(row->root, Format(row->keyPattern, keyArgument.c_str()).c_str(), 0,
                          KEY_SET_VALUE, key.Receive()) != ERROR_SUCCESS)
            continue;  // no key, no value
        const std::string name = row->valueName ? Format(row->valueName, keyArgument.c_str()) : "";
        LONG deleted = RegDeleteValueA(key.Get(), name.empty() ? nullptr : name.c_str());
        ok = ok && (deleted == ERROR_SUCCESS || deleted == ERROR_FILE_NOT_FOUND);
    }
    return ok;
}

HRESULT DeleteRegistryKeys(HKEY root, const char* const* keyPatterns,
                           const std::string& keyArgument) {
    for (const char* const* pattern = keyPatterns; *pattern; ++pattern)
        if (RegDeleteKeyA(root, Format(*pattern, keyArgument.c_str()).c_str()) != ERROR_SUCCESS)
            return SELFREG_E_CLASS;
    return S_OK;
}
