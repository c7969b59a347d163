#include "platform/ShellTypeName.h"

#include <windows.h>

#include <shellapi.h>

#include <map>
#include <mutex>

#include "platform/TextCase.h"

// Asking the shell is slow; archives hold many entries of few types, so remember each answer.
std::string ShellTypeName(const std::string& fileName) {
    const size_t slash = fileName.find_last_of("\\/");
    const size_t dot = fileName.rfind('.');
    const std::string key =
        (dot == std::string::npos || (slash != std::string::npos && dot < slash))
            ? std::string()
            : UpperCase(fileName.substr(dot));
    static std::mutex lock;
    static std::map<std::string, std::string> known;
    std::lock_guard<std::mutex> guard(lock);
    auto found = known.find(key);
    if (found != known.end())
        return found->second;
    SHFILEINFOA info = {};
    const std::string probe = "file" + key;
    SHGetFileInfoA(probe.c_str(), FILE_ATTRIBUTE_NORMAL, &info, sizeof info,
                   SHGFI_TYPENAME | SHGFI_DISPLAYNAME | SHGFI_USEFILEATTRIBUTES);
    return known[key] = info.szTypeName;
}
