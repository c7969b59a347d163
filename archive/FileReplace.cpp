#include "archive/FileReplace.h"

#include <sys/stat.h>

#include <cstdio>

#include "platform/Format.h"

bool PathExists(const std::string& path) {
    struct stat status;
    return stat(path.c_str(), &status) == 0;
}

void RemoveFile(const std::string& path) {
    std::remove(path.c_str());
}

std::string TemporaryPathBeside(const std::string& target) {
    for (unsigned attempt = 0; attempt < 1000; ++attempt) {
        std::string candidate = Format("%s.%u.saving", target.c_str(), attempt);
        if (!PathExists(candidate))
            return candidate;
    }
    return std::string();
}
