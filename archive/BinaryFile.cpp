#include "archive/BinaryFile.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

constexpr std::size_t kCopyChunk = 1 << 20;
constexpr std::size_t kStreamBuffer = 1 << 16;

int SeekTo(std::FILE* file, std::uint64_t offset, int whence) {
#ifdef _WIN32
    return _fseeki64(file, static_cast<__int64>(offset), whence);
#else
    return fseeko(file, static_cast<off_t>(offset), whence);
#endif
}

std::uint64_t TellOf(std::FILE* file) {
#ifdef _WIN32
    const __int64 at = _ftelli64(file);
#else
    const off_t at = ftello(file);
#endif
    return at < 0 ? UINT64_MAX : static_cast<std::uint64_t>(at);
}

std::FILE* OpenWithBuffer(const std::string& path, const char* mode) {
    std::FILE* file = std::fopen(path.c_str(), mode);
    if (file)
        std::setvbuf(file, nullptr, _IOFBF, kStreamBuffer);
    return file;
}

}  // namespace

BinaryFile& BinaryFile::operator=(BinaryFile&& other) noexcept {
    if (this != &other) {
        Close();
        file_ = other.file_;
        other.file_ = nullptr;
    }
    return *this;
}

bool BinaryFile::OpenRead(const std::string& path) {
    Close();
    file_ = OpenWithBuffer(path, "rb");
    return file_ != nullptr;
}

bool BinaryFile::Create(const std::string& path) {
    Close();
    file_ = OpenWithBuffer(path, "wb");
    return file_ != nullptr;
}

bool BinaryFile::Close() {
    if (!file_)
        return true;
    const bool ok = std::fclose(file_) == 0;
    file_ = nullptr;
    return ok;
}

std::size_t BinaryFile::Read(void* buffer, std::size_t count) {
    if (!file_ || count == 0)
        return 0;
    return std::fread(buffer, 1, count, file_);
}

bool BinaryFile::Write(const void* data, std::size_t count) {
    if (!file_)
        return false;
    return count == 0 || std::fwrite(data, 1, count, file_) == count;
}

bool BinaryFile::Flush() {
    return file_ && std::fflush(file_) == 0;
}

bool BinaryFile::Seek(std::uint64_t offset) {
    if (!file_ || offset > static_cast<std::uint64_t>(INT64_MAX))
        return false;
    return SeekTo(file_, offset, SEEK_SET) == 0;
}

std::uint64_t BinaryFile::Tell() {
    return file_ ? TellOf(file_) : UINT64_MAX;
}

std::uint64_t BinaryFile::Size() {
    if (!file_)
        return UINT64_MAX;
    const std::uint64_t here = TellOf(file_);
    if (here == UINT64_MAX || SeekTo(file_, 0, SEEK_END) != 0)
        return UINT64_MAX;
    const std::uint64_t size = TellOf(file_);
    SeekTo(file_, here, SEEK_SET);
    return size;
}

bool CopyRange(BinaryFile& from, std::uint64_t offset, std::uint32_t size, BinaryFile& to) {
    std::vector<char> chunk(std::min<std::size_t>(size, kCopyChunk));
    bool readable = from.IsOpen() && from.Seek(offset);
    std::uint32_t left = size;
    while (left > 0) {
        const std::size_t want = std::min<std::size_t>(left, chunk.size());
        std::size_t got = readable ? from.Read(chunk.data(), want) : 0;
        if (got < want) {
            std::memset(chunk.data() + got, 0, want - got);
            readable = false;  // the source ended early: the rest is zeros
        }
        if (!to.Write(chunk.data(), want))
            return false;
        left -= static_cast<std::uint32_t>(want);
    }
    return true;
}
