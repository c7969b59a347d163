#include "app/win32/wizard/ModuleStrings.h"

#include <vector>

std::optional<std::string> LoadModuleString(HINSTANCE module, UINT id) {
    std::vector<char> text(65536);  // a string resource holds at most 65535 characters
    const int length = LoadStringA(module, id, text.data(), static_cast<int>(text.size()));
    if (length <= 0)
        return std::nullopt;  // no such string (an empty one cannot be stored)
    return std::string(text.data(), length);
}
