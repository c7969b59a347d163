#pragma once
// A path made absolute against the working folder, with the platform's separators.
#include <filesystem>
#include <string>

namespace support {

inline std::string FullPath(const std::string& path) {
    return std::filesystem::absolute(path).lexically_normal().make_preferred().string();
}

}  // namespace support
