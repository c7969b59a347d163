#include "archive/ArchivePaths.h"

// Called for every entry of a save: a plain backward scan beats find_last_of here.
std::string FileNameOf(const std::string& path) {
    size_t start = path.size();
    while (start > 0 && path[start - 1] != '\\' && path[start - 1] != '/')
        --start;
    return path.substr(start);
}

std::string FileTitleOf(const std::string& path) {
    const std::string name = FileNameOf(path);
    const size_t dot = name.rfind('.');
    return (dot == std::string::npos || dot == 0) ? name : name.substr(0, dot);
}
