#include "app/win32/ShellRegistration.h"

#include <windows.h>

#include "app/ShellFileType.h"
#include "platform/win32/Scoped.h"
#include "platform/win32/com/RegistryKeys.h"

namespace {

bool WriteKeys(HKEY root, const std::string& programPath) {
    for (const ShellKeyValue& entry : ShellFileTypeKeys(programPath)) {
        ScopedKey key;
        if (RegCreateKeyExA(root, entry.key.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                            KEY_SET_VALUE, nullptr, key.Receive(), nullptr) != ERROR_SUCCESS ||
            !SetStringValue(key.Get(), "", entry.value))
            return false;
    }
    return true;
}

}  // namespace

bool RegisterShellFileType(const std::string& programPath) {
    if (WriteKeys(HKEY_CLASSES_ROOT, programPath))
        return true;
    // Without the rights for the machine's classes: the user's, which the shell reads first.
    ScopedKey userClasses;
    return RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Classes", 0, nullptr,
                           REG_OPTION_NON_VOLATILE, KEY_CREATE_SUB_KEY, nullptr,
                           userClasses.Receive(), nullptr) == ERROR_SUCCESS &&
           WriteKeys(userClasses.Get(), programPath);
}

std::string RegisteredIconValue() {
    char value[256] = "";
    LONG size = sizeof(value);
    if (RegQueryValueA(HKEY_CLASSES_ROOT, kArchiveIconKey, value, &size) != ERROR_SUCCESS)
        return {};
    value[sizeof(value) - 1] = '\0';
    return value;
}
