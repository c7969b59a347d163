#include "stringedit/ModuleImage.h"

namespace {

uint32_t Read(const std::vector<uint8_t>& file, uint64_t at, int bytes) {
    uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = (value << 8) | file[at + i];
    return value;
}

constexpr uint64_t kDosHeaderSize = 64;
constexpr uint64_t kFileHeaderSize = 24;  // signature and COFF header
constexpr uint64_t kSectionHeaderSize = 40;

}  // namespace

bool IsWholeModuleImage(const std::vector<uint8_t>& file) {
    const uint64_t size = file.size();
    if (size < kDosHeaderSize || file[0] != 'M' || file[1] != 'Z')
        return false;
    const uint64_t pe = Read(file, 0x3C, 4);
    if (pe + kFileHeaderSize > size || Read(file, pe, 4) != 0x00004550)
        return false;
    const uint64_t sections = Read(file, pe + 6, 2);
    const uint64_t table = pe + kFileHeaderSize + Read(file, pe + 20, 2);
    if (table + sections * kSectionHeaderSize > size)
        return false;
    for (uint64_t s = 0; s < sections; ++s) {
        const uint64_t header = table + s * kSectionHeaderSize;
        const uint64_t rawSize = Read(file, header + 16, 4);
        const uint64_t rawStart = Read(file, header + 20, 4);
        if (rawSize != 0 && rawStart + rawSize > size)
            return false;
    }
    return true;
}
