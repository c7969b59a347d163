#pragma once
// Opens the disk files of new entries while an archive is saved. The files of one folder
// usually follow one another, so where the platform allows it the folder is looked up once
// and each file by its name alone.
#include <string>

#include "archive/EntryName.h"
#include "platform/filesystem/BinaryFile.h"

class DiskFileOpener {
  public:
    DiskFileOpener() = default;
    ~DiskFileOpener();
    DiskFileOpener(const DiskFileOpener&) = delete;
    DiskFileOpener& operator=(const DiskFileOpener&) = delete;

    // Opens the file at path for reading into file.
    bool Open(const std::string& path, BinaryFile& file);
    bool Open(const EntryName& path, BinaryFile& file);

  private:
#ifndef _WIN32
    // Opens leaf in the folder whose path is head followed by tail.
    bool OpenIn(std::string_view head, std::string_view tail, const std::string& leaf,
                BinaryFile& file);
#endif

    std::string folder_;
    int folderHandle_ = -1;
};
