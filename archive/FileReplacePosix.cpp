#include <sys/stat.h>

#include <cstdio>

#include "archive/FileReplace.h"

bool ReplaceFileWith(const std::string& source, const std::string& target) {
    struct stat status;
    if (stat(target.c_str(), &status) == 0)
        chmod(source.c_str(), status.st_mode & 07777);
    return std::rename(source.c_str(), target.c_str()) == 0;
}
