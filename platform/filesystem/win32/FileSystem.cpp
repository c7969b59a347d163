#include <windows.h>

#include "platform/filesystem/FileSystem.h"
#include "platform/win32/Scoped.h"

const char kPathSeparator = '\\';

bool IsPathSeparator(char c) {
    return c == '\\' || c == '/';
}

namespace {

std::uint32_t UnixSeconds(const FILETIME& time) {
    ULARGE_INTEGER value;
    value.LowPart = time.dwLowDateTime;
    value.HighPart = time.dwHighDateTime;
    const unsigned long long kEpochDifference = 116444736000000000ULL;  // 1601 to 1970
    if (value.QuadPart < kEpochDifference)
        return 0;
    return static_cast<std::uint32_t>((value.QuadPart - kEpochDifference) / 10000000ULL);
}

FileStatus StatusOf(DWORD attributes, DWORD sizeHigh, DWORD sizeLow, const FILETIME& written) {
    FileStatus status;
    status.isDirectory = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    status.size = (static_cast<std::uint64_t>(sizeHigh) << 32) | sizeLow;
    status.modified = UnixSeconds(written);
    return status;
}

bool IsDriveRoot(const std::string& path) {
    return (path.size() == 2 || (path.size() == 3 && IsPathSeparator(path[2]))) && path[1] == ':';
}

}  // namespace

bool ListDirectory(const std::string& path, std::vector<DirectoryItem>& items) {
    items.clear();
    WIN32_FIND_DATAA found;
    const ScopedFind search(FindFirstFileA(JoinPath(path, "*.*").c_str(), &found));
    if (!search)
        return false;
    do {
        const std::string name = found.cFileName;
        if (name == "." || name == "..")
            continue;
        DirectoryItem item;
        item.name = name;
        item.isDirectory = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        item.isLink = (found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
        // A link's own find data says nothing of the file it leads to.
        if (!item.isDirectory && !item.isLink)
            item.status = StatusOf(found.dwFileAttributes, found.nFileSizeHigh, found.nFileSizeLow,
                                   found.ftLastWriteTime);
        items.push_back(std::move(item));
    } while (FindNextFileA(search.Get(), &found));
    return true;
}

std::optional<FileStatus> ReadFileStatus(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (path.empty() || !GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data))
        return std::nullopt;
    return StatusOf(data.dwFileAttributes, data.nFileSizeHigh, data.nFileSizeLow,
                    data.ftLastWriteTime);
}

bool IsLink(const std::string& path) {
    const DWORD attributes =
        path.empty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

std::string FullPathName(const std::string& path) {
    char buffer[MAX_PATH * 4];
    const DWORD length = GetFullPathNameA(path.c_str(), sizeof buffer, buffer, nullptr);
    if (length == 0 || length >= sizeof buffer)
        return path;
    return std::string(buffer, length);
}

bool CreateDirectories(const std::string& path) {
    if (path.empty())
        return false;
    if (IsDriveRoot(path))
        return true;
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES)
        return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    const std::string parent = PathParent(path);
    if (!parent.empty() && parent != path && !CreateDirectories(parent))
        return false;
    return CreateDirectoryA(path.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS;
}

namespace {

bool FileIdentity(const std::string& path, BY_HANDLE_FILE_INFORMATION& info) {
    const ScopedHandle file(
        CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    return file && GetFileInformationByHandle(file.Get(), &info) != 0;
}

}  // namespace

bool IsSameFile(const std::string& a, const std::string& b) {
    BY_HANDLE_FILE_INFORMATION ia, ib;
    if (!FileIdentity(a, ia) || !FileIdentity(b, ib))
        return false;
    return ia.dwVolumeSerialNumber == ib.dwVolumeSerialNumber &&
           ia.nFileIndexHigh == ib.nFileIndexHigh && ia.nFileIndexLow == ib.nFileIndexLow;
}

bool CanReadFile(const std::string& path) {
    const ScopedHandle file(CreateFileA(path.c_str(), GENERIC_READ,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    return static_cast<bool>(file);
}
