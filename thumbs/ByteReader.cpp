#include "thumbs/ByteReader.h"

#include <algorithm>
#include <cstring>

size_t MemoryReader::Read(void* destination, size_t size) {
    size_t count = std::min(size, bytes_.size() - position_);
    if (count > 0) {
        std::memcpy(destination, bytes_.data() + position_, count);
    }
    position_ += count;
    return count;
}
