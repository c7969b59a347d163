#include <errno.h>
#include <fcntl.h>
#include <unistd.h>

#include "platform/filesystem/OutputFolder.h"

OutputFolder::~OutputFolder() {
    if (handle_ >= 0)
        close(handle_);
}

bool OutputFolder::Open(const std::string& path) {
    if (handle_ >= 0)
        close(handle_);
    handle_ = open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    return handle_ >= 0;
}

int OutputFolder::Create(const std::string& name) const {
    // O_NOFOLLOW: a link planted under the name is refused, not written through. O_NONBLOCK:
    // a pipe planted there without a reader is refused instead of waited for.
    return handle_ < 0 ? -1
                       : openat(handle_, name.c_str(),
                                O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC |
                                    O_NOCTTY,
                                0666);
}

bool OutputFolder::WriteBytes(const std::string& name, const char* bytes, std::size_t count) const {
    const int descriptor = Create(name);
    if (descriptor < 0)
        return false;
    bool ok = true;
    while (ok && count > 0) {
        const ssize_t done = write(descriptor, bytes, count);
        if (done < 0 && errno == EINTR)
            continue;
        ok = done > 0;
        if (ok) {
            bytes += done;
            count -= static_cast<std::size_t>(done);
        }
    }
    return close(descriptor) == 0 && ok;
}

bool OutputFolder::CopyBytes(const std::string& name, BinaryFile& from, std::uint64_t offset,
                             std::uint32_t size) const {
    const int descriptor = Create(name);
    if (descriptor < 0)
        return false;
    BinaryFile output;
    output.AdoptOutput(descriptor);
    const bool copied = CopyRange(from, offset, size, output);
    return output.Close() && copied;
}
