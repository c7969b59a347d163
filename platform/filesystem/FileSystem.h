#pragma once
// File-system seam: the few disk operations where Win32 and POSIX differ.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The separator of disk paths: '\' on Windows, '/' elsewhere.
extern const char kPathSeparator;

bool IsPathSeparator(char c);
// a + separator + b; no doubled separator when a already ends with one.
std::string JoinPath(const std::string& a, const std::string& b);
// The part after the last separator.
std::string PathLeaf(const std::string& path);
// The part before the last separator; empty when there is none.
std::string PathParent(const std::string& path);

struct FileStatus {
    bool isDirectory = false;
    // Neither a regular file nor a directory: a pipe, socket or device, whose reading may
    // never end.
    bool isOther = false;
    std::uint64_t size = 0;
    std::uint32_t modified = 0;  // seconds since 1970-01-01 UTC
};

struct DirectoryItem {
    std::string name;
    bool isDirectory = false;  // a link to a directory counts as one
    bool isLink = false;       // a symbolic link, junction or other reparse point
    // A file's size and time as the listing found them, so that adding a folder tree need not
    // look every file up again by its full path. Empty when the listing could not tell.
    std::optional<FileStatus> status;
    // The listing found that the file may be opened for reading; false when it could not tell.
    bool readable = false;
};
// The items of a directory in the order the file system returns them, without "." and "..".
// Empty (and false) when the directory cannot be read.
bool ListDirectory(const std::string& path, std::vector<DirectoryItem>& items);

// Nothing when the path does not exist or cannot be read.
std::optional<FileStatus> ReadFileStatus(const std::string& path);

// True when path itself is a symbolic link (on Windows also a junction or other reparse
// point), whether or not it leads anywhere.
bool IsLink(const std::string& path);

// The absolute form of a path, with "." and ".." resolved by name (links are not followed).
std::string FullPathName(const std::string& path);

// Creates a directory and every missing parent; an existing directory is no error.
bool CreateDirectories(const std::string& path);

// True when both paths name the same existing file, however they are spelled.
bool IsSameFile(const std::string& a, const std::string& b);
// True when the directory at inner is the directory at outer or lies below it, following the
// file system's own parent links (so links on the way count where they lead).
bool IsInsideDirectory(const std::string& inner, const std::string& outer);

// True when the file may be opened for reading.
bool CanReadFile(const std::string& path);
