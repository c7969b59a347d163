#pragma once
// Builds synthetic .dtx files for the tests.
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "support/LittleEndian.h"
#include "support/WholeFile.h"

namespace dtx_test {

using support::Put16;
using support::Put32;

inline void Append(std::vector<uint8_t>& out, const std::vector<uint8_t>& more) {
    out.insert(out.end(), more.begin(), more.end());
}

// The 24-byte header, zero-padded to size bytes; width and height are 16-bit fields.
inline std::vector<uint8_t> Header(int32_t version, int width, int height, uint32_t flags = 0,
                                   size_t size = 24) {
    std::vector<uint8_t> out(size, 0);
    Put32(out, 0, 0);
    Put32(out, 4, static_cast<uint32_t>(version));
    Put16(out, 8, static_cast<uint16_t>(width));
    Put16(out, 10, static_cast<uint16_t>(height));
    Put32(out, 16, flags);
    return out;
}

// Colour table entry i: red i, green 255 - i, blue i / 2.
inline uint32_t PaletteRgb(int i) {
    return (uint32_t(i) << 16) | (uint32_t(255 - i) << 8) | uint32_t(i / 2);
}

// Version -2: header, 20 bytes, colour table, the given index bytes and optional alpha block.
inline std::vector<uint8_t> Palettised(int width, int height, const std::vector<uint8_t>& indices,
                                       uint32_t flags = 0, const std::vector<uint8_t>& alpha = {}) {
    constexpr size_t kTable = 44, kPixels = kTable + 1024;
    std::vector<uint8_t> out =
        Header(-2, width, height, flags, kPixels + indices.size() + alpha.size());
    for (size_t i = 0; i < 256; ++i) {
        uint32_t rgb = PaletteRgb(int(i));
        out[kTable + 4 * i] = 0xEE;  // unused byte
        out[kTable + 4 * i + 1] = static_cast<uint8_t>(rgb >> 16);
        out[kTable + 4 * i + 2] = static_cast<uint8_t>(rgb >> 8);
        out[kTable + 4 * i + 3] = static_cast<uint8_t>(rgb);
    }
    std::copy(indices.begin(), indices.end(), out.begin() + kPixels);
    std::copy(alpha.begin(), alpha.end(), out.begin() + kPixels + indices.size());
    return out;
}

// Version -5: header, 140 bytes with the pixel format code at offset 26, then data.
inline std::vector<uint8_t> TrueColour(int width, int height, uint8_t code,
                                       const std::vector<uint8_t>& data) {
    constexpr size_t kPixels = 164;
    std::vector<uint8_t> out = Header(-5, width, height, 0, kPixels + data.size());
    out[26] = code;
    std::copy(data.begin(), data.end(), out.begin() + kPixels);
    return out;
}

// 32-bit pixels as stored: blue, green, red, fourth byte.
inline void AppendPixel(std::vector<uint8_t>& out, uint32_t rgb, uint8_t fourth = 0x7F) {
    out.push_back(static_cast<uint8_t>(rgb));
    out.push_back(static_cast<uint8_t>(rgb >> 8));
    out.push_back(static_cast<uint8_t>(rgb >> 16));
    out.push_back(fourth);
}

// An 8-byte colour block: two 5-6-5 colours and one index byte per row.
inline std::vector<uint8_t> ColourBlock(uint16_t c0, uint16_t c1, uint8_t row0, uint8_t row1,
                                        uint8_t row2, uint8_t row3) {
    return {static_cast<uint8_t>(c0),
            static_cast<uint8_t>(c0 >> 8),
            static_cast<uint8_t>(c1),
            static_cast<uint8_t>(c1 >> 8),
            row0,
            row1,
            row2,
            row3};
}

inline void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    support::WriteWholeFile(path, bytes);
}

}  // namespace dtx_test
