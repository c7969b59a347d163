// POSIX files through their descriptors: reads go straight to the system, writes through one
// buffer of our own.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/filesystem/BinaryFile.h"

namespace {

constexpr std::size_t kWriteBuffer = 1 << 18;

bool WriteAll(int descriptor, const char* data, std::size_t count) {
    while (count > 0) {
        const ssize_t done = write(descriptor, data, count);
        if (done < 0 && errno == EINTR)
            continue;
        if (done <= 0)
            return false;
        data += done;
        count -= static_cast<std::size_t>(done);
    }
    return true;
}

}  // namespace

BinaryFile& BinaryFile::operator=(BinaryFile&& other) noexcept {
    if (this != &other) {
        Close();
        descriptor_ = other.descriptor_;
        pending_ = other.pending_;
        buffer_ = std::move(other.buffer_);
        position_ = other.position_;
        other.descriptor_ = -1;
        other.pending_ = 0;
        other.position_ = kUnknown;
    }
    return *this;
}

bool BinaryFile::IsOpen() const {
    return descriptor_ >= 0;
}

int OpenRegularFile(int folder, const char* path) {
    // Without blocking: opening a pipe would otherwise wait for a writer forever. Only a
    // regular file is taken; reading a pipe, socket or device may never end.
    const int descriptor = openat(folder, path, O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    struct stat status;
    if (descriptor >= 0 && (fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode))) {
        close(descriptor);
        return -1;
    }
    return descriptor;
}

bool BinaryFile::OpenRead(const std::string& path) {
    const int descriptor = OpenRegularFile(AT_FDCWD, path.c_str());
    if (descriptor < 0) {
        Close();
        return false;
    }
    AdoptDescriptor(descriptor);
    return true;
}

void BinaryFile::AdoptDescriptor(int descriptor) {
    Close();
    descriptor_ = descriptor;
    position_ = 0;
}

void BinaryFile::AdoptOutput(int descriptor) {
    Close();
    descriptor_ = descriptor;
    buffer_.reset(new char[kWriteBuffer]);
    position_ = kUnknown;
}

bool BinaryFile::StartWriting(int descriptor) {
    Close();
    if (descriptor < 0)
        return false;
    descriptor_ = descriptor;
    buffer_.reset(new char[kWriteBuffer]);
    position_ = 0;
    return true;
}

bool BinaryFile::Create(const std::string& path) {
    return StartWriting(open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
}

bool BinaryFile::CreateNew(const std::string& path) {
    const int descriptor = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    // The lock lives as long as the descriptor: a killed writer's file is unlocked.
    if (descriptor >= 0)
        flock(descriptor, LOCK_EX | LOCK_NB);
    return StartWriting(descriptor);
}

bool BinaryFile::WritePending() {
    const bool ok = WriteAll(descriptor_, buffer_.get(), pending_);
    pending_ = 0;
    if (!ok)
        position_ = kUnknown;
    return ok;
}

bool BinaryFile::Close() {
    if (descriptor_ < 0)
        return true;
    bool ok = WritePending();
    ok = close(descriptor_) == 0 && ok;
    descriptor_ = -1;
    buffer_.reset();
    position_ = kUnknown;
    return ok;
}

std::size_t BinaryFile::Read(void* buffer, std::size_t count) {
    if (descriptor_ < 0 || count == 0 || !WritePending())
        return 0;
    std::size_t got = 0;
    while (got < count) {
        const ssize_t done = read(descriptor_, static_cast<char*>(buffer) + got, count - got);
        if (done < 0 && errno == EINTR)
            continue;
        if (done <= 0)
            break;
        got += static_cast<std::size_t>(done);
    }
    // At the end or after an error the system is asked again where the file stands.
    position_ = got == count && position_ != kUnknown ? position_ + got : kUnknown;
    return got;
}

std::size_t BinaryFile::ReadAt(std::uint64_t offset, void* buffer, std::size_t count) {
    if (descriptor_ < 0 || offset > static_cast<std::uint64_t>(INT64_MAX))
        return 0;
    std::size_t got = 0;
    while (got < count) {
        const ssize_t done = pread(descriptor_, static_cast<char*>(buffer) + got, count - got,
                                   static_cast<off_t>(offset + got));
        if (done < 0 && errno == EINTR)
            continue;
        if (done <= 0)
            break;
        got += static_cast<std::size_t>(done);
    }
    return got;
}

std::uint32_t BinaryFile::CopyInKernel(BinaryFile& from, std::uint64_t offset, std::uint32_t size) {
#ifdef __linux__
    if (descriptor_ < 0 || from.descriptor_ < 0 || !WritePending() ||
        offset > static_cast<std::uint64_t>(INT64_MAX))
        return 0;
    std::uint32_t copied = 0;
    while (copied < size) {
        auto in = static_cast<off_t>(offset + copied);
        const ssize_t done =
            copy_file_range(from.descriptor_, &in, descriptor_, nullptr, size - copied, 0);
        if (done < 0 && errno == EINTR)
            continue;
        // The source's end, or a file system or kernel that cannot: the copy through memory
        // goes on from here, and tells a failed write from a short source.
        if (done <= 0)
            break;
        copied += static_cast<std::uint32_t>(done);
    }
    if (position_ != kUnknown)
        position_ += copied;
    return copied;
#else
    (void)from, (void)offset, (void)size;
    return 0;
#endif
}

bool BinaryFile::Write(const void* data, std::size_t count) {
    if (descriptor_ < 0 || !buffer_)
        return false;
    if (count == 0)
        return true;
    bool ok = pending_ + count <= kWriteBuffer || WritePending();
    if (ok && count <= kWriteBuffer) {
        std::memcpy(buffer_.get() + pending_, data, count);
        pending_ += count;
    } else if (ok) {
        ok = WriteAll(descriptor_, static_cast<const char*>(data), count);
    }
    position_ = ok && position_ != kUnknown ? position_ + count : kUnknown;
    return ok;
}

bool BinaryFile::Flush() {
    return descriptor_ >= 0 && WritePending();
}

bool BinaryFile::Seek(std::uint64_t offset) {
    if (descriptor_ < 0 || offset > static_cast<std::uint64_t>(INT64_MAX))
        return false;
    if (offset == position_)
        return true;
    const bool ok = WritePending() && lseek(descriptor_, static_cast<off_t>(offset), SEEK_SET) >= 0;
    position_ = ok ? offset : kUnknown;
    return ok;
}

std::uint64_t BinaryFile::Tell() {
    if (descriptor_ < 0)
        return kUnknown;
    if (position_ == kUnknown) {
        const off_t at = lseek(descriptor_, 0, SEEK_CUR);
        position_ = at < 0 ? kUnknown : static_cast<std::uint64_t>(at) + pending_;
    }
    return position_;
}

std::uint64_t BinaryFile::Size() {
    struct stat status;
    if (descriptor_ < 0 || !WritePending() || fstat(descriptor_, &status) != 0)
        return kUnknown;
    return static_cast<std::uint64_t>(status.st_size);
}
