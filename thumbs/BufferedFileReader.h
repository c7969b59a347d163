#pragma once
// Reads a disk file through a 4096-byte buffer.
#include <cstdint>
#include <cstdio>
#include <string>

#include "thumbs/ByteReader.h"

class BufferedFileReader : public ByteReader {
  public:
    BufferedFileReader() = default;
    BufferedFileReader(const BufferedFileReader&) = delete;
    BufferedFileReader& operator=(const BufferedFileReader&) = delete;
    ~BufferedFileReader() override;

    // Opens path for reading and takes its length; false when it cannot be opened or is
    // longer than a 32-bit length can tell.
    bool Open(const std::string& path);
    uint32_t Length() const { return length_; }
    // Goes to position, from where the next read starts; false when the file cannot.
    bool Seek(uint32_t position);

    size_t Read(void* destination, size_t size) override;
    bool Failed() const override { return failed_; }

  private:
    bool Refill();

    std::FILE* file_ = nullptr;
    uint32_t length_ = 0;
    bool failed_ = false;
    unsigned char buffer_[4096];
    size_t bufferFill_ = 0;
    size_t bufferPos_ = 0;
};
