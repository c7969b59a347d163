#include "platform/ShellTypeName.h"

#include "platform/TextCase.h"

// Without a shell to ask, name the type the way Explorer does for unregistered extensions.
std::string ShellTypeName(const std::string& fileName) {
    const size_t slash = fileName.find_last_of("\\/");
    const size_t dot = fileName.rfind('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash) ||
        dot + 1 == fileName.size())
        return "File";
    return UpperCase(fileName.substr(dot + 1)) + " File";
}
