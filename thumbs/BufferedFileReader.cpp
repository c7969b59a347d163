#include "thumbs/BufferedFileReader.h"

#include <algorithm>
#include <cstring>

BufferedFileReader::~BufferedFileReader() {
    if (file_)
        std::fclose(file_);
}

bool BufferedFileReader::Open(const std::string& path) {
    if (file_)
        return false;
    file_ = std::fopen(path.c_str(), "rb");
    if (!file_)
        return false;
    // Unbuffered stdio: this object keeps the one buffer.
    std::setvbuf(file_, nullptr, _IONBF, 0);
    long length = -1;
    if (std::fseek(file_, 0, SEEK_END) == 0)
        length = std::ftell(file_);
    if (length < 0 || static_cast<unsigned long>(length) > UINT32_MAX ||
        std::fseek(file_, 0, SEEK_SET) != 0) {
        std::fclose(file_);
        file_ = nullptr;
        return false;
    }
    length_ = static_cast<uint32_t>(length);
    return true;
}

bool BufferedFileReader::Seek(uint32_t position) {
    // Where long has 32 bits, positions from 2 GiB on come out negative: no such seek.
    const long target = static_cast<long>(position);
    if (!file_ || target < 0 || std::fseek(file_, target, SEEK_SET) != 0)
        return false;
    bufferFill_ = bufferPos_ = 0;
    return true;
}

bool BufferedFileReader::Refill() {
    bufferPos_ = 0;
    bufferFill_ = std::fread(buffer_, 1, sizeof buffer_, file_);
    if (bufferFill_ == 0 && std::ferror(file_))
        failed_ = true;
    return bufferFill_ > 0;
}

size_t BufferedFileReader::Read(void* destination, size_t size) {
    auto* out = static_cast<unsigned char*>(destination);
    size_t done = 0;
    while (file_ && done < size) {
        if (bufferPos_ == bufferFill_ && !Refill())
            break;
        size_t count = std::min(size - done, bufferFill_ - bufferPos_);
        std::memcpy(out + done, buffer_ + bufferPos_, count);
        bufferPos_ += count;
        done += count;
    }
    return done;
}
