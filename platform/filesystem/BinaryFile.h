#pragma once
// A binary file handle with 64-bit positions (also on 32-bit Windows) and a copy helper.
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

#ifndef _WIN32
// Opens a regular file relative to an open folder (AT_FDCWD: the working folder); -1 for
// anything else or on failure.
int OpenRegularFile(int folder, const char* path);
#endif

class BinaryFile {
  public:
    BinaryFile() = default;
    ~BinaryFile() { Close(); }
    BinaryFile(const BinaryFile&) = delete;
    BinaryFile& operator=(const BinaryFile&) = delete;
    BinaryFile(BinaryFile&& other) noexcept { *this = std::move(other); }
    BinaryFile& operator=(BinaryFile&& other) noexcept;

    // Opens an existing regular file for reading (never a pipe, socket or device, whose
    // reading may not end). Reads are not buffered: callers read in blocks.
    bool OpenRead(const std::string& path);
#ifndef _WIN32
    // Takes over a descriptor opened for reading at its start.
    void AdoptDescriptor(int descriptor);
    // Takes over a descriptor open for writing (standard output); writes are buffered.
    void AdoptOutput(int descriptor);
#endif
    // Creates the file, or truncates it, for writing; writes are buffered.
    bool Create(const std::string& path);
    // Creates a file that must not exist yet (nor a link of that name), for writing. While it is
    // open, other processes can tell that it is being written (see FileReplace).
    bool CreateNew(const std::string& path);
    bool IsOpen() const;
    // False when buffered data could not be written.
    bool Close();

    // Returns the number of bytes read; fewer than count at the end of the file or on error.
    std::size_t Read(void* buffer, std::size_t count);
    // The same at offset, leaving the position alone; threads may read one file so at once.
    std::size_t ReadAt(std::uint64_t offset, void* buffer, std::size_t count);
    bool Write(const void* data, std::size_t count);
    bool Flush();
    bool Seek(std::uint64_t offset);
    // The current position; UINT64_MAX when it cannot be told.
    std::uint64_t Tell();
    // The length of the file; UINT64_MAX when it cannot be told. Keeps the position.
    std::uint64_t Size();

  private:
    static constexpr std::uint64_t kUnknown = UINT64_MAX;
    friend bool CopyRange(BinaryFile&, std::uint64_t, std::uint32_t, BinaryFile&, std::uint32_t*);
    // Copies what it can of size bytes at offset in from to the current position, inside the
    // kernel where the platform can, and returns how many it copied: a source that ends or
    // a failure leaves the rest to a copy through memory.
    std::uint32_t CopyInKernel(BinaryFile& from, std::uint64_t offset, std::uint32_t size);

#ifdef _WIN32
    bool StartWriting();
    std::FILE* file_ = nullptr;  // the C runtime's stream; it buffers writes in buffer_
#else
    bool StartWriting(int descriptor);
    bool WritePending();
    int descriptor_ = -1;
    std::size_t pending_ = 0;  // bytes at the start of buffer_ not yet written
#endif
    std::unique_ptr<char[]> buffer_;
    // Where the stream stands, so that seeking to where it already is costs no system call.
    std::uint64_t position_ = kUnknown;
};

// Copies size bytes starting at offset in from to the current position of to: inside the
// kernel where the platform can, else in bounded chunks. Bytes the source no longer has (it
// shrank, or offset lies past its end) are written as zeros, so exactly size bytes are always
// written; read, when given, receives how many came from the source. False only when writing
// fails. Leaves from's position alone, so threads may copy from one source at once.
bool CopyRange(BinaryFile& from, std::uint64_t offset, std::uint32_t size, BinaryFile& to,
               std::uint32_t* read = nullptr);
