#pragma once
// A folder of the test's own: named after the process, so that runs at the same time never
// meet, and made fresh (an existing folder of that name is never taken over), so removing it
// with everything inside at the end deletes only what the test created.
#include <algorithm>
#include <atomic>
#include <cstdint>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "support/WholeFile.h"

#if defined(_WIN32)
#include <process.h>
#else
#include <unistd.h>
#endif

namespace support {

inline long ProcessId() {
#if defined(_WIN32)
    return _getpid();
#else
    return getpid();
#endif
}

class ScratchFolder {
  public:
    // "<prefix>-<process id>-<n>" below base; base is the system's temporary folder when empty.
    explicit ScratchFolder(const std::string& prefix = "tarvex",
                           const std::filesystem::path& base = {}) {
        static std::atomic<unsigned> serial{0};
        const std::filesystem::path parent =
            base.empty() ? std::filesystem::temp_directory_path() : base;
        for (;;) {
            path_ = parent /
                    (prefix + "-" + std::to_string(ProcessId()) + "-" + std::to_string(++serial));
            std::error_code error;
            if (std::filesystem::create_directory(path_, error))
                break;  // made just now: it is ours
            if (error)
                throw std::filesystem::filesystem_error("no scratch folder", path_, error);
        }
        path_.make_preferred();
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    std::string Root() const { return path_.string(); }
    // relative may use '/'; the path has the platform's separators.
    std::string Path(const std::string& relative = "") const {
        return relative.empty() ? Root() : (path_ / relative).make_preferred().string();
    }
    // Writes a file (and the folders it lies in) below the folder; returns its path.
    template <typename Bytes>
    std::string Write(const std::string& relative, const Bytes& bytes) const {
        const std::string path = Path(relative);
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        WriteWholeFile(path, bytes);
        return path;
    }
    std::string MakeDir(const std::string& relative) const {
        std::filesystem::create_directories(Path(relative));
        return Path(relative);
    }
    // Names of the items directly in the folder, sorted.
    std::vector<std::string> Files() const {
        std::vector<std::string> names;
        for (const auto& item : std::filesystem::directory_iterator(path_))
            names.push_back(item.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

  private:
    std::filesystem::path path_;
};

}  // namespace support
