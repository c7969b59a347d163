#include "platform/win32/ui/RegistrySettings.h"

#include <windows.h>

#include <vector>

#include "platform/win32/Scoped.h"

namespace {

// Reads one value of the given type; false when absent or of another type.
bool ReadValue(const std::string& key, const std::string& name, DWORD type,
               std::vector<BYTE>& data) {
    ScopedKey handle;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, handle.Receive()) !=
        ERROR_SUCCESS)
        return false;
    DWORD actual = 0, size = 0;
    if (RegQueryValueExA(handle.Get(), name.c_str(), nullptr, &actual, nullptr, &size) !=
            ERROR_SUCCESS ||
        actual != type)
        return false;
    data.assign(size + 1, 0);
    const bool ok = RegQueryValueExA(handle.Get(), name.c_str(), nullptr, &actual, data.data(),
                                     &size) == ERROR_SUCCESS;
    data.resize(size);
    return ok;
}

bool WriteValue(const std::string& key, const std::string& name, DWORD type, const void* data,
                DWORD size) {
    ScopedKey handle;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                        handle.Receive(), nullptr) != ERROR_SUCCESS)
        return false;
    return RegSetValueExA(handle.Get(), name.c_str(), 0, type, static_cast<const BYTE*>(data),
                          size) == ERROR_SUCCESS;
}

}  // namespace

RegistrySettings::RegistrySettings(const std::string& program)
    : programKey_("Software\\Stonemere Software\\" + program) {}

std::string RegistrySettings::KeyOf(const std::string& section) const {
    return programKey_ + "\\" + section;
}

std::string RegistrySettings::GetString(const std::string& section, const std::string& name,
                                        const std::string& fallback) {
    std::vector<BYTE> data;
    if (!ReadValue(KeyOf(section), name, REG_SZ, data))
        return fallback;
    std::string text(data.begin(), data.end());
    return text.substr(0, text.find('\0'));
}

int RegistrySettings::GetInt(const std::string& section, const std::string& name, int fallback) {
    std::vector<BYTE> data;
    if (!ReadValue(KeyOf(section), name, REG_DWORD, data) || data.size() != sizeof(DWORD))
        return fallback;
    DWORD value;
    memcpy(&value, data.data(), sizeof(value));
    return static_cast<int>(value);
}

bool RegistrySettings::SetString(const std::string& section, const std::string& name,
                                 const std::string& value) {
    return WriteValue(KeyOf(section), name, REG_SZ, value.c_str(),
                      static_cast<DWORD>(value.size() + 1));
}

bool RegistrySettings::SetInt(const std::string& section, const std::string& name, int value) {
    const DWORD word = static_cast<DWORD>(value);
    return WriteValue(KeyOf(section), name, REG_DWORD, &word, sizeof(word));
}

bool RegistrySettings::Remove(const std::string& section, const std::string& name) {
    ScopedKey handle;
    const LONG opened = RegOpenKeyExA(HKEY_CURRENT_USER, KeyOf(section).c_str(), 0, KEY_SET_VALUE,
                                      handle.Receive());
    if (opened == ERROR_FILE_NOT_FOUND)
        return true;
    if (opened != ERROR_SUCCESS)
        return false;
    const LONG deleted = RegDeleteValueA(handle.Get(), name.c_str());
    return deleted == ERROR_SUCCESS || deleted == ERROR_FILE_NOT_FOUND;
}
