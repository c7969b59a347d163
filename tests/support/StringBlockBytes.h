#pragma once
// String-table blocks as a resource compiler lays them out, built and read here by hand so that
// the editor's own block codec is never the judge of itself: 16 entries, each a 16-bit
// little-endian count of UTF-16 code units followed by the units; an absent string counts 0.
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "support/LittleEndian.h"

namespace support {

constexpr int kStringsInBlock = 16;

// strings: index in the block (0 to 15) to text.
inline std::vector<std::uint8_t> StringBlockBytes(const std::map<int, std::u16string>& strings) {
    std::vector<std::uint8_t> bytes;
    for (int index = 0; index < kStringsInBlock; ++index) {
        const auto found = strings.find(index);
        const std::u16string text = found == strings.end() ? std::u16string() : found->second;
        Append16(bytes, static_cast<std::uint16_t>(text.size()));
        for (char16_t unit : text)
            Append16(bytes, static_cast<std::uint16_t>(unit));
    }
    return bytes;
}

// The non-empty strings of a block by index; a block cut short gives what lies inside.
inline std::map<int, std::u16string> StringsOfBlock(const std::vector<std::uint8_t>& bytes) {
    std::map<int, std::u16string> strings;
    std::size_t at = 0;
    for (int index = 0; index < kStringsInBlock && at + 2 <= bytes.size(); ++index) {
        const std::size_t length = Get16(bytes, at);
        at += 2;
        if (at + 2 * length > bytes.size())
            break;
        std::u16string text;
        for (std::size_t k = 0; k < length; ++k)
            text += static_cast<char16_t>(Get16(bytes, at + 2 * k));
        at += 2 * length;
        if (!text.empty())
            strings[index] = text;
    }
    return strings;
}

}  // namespace support
