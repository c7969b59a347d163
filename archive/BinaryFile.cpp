#include "archive/BinaryFile.h"

#include <algorithm>
#include <cstring>

namespace {
constexpr std::size_t kCopyChunk = 1 << 20;
}

bool CopyRange(BinaryFile& from, std::uint64_t offset, std::uint32_t size, BinaryFile& to,
               std::uint32_t* read) {
    const std::size_t chunkSize = std::min<std::size_t>(size, kCopyChunk);
    std::unique_ptr<char[]> chunk(new char[chunkSize]);
    bool readable = from.IsOpen() && from.Seek(offset);
    std::uint32_t left = size;
    std::uint32_t fromSource = 0;
    while (left > 0) {
        const std::size_t want = std::min<std::size_t>(left, chunkSize);
        const std::size_t got = readable ? from.Read(chunk.get(), want) : 0;
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
