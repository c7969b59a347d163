#include <dirent.h>
#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string_view>
#include <vector>

#include "platform/filesystem/FileSystem.h"

const char kPathSeparator = '/';

bool IsPathSeparator(char c) {
    return c == '/';
}

namespace {

FileStatus StatusOf(const struct stat& st) {
    FileStatus status;
    status.isDirectory = S_ISDIR(st.st_mode);
    status.isOther = !status.isDirectory && !S_ISREG(st.st_mode);
    status.size = static_cast<std::uint64_t>(st.st_size);
    status.modified = static_cast<std::uint32_t>(st.st_mtime);
    return status;
}

}  // namespace

bool ListDirectory(const std::string& path, std::vector<DirectoryItem>& items) {
    items.clear();
    const uid_t owner = getuid();  // the user access() asks for
    DIR* dir = opendir(path.c_str());
    if (!dir)
        return false;
    while (const dirent* found = readdir(dir)) {
        DirectoryItem item;
        item.name = found->d_name;
        if (item.name == "." || item.name == "..")
            continue;
        item.isDirectory = found->d_type == DT_DIR;
        item.isLink = found->d_type == DT_LNK;
        struct stat st;
        if (found->d_type == DT_UNKNOWN) {
            item.isLink = fstatat(dirfd(dir), found->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 &&
                          S_ISLNK(st.st_mode);
        }
        // Looked up relative to the open directory: cheaper than by full path.
        if (!item.isDirectory && fstatat(dirfd(dir), found->d_name, &st, 0) == 0) {
            item.isDirectory = S_ISDIR(st.st_mode);
            if (!item.isDirectory) {
                item.status = StatusOf(st);
                // The owner's read bit decides for the owner (an access list's owner entry
                // is that bit); anyone else is asked about by name in the open directory, not
                // later by the whole path.
                item.readable = (st.st_uid == owner && (st.st_mode & S_IRUSR)) ||
                                faccessat(dirfd(dir), found->d_name, R_OK, 0) == 0;
            }
        }
        items.push_back(std::move(item));
    }
    closedir(dir);
    return true;
}

std::optional<FileStatus> ReadFileStatus(const std::string& path) {
    struct stat st;
    if (path.empty() || stat(path.c_str(), &st) != 0)
        return std::nullopt;
    return StatusOf(st);
}

bool IsLink(const std::string& path) {
    struct stat st;
    return !path.empty() && lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode);
}

namespace {

// An absolute path without "." or ".." parts or doubled separators is its own full name.
bool IsPlainAbsolute(const std::string& path) {
    if (path.empty() || path[0] != '/')
        return false;
    for (size_t i = 0; i < path.size(); ++i) {
        if (path[i] != '/')
            continue;
        const size_t next = path.find('/', i + 1);
        const std::string_view part(path.data() + i + 1,
                                    (next == std::string::npos ? path.size() : next) - i - 1);
        if (part.empty() || part == "." || part == "..")
            return path.size() == 1;
    }
    return true;
}

}  // namespace

std::string FullPathName(const std::string& path) {
    if (IsPlainAbsolute(path))
        return path;
    std::string absolute = path;
    if (path.empty() || path[0] != '/') {
        std::vector<char> cwd(4096);
        while (!getcwd(cwd.data(), cwd.size())) {
            if (errno != ERANGE)
                return path;
            cwd.resize(cwd.size() * 2);
        }
        absolute = JoinPath(cwd.data(), path);
    }
    std::vector<std::string> parts;
    size_t start = 0;
    while (start <= absolute.size()) {
        size_t end = absolute.find('/', start);
        if (end == std::string::npos)
            end = absolute.size();
        const std::string part = absolute.substr(start, end - start);
        if (part == "..") {
            if (!parts.empty())
                parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        start = end + 1;
    }
    std::string result;
    for (const std::string& part : parts)
        result += "/" + part;
    return result.empty() ? "/" : result;
}

bool CreateDirectories(const std::string& path) {
    if (path.empty())
        return false;
    struct stat st;
    if (stat(path.c_str(), &st) == 0)
        return S_ISDIR(st.st_mode);
    const std::string parent = PathParent(path);
    if (!parent.empty() && parent != path && !CreateDirectories(parent))
        return false;
    return mkdir(path.c_str(), 0777) == 0 || errno == EEXIST;
}

bool IsSameFile(const std::string& a, const std::string& b) {
    struct stat sa, sb;
    if (stat(a.c_str(), &sa) != 0 || stat(b.c_str(), &sb) != 0)
        return false;
    return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

bool CanReadFile(const std::string& path) {
    return access(path.c_str(), R_OK) == 0;
}
