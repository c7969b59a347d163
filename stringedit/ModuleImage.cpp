#include "stringedit/ModuleImage.h"

#include <fstream>

namespace {

constexpr uint64_t kDosHeaderSize = 64;
constexpr uint64_t kFileHeaderSize = 24;  // signature and COFF header
constexpr uint64_t kSectionHeaderSize = 40;

// The checks, on any source of the file's size and its little-endian values: read(at, bytes,
// value) is false when the bytes are not there.
template <typename ReadValue>
bool IsWholeImage(uint64_t size, ReadValue read) {
    uint32_t magic = 0, pe = 0, signature = 0, sections = 0, optionalSize = 0;
    if (size < kDosHeaderSize || !read(0, 2, magic) || magic != 0x5A4D || !read(0x3C, 4, pe))
        return false;
    if (pe + kFileHeaderSize > size || !read(pe, 4, signature) || signature != 0x00004550)
        return false;
    if (!read(pe + 6, 2, sections) || !read(pe + 20, 2, optionalSize))
        return false;
    const uint64_t table = pe + kFileHeaderSize + optionalSize;
    if (table + sections * kSectionHeaderSize > size)
        return false;
    for (uint64_t s = 0; s < sections; ++s) {
        const uint64_t header = table + s * kSectionHeaderSize;
        uint32_t rawSize = 0, rawStart = 0;
        if (!read(header + 16, 4, rawSize) || !read(header + 20, 4, rawStart))
            return false;
        if (rawSize != 0 && uint64_t{rawStart} + rawSize > size)
            return false;
    }
    return true;
}

uint32_t LittleEndian(const uint8_t* bytes, int count) {
    uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = (value << 8) | bytes[i];
    return value;
}

}  // namespace

bool IsWholeModuleImage(const std::vector<uint8_t>& file) {
    return IsWholeImage(file.size(), [&file](uint64_t at, int bytes, uint32_t& value) {
        if (at + bytes > file.size())
            return false;
        value = LittleEndian(file.data() + at, bytes);
        return true;
    });
}

bool IsWholeModuleFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    const std::streamoff end = in ? static_cast<std::streamoff>(in.tellg()) : -1;
    if (end < 0)
        return false;
    return IsWholeImage(static_cast<uint64_t>(end), [&in](uint64_t at, int bytes, uint32_t& value) {
        uint8_t buffer[4] = {};
        in.seekg(static_cast<std::streamoff>(at));
        if (!in.read(reinterpret_cast<char*>(buffer), bytes))
            return false;
        value = LittleEndian(buffer, bytes);
        return true;
    });
}
