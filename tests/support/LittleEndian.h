#pragma once
// Little-endian fields written and read by hand, independent of every encoder under test.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace support {

// The value's bytes, lowest first, as text for building files.
inline std::string U16(std::uint16_t value) {
    return {static_cast<char>(value & 0xFF), static_cast<char>(value >> 8)};
}

inline std::string U32(std::uint32_t value) {
    std::string bytes(4, '\0');
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    return bytes;
}

// count bytes of value, lowest first, over the bytes at offset at.
inline void PutLittleEndian(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value,
                            int count) {
    for (int i = 0; i < count; ++i)
        bytes[at + i] = static_cast<std::uint8_t>((value >> (8 * i)) & 0xFF);
}

inline void Put16(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint16_t value) {
    PutLittleEndian(bytes, at, value, 2);
}

inline void Put32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value) {
    PutLittleEndian(bytes, at, value, 4);
}

inline void Append16(std::vector<std::uint8_t>& bytes, std::uint16_t value) {
    bytes.resize(bytes.size() + 2);
    Put16(bytes, bytes.size() - 2, value);
}

inline void Append32(std::vector<std::uint8_t>& bytes, std::uint32_t value) {
    bytes.resize(bytes.size() + 4);
    Put32(bytes, bytes.size() - 4, value);
}

inline std::uint16_t Get16(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}

inline std::uint32_t Get32(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return std::uint32_t{bytes[at]} | (std::uint32_t{bytes[at + 1]} << 8) |
           (std::uint32_t{bytes[at + 2]} << 16) | (std::uint32_t{bytes[at + 3]} << 24);
}

inline std::uint32_t Get32(const std::string& bytes, std::size_t at) {
    return Get32(std::vector<std::uint8_t>(bytes.begin() + at, bytes.begin() + at + 4), 0);
}

}  // namespace support
