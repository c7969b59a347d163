#include "app/ItemNames.h"

#include <cctype>

#include "platform/TextCase.h"

namespace {

bool IsReservedDeviceName(const std::string& name) {
    // Windows reserves these with any extension, in any case, with trailing spaces too.
    std::string stem = name.substr(0, name.find('.'));
    while (!stem.empty() && stem.back() == ' ')
        stem.pop_back();
    for (const char* reserved : {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"})
        if (EqualNoCase(stem, reserved))
            return true;
    if (stem.size() == 4 &&
        (EqualNoCase(stem.substr(0, 3), "COM") || EqualNoCase(stem.substr(0, 3), "LPT")))
        return stem[3] >= '0' && stem[3] <= '9';
    return false;
}

}  // namespace

bool IsSafeItemName(const std::string& name, NameRules rules) {
    if (name.empty() || name == "." || name == "..")
        return false;
    if (name.find_first_of("\\/") != std::string::npos)
        return false;
    if (name.size() >= 2 && std::isalpha(static_cast<unsigned char>(name[0])) && name[1] == ':')
        return false;
    if (rules == NameRules::Windows) {
        if (name.find(':') != std::string::npos)
            return false;
        if (name.back() == '.' || name.back() == ' ')
            return false;
        for (unsigned char c : name)
            if (c < 32)
                return false;
        if (IsReservedDeviceName(name))
            return false;
    }
    return true;
}
