#pragma once
// A folder that extracted files are written into, opened once so that each file in it is
// made by its name alone. A symbolic link of a file's name is never written through.
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/filesystem/BinaryFile.h"

class OutputFolder {
  public:
    OutputFolder() = default;
    ~OutputFolder();
    OutputFolder(const OutputFolder&) = delete;
    OutputFolder& operator=(const OutputFolder&) = delete;

    // The existing folder at path.
    bool Open(const std::string& path);
    // Creates name in the folder, or truncates the file of that name, and writes count bytes.
    bool WriteBytes(const std::string& name, const char* bytes, std::size_t count) const;
    // The same with size bytes at offset in from (zeros for what from does not hold).
    bool CopyBytes(const std::string& name, BinaryFile& from, std::uint64_t offset,
                   std::uint32_t size) const;

  private:
#ifdef _WIN32
    bool Create(const std::string& name, BinaryFile& file) const;
    std::string path_;
#else
    int Create(const std::string& name) const;
    int handle_ = -1;
#endif
};
