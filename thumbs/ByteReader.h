#pragma once
// Sequential byte sources the texture reader reads from.
#include <cstddef>
#include <cstdint>
#include <vector>

class ByteReader {
  public:
    virtual ~ByteReader() = default;
    // Copies up to size bytes into destination and returns how many were copied; fewer means
    // the end of the data or a read error (see Failed).
    virtual size_t Read(void* destination, size_t size) = 0;
    // True once the underlying source reported an error (not merely its end).
    virtual bool Failed() const { return false; }
};

// Reads from bytes held in memory; used by tests and by callers that already hold a file.
class MemoryReader : public ByteReader {
  public:
    explicit MemoryReader(const std::vector<uint8_t>& bytes) : bytes_(bytes) {}
    size_t Read(void* destination, size_t size) override;

  private:
    const std::vector<uint8_t>& bytes_;
    size_t position_ = 0;
};

// At most limit bytes of another reader: one file stored inside a larger one.
class LimitedReader : public ByteReader {
  public:
    LimitedReader(ByteReader& source, uint64_t limit) : source_(source), left_(limit) {}
    size_t Read(void* destination, size_t size) override;
    bool Failed() const override { return source_.Failed(); }

  private:
    ByteReader& source_;
    uint64_t left_;
};
