#include "archive/DiskFileOpener.h"

DiskFileOpener::~DiskFileOpener() = default;

bool DiskFileOpener::Open(const std::string& path, BinaryFile& file) {
    return file.OpenRead(path);
}
