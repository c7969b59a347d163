#include <windows.h>

#include "platform/filesystem/OutputFolder.h"

OutputFolder::~OutputFolder() = default;

bool OutputFolder::Open(const std::string& path) {
    path_ = path;
    if (!path_.empty() && path_.back() != '\\' && path_.back() != '/')
        path_ += '\\';
    return true;
}

bool OutputFolder::Create(const std::string& name, BinaryFile& file) const {
    const std::string path = path_ + name;
    // A link or junction planted in the destination would be written through.
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT))
        return false;
    return file.Create(path);
}

bool OutputFolder::WriteBytes(const std::string& name, const char* bytes, std::size_t count) const {
    BinaryFile output;
    if (!Create(name, output))
        return false;
    const bool written = output.Write(bytes, count);
    return output.Close() && written;
}

bool OutputFolder::CopyBytes(const std::string& name, BinaryFile& from, std::uint64_t offset,
                             std::uint32_t size) const {
    BinaryFile output;
    if (!Create(name, output))
        return false;
    const bool copied = CopyRange(from, offset, size, output);
    return output.Close() && copied;
}
