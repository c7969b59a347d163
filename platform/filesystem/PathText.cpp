#include "platform/FileSystem.h"

std::string JoinPath(const std::string& a, const std::string& b) {
    if (a.empty())
        return b;
    if (IsPathSeparator(a.back()))
        return a + b;
    return a + kPathSeparator + b;
}

std::string PathLeaf(const std::string& path) {
    for (size_t i = path.size(); i > 0; --i) {
        if (IsPathSeparator(path[i - 1]))
            return path.substr(i);
    }
    return path;
}

std::string PathParent(const std::string& path) {
    for (size_t i = path.size(); i > 0; --i) {
        if (IsPathSeparator(path[i - 1]))
            return path.substr(0, i - 1);
    }
    return {};
}
