#include "platform/filesystem/FileReplace.h"

#include <cstdio>

#include "platform/Format.h"

namespace {
constexpr unsigned kTemporaryNames = 1000;
}

// A save's temporary file is named "<target>.<number>.saving".
bool file_replace::IsTemporaryName(const std::string& targetLeaf, const std::string& name) {
    static const std::string kSuffix = ".saving";
    const std::size_t prefix = targetLeaf.size() + 1;
    if (name.size() <= prefix + kSuffix.size() || name.compare(0, targetLeaf.size(), targetLeaf) ||
        name[targetLeaf.size()] != '.' ||
        name.compare(name.size() - kSuffix.size(), kSuffix.size(), kSuffix))
        return false;
    const std::string number = name.substr(prefix, name.size() - prefix - kSuffix.size());
    return number.size() <= 3 && number.find_first_not_of("0123456789") == std::string::npos;
}

bool CreateTemporaryBeside(const std::string& target, BinaryFile& file, std::string& path) {
    const std::string replaced = ReplacedFilePath(target);
    file_replace::RemoveUnusedTemporaries(replaced);
    for (unsigned attempt = 0; attempt < kTemporaryNames; ++attempt) {
        path = Format("%s.%u.saving", replaced.c_str(), attempt);
        if (file.CreateNew(path))
            return true;
        // Taken names are skipped; any other failure (no folder, no permission) is final.
        if (!file_replace::NameTaken(path))
            break;
    }
    path.clear();
    return false;
}

void RemoveFile(const std::string& path) {
    std::remove(path.c_str());
}
