#include "archive/DiskFileOpener.h"

DiskFileOpener::~DiskFileOpener() = default;

bool DiskFileOpener::Open(const std::string& path, BinaryFile& file) {
    return file.OpenRead(path);
}

bool DiskFileOpener::Open(const EntryName& path, BinaryFile& file) {
    return file.OpenRead(path.str());
}
