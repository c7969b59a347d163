#include "shellmenu/win32/RegisteredServer.h"

#include <cstring>

#include "platform/win32/Scoped.h"
#include "platform/win32/com/ComModule.h"

std::optional<std::string> RegisteredServerPath(REFCLSID clsid) {
    const std::string name = "CLSID\\" + GuidString(clsid) + "\\InProcServer32";
    ScopedKey key;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, name.c_str(), 0, KEY_READ, key.Receive()) != ERROR_SUCCESS)
        return std::nullopt;
    DWORD type = 0, size = 0;
    if (RegQueryValueExA(key.Get(), nullptr, nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        type != REG_SZ)
        return std::nullopt;
    std::string value(size + 1, '\0');
    if (RegQueryValueExA(key.Get(), nullptr, nullptr, &type, reinterpret_cast<BYTE*>(value.data()),
                         &size) != ERROR_SUCCESS ||
        type != REG_SZ)
        return std::nullopt;
    value.resize(std::strlen(value.c_str()));  // stored with or without its terminator
    return value;
}
