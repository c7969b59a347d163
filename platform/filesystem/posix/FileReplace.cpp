#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <vector>

#include "platform/filesystem/FileReplace.h"

namespace {

constexpr int kLinkHops = 40;  // as the system's own limit on links in a path

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

std::string LeafOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Removes path when it is a plain file that no live save holds locked.
void RemoveIfUnused(const std::string& path) {
    const int descriptor = open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        return;
    struct stat status;
    if (fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode) &&
        flock(descriptor, LOCK_EX | LOCK_NB) == 0)
        unlink(path.c_str());
    close(descriptor);
}

}  // namespace

std::string ReplacedFilePath(const std::string& path) {
    std::string current = path;
    for (int hop = 0; hop < kLinkHops; ++hop) {
        struct stat status;
        if (lstat(current.c_str(), &status) != 0 || !S_ISLNK(status.st_mode))
            return current;
        std::vector<char> text(static_cast<std::size_t>(status.st_size) + 256);
        const ssize_t length = readlink(current.c_str(), text.data(), text.size());
        if (length <= 0 || static_cast<std::size_t>(length) >= text.size())
            return current;
        const std::string link(text.data(), static_cast<std::size_t>(length));
        current = link[0] == '/' ? link : FolderOf(current) + "/" + link;
    }
    return path;  // a loop of links: nothing to follow to
}

bool ReplaceFileWith(const std::string& source, const std::string& target) {
    const std::string replaced = ReplacedFilePath(target);
    struct stat status;
    if (stat(replaced.c_str(), &status) == 0)
        chmod(source.c_str(), status.st_mode & 07777);
    return std::rename(source.c_str(), replaced.c_str()) == 0;
}

bool file_replace::NameTaken(const std::string& path) {
    struct stat status;
    return lstat(path.c_str(), &status) == 0;
}

void file_replace::RemoveUnusedTemporaries(const std::string& target) {
    const std::string folder = FolderOf(target);
    const std::string leaf = LeafOf(target);
    DIR* listing = opendir(folder.c_str());
    if (!listing)
        return;
    std::vector<std::string> found;
    while (const dirent* item = readdir(listing))
        if (IsTemporaryName(leaf, item->d_name))
            found.push_back(folder + "/" + item->d_name);
    closedir(listing);
    for (const std::string& path : found)
        RemoveIfUnused(path);
}
