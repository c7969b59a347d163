#include "platform/filesystem/FileSystem.h"

std::string JoinPath(const std::string& a, const std::string& b) {
    if (a.empty())
        return b;
    if (IsPathSeparator(a.back()))
        return a + b;
    return a + kPathSeparator + b;
}

std::string PathLeaf(const std::string& path) {
    for (size_t i = path.size(); i > 0; --i)
        if (IsPathSeparator(path[i - 1]))
            return path.substr(i);
    return path;
}

bool IsInsideDirectory(const std::string& inner, const std::string& outer) {
    // Up through "..", which the file system resolves where links lead; the walk ends at the
    // top, whose parent is itself.
    std::string at = inner;
    for (int depth = 0; depth < 4096 && ReadFileStatus(at); ++depth) {
        if (IsSameFile(at, outer))
            return true;
        const std::string up = JoinPath(at, "..");
        if (IsSameFile(up, at))
            return false;
        at = up;
    }
    return false;
}

std::string PathParent(const std::string& path) {
    for (size_t i = path.size(); i > 0; --i)
        if (IsPathSeparator(path[i - 1]))
            return path.substr(0, i - 1);
    return {};
}
