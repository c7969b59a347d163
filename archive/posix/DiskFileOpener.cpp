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
    return OpenIn(std::string_view(path).substr(0, slash), {}, path.substr(slash + 1), file);
}

bool DiskFileOpener::Open(const EntryName& path, BinaryFile& file) {
    const std::string_view head = path.FolderPart(), own = path.OwnPart();
    const size_t slash = own.rfind('/');
    if (slash != std::string_view::npos && (slash > 0 || !head.empty()))
        return OpenIn(head, own.substr(0, slash), std::string(own.substr(slash + 1)), file);
    // A shared folder part ends with its separator.
    if (slash == std::string_view::npos && head.size() > 1)
        return OpenIn(head.substr(0, head.size() - 1), {}, std::string(own), file);
    return file.OpenRead(path.str());
}

bool DiskFileOpener::OpenIn(std::string_view head, std::string_view tail, const std::string& leaf,
                            BinaryFile& file) {
    if (folder_.size() != head.size() + tail.size() || folder_.compare(0, head.size(), head) != 0 ||
        folder_.compare(head.size(), tail.size(), tail) != 0) {
        if (folderHandle_ >= 0)
            close(folderHandle_);
        folder_.assign(head).append(tail);
        folderHandle_ = open(folder_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    }
    if (folderHandle_ < 0)
        return file.OpenRead(folder_ + "/" + leaf);
    const int handle = OpenRegularFile(folderHandle_, leaf.c_str());
    if (handle < 0)
        return false;
    file.AdoptDescriptor(handle);
    return true;
}
