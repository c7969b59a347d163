#pragma once
// Whole files as bytes, and a file's modification time set to a value the test chose.
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

namespace support {

// Every byte of the file; empty when it cannot be read.
inline std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteWholeFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline void WriteWholeFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

// Seconds since 1970-01-01 UTC.
inline bool SetModifiedTime(const std::string& path, std::uint32_t seconds) {
    const std::chrono::sys_seconds time{std::chrono::seconds(seconds)};
    std::error_code error;
    std::filesystem::last_write_time(
        path,
        std::chrono::time_point_cast<std::filesystem::file_time_type::duration>(
            std::chrono::file_clock::from_sys(time)),
        error);
    return !error;
}

}  // namespace support
