#include "stringedit/StringBlock.h"

int BlockOfId(int id) {
    return id / kStringsPerBlock + 1;
}

StringBlock DecodeStringBlock(const std::vector<uint8_t>& bytes) {
    StringBlock block;
    size_t pos = 0;
    auto word = [&bytes](size_t at) {
        return static_cast<char16_t>(bytes[at] | (bytes[at + 1] << 8));
    };
    for (std::u16string& text : block) {
        if (pos + 2 > bytes.size())
            break;
        const size_t length = word(pos);
        pos += 2;
        if (length > (bytes.size() - pos) / 2)
            break;
        text.reserve(length);
        for (size_t k = 0; k < length; ++k)
            text += word(pos + 2 * k);
        pos += 2 * length;
    }
    return block;
}

bool EncodeStringBlock(const StringBlock& block, std::vector<uint8_t>& bytes) {
    bytes.clear();
    auto put = [&bytes](char16_t w) {
        bytes.push_back(static_cast<uint8_t>(w & 0xFF));
        bytes.push_back(static_cast<uint8_t>(w >> 8));
    };
    for (const std::u16string& text : block) {
        if (text.size() > 0xFFFF)
            return false;
        put(static_cast<char16_t>(text.size()));
        for (char16_t w : text)
            put(w);
    }
    return true;
}
