#include <fcntl.h>
#include <unistd.h>

#include "archive/DiskFileOpener.h"

DiskFileOpener::~DiskFileOpener() {
    if (folderHandle_ >= 0)
        close(folderHandle_);
}

bool DiskFileOpener::Open(const std::string& path, BinaryFile& file) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos || slash == 0)
        return file.OpenRead(path);
    if (path.compare(0, slash, folder_) != 0 || folder_.size() != slash) {
        if (folderHandle_ >= 0)
            close(folderHandle_);
        folder_ = path.substr(0, slash);
        folderHandle_ = open(folder_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    }
    if (folderHandle_ < 0)
        return file.OpenRead(path);
    const int handle = OpenRegularFile(folderHandle_, path.c_str() + slash + 1);
    if (handle < 0)
        return false;
    file.AdoptDescriptor(handle);
    return true;
}
