#include <windows.h>

#include <vector>

#include "platform/filesystem/FileReplace.h"
#include "platform/win32/Scoped.h"

namespace {

std::string FolderPrefixOf(const std::string& path) {
    const std::size_t separator = path.find_last_of("\\/:");
    return separator == std::string::npos ? std::string() : path.substr(0, separator + 1);
}

using FinalPathFunction = DWORD(WINAPI*)(HANDLE, LPSTR, DWORD, DWORD);

// GetFinalPathNameByHandleA, where the system has it (not before Vista, as links).
FinalPathFunction FinalPathName() {
    static const auto function = reinterpret_cast<FinalPathFunction>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "GetFinalPathNameByHandleA")));
    return function;
}

// The files beside target that a save of it may have left, found before any is deleted.
std::vector<std::string> TemporariesOf(const std::string& target) {
    const std::string folder = FolderPrefixOf(target);
    const std::string leaf = target.substr(folder.size());
    std::vector<std::string> found;
    WIN32_FIND_DATAA item;
    const ScopedFind search(FindFirstFileA((target + ".*.saving").c_str(), &item));
    if (!search)
        return found;
    do {
        if (!(item.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) &&
            file_replace::IsTemporaryName(leaf, item.cFileName))
            found.push_back(folder + item.cFileName);
    } while (FindNextFileA(search.Get(), &item));
    return found;
}

}  // namespace

std::string ReplacedFilePath(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_REPARSE_POINT) ||
        !FinalPathName())
        return path;
    const ScopedHandle file(
        CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!file)
        return path;
    char text[MAX_PATH + 8];
    const DWORD length = FinalPathName()(file.Get(), text, sizeof text, 0);
    if (length == 0 || length >= sizeof text)
        return path;
    std::string final(text, length);
    // "\\?\C:\..." for a drive, "\\?\UNC\server\..." for a share.
    if (final.compare(0, 8, "\\\\?\\UNC\\") == 0)
        return "\\\\" + final.substr(8);
    if (final.compare(0, 4, "\\\\?\\") == 0)
        return final.substr(4);
    return final;
}

bool ReplaceFileWith(const std::string& source, const std::string& target) {
    return MoveFileExA(source.c_str(), ReplacedFilePath(target).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool file_replace::NameTaken(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void file_replace::RemoveUnusedTemporaries(const std::string& target) {
    // A live save holds its file open without delete sharing: deleting it fails.
    for (const std::string& path : TemporariesOf(target))
        DeleteFileA(path.c_str());
}
