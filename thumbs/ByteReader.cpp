#include "thumbs/ByteReader.h"

#include <algorithm>
#include <cstring>

size_t MemoryReader::Read(void* destination, size_t size) {
    size_t count = std::min(size, bytes_.size() - position_);
    if (count > 0)
        std::memcpy(destination, bytes_.data() + position_, count);
    position_ += count;
    return count;
}

size_t LimitedReader::Read(void* destination, size_t size) {
    const size_t count =
        source_.Read(destination, static_cast<size_t>(std::min<uint64_t>(size, left_)));
    left_ -= count;
    return count;
}
