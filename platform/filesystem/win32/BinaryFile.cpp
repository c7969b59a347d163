// The Windows build goes through the C runtime's streams, whose 64-bit seek and tell work on
// 32-bit Windows too.
#include "platform/filesystem/BinaryFile.h"

#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>

namespace {

constexpr std::size_t kWriteBuffer = 1 << 18;

int SeekTo(std::FILE* file, std::uint64_t offset, int whence) {
    return _fseeki64(file, static_cast<__int64>(offset), whence);
}

std::uint64_t TellOf(std::FILE* file) {
    const __int64 at = _ftelli64(file);
    return at < 0 ? UINT64_MAX : static_cast<std::uint64_t>(at);
}

}  // namespace

BinaryFile& BinaryFile::operator=(BinaryFile&& other) noexcept {
    if (this != &other) {
        Close();
        file_ = other.file_;
        buffer_ = std::move(other.buffer_);
        position_ = other.position_;
        other.file_ = nullptr;
        other.position_ = kUnknown;
    }
    return *this;
}

bool BinaryFile::OpenRead(const std::string& path) {
    Close();
    file_ = std::fopen(path.c_str(), "rb");
    if (!file_)
        return false;
    std::setvbuf(file_, nullptr, _IONBF, 0);
    position_ = 0;
    return true;
}

bool BinaryFile::IsOpen() const {
    return file_ != nullptr;
}

bool BinaryFile::StartWriting() {
    if (!file_)
        return false;
    buffer_.reset(new char[kWriteBuffer]);
    std::setvbuf(file_, buffer_.get(), _IOFBF, kWriteBuffer);
    position_ = 0;
    return true;
}

bool BinaryFile::Create(const std::string& path) {
    Close();
    file_ = std::fopen(path.c_str(), "wb");
    return StartWriting();
}

bool BinaryFile::CreateNew(const std::string& path) {
    Close();
    // Opened without delete sharing: while it is open, no other process can remove it.
    const int descriptor =
        _open(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
    if (descriptor < 0)
        return false;
    file_ = _fdopen(descriptor, "wb");
    if (!file_)
        _close(descriptor);
    return StartWriting();
}

bool BinaryFile::Close() {
    if (!file_)
        return true;
    const bool ok = std::fclose(file_) == 0;
    file_ = nullptr;
    buffer_.reset();
    position_ = kUnknown;
    return ok;
}

// Reads go through the system's handle at the position kept here, as ReadAt does, so that
// reads at an offset never disturb the stream's own position.
std::size_t BinaryFile::Read(void* buffer, std::size_t count) {
    if (!file_ || count == 0)
        return 0;
    if (position_ == kUnknown)
        position_ = TellOf(file_);
    if (position_ == kUnknown)
        return 0;
    const std::size_t got = ReadAt(position_, buffer, count);
    position_ += got;
    return got;
}

std::size_t BinaryFile::ReadAt(std::uint64_t offset, void* buffer, std::size_t count) {
    if (!file_)
        return 0;
    // Through the system's handle: a read with its own offset, which threads may do at once.
    // It moves the handle's position, which no read here relies on.
    const HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file_)));
    std::size_t got = 0;
    while (got < count) {
        OVERLAPPED at{};
        at.Offset = static_cast<DWORD>(offset + got);
        at.OffsetHigh = static_cast<DWORD>((offset + got) >> 32);
        const DWORD want = static_cast<DWORD>(std::min<std::size_t>(count - got, 1u << 30));
        DWORD done = 0;
        if (!ReadFile(handle, static_cast<char*>(buffer) + got, want, &done, &at) || done == 0)
            break;
        got += done;
    }
    return got;
}

std::uint32_t BinaryFile::CopyInKernel(BinaryFile&, std::uint64_t, std::uint32_t) {
    return 0;
}

bool BinaryFile::Write(const void* data, std::size_t count) {
    if (!file_)
        return false;
    if (count == 0)
        return true;
    const bool ok = std::fwrite(data, 1, count, file_) == count;
    position_ = ok && position_ != kUnknown ? position_ + count : kUnknown;
    return ok;
}

bool BinaryFile::Flush() {
    return file_ && std::fflush(file_) == 0;
}

bool BinaryFile::Seek(std::uint64_t offset) {
    if (!file_ || offset > static_cast<std::uint64_t>(INT64_MAX))
        return false;
    if (offset == position_)
        return true;
    const bool ok = SeekTo(file_, offset, SEEK_SET) == 0;
    position_ = ok ? offset : kUnknown;
    return ok;
}

std::uint64_t BinaryFile::Tell() {
    if (!file_)
        return kUnknown;
    if (position_ == kUnknown)
        position_ = TellOf(file_);
    return position_;
}

std::uint64_t BinaryFile::Size() {
    const std::uint64_t here = Tell();
    if (here == kUnknown || SeekTo(file_, 0, SEEK_END) != 0)
        return kUnknown;
    const std::uint64_t size = TellOf(file_);
    if (SeekTo(file_, here, SEEK_SET) != 0)
        position_ = kUnknown;
    return size;
}
