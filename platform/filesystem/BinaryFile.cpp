#include "platform/filesystem/BinaryFile.h"

#include <algorithm>
#include <cstring>

namespace {
constexpr std::size_t kCopyChunk = 1 << 20;
}

bool CopyRange(BinaryFile& from, std::uint64_t offset, std::uint32_t size, BinaryFile& to,
               std::uint32_t* read) {
    if (!to.IsOpen())
        return false;
    std::uint32_t fromSource = from.IsOpen() && size > 0 ? to.CopyInKernel(from, offset, size) : 0;
    std::uint32_t left = size - fromSource;
    offset += fromSource;
    const std::size_t chunkSize = std::min<std::size_t>(left, kCopyChunk);
    std::unique_ptr<char[]> chunk(left > 0 ? new char[chunkSize] : nullptr);
    bool readable = from.IsOpen();
    while (left > 0) {
        const std::size_t want = std::min<std::size_t>(left, chunkSize);
        const std::size_t got = readable ? from.ReadAt(offset, chunk.get(), want) : 0;
        offset += got;
        if (got < want) {
            std::memset(chunk.get() + got, 0, want - got);
            readable = false;  // the source ended early: the rest is zeros
        }
        if (!to.Write(chunk.get(), want))
            return false;
        left -= static_cast<std::uint32_t>(want);
        fromSource += static_cast<std::uint32_t>(got);
    }
    if (read)
        *read = fromSource;
    return true;
}
