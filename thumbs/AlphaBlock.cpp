#include "thumbs/AlphaBlock.h"

void DecodeExplicitAlpha(const uint8_t* block, uint8_t alpha[16]) {
    for (int i = 0; i < 16; ++i) {
        const uint8_t nibble = (i % 2 == 0) ? (block[i / 2] & 0x0F) : (block[i / 2] >> 4);
        alpha[i] = static_cast<uint8_t>(nibble * 17);  // 0..15 onto 0..255
    }
}

void DecodeInterpolatedAlpha(const uint8_t* block, uint8_t alpha[16]) {
    const uint32_t a0 = block[0], a1 = block[1];
    uint8_t levels[8] = {static_cast<uint8_t>(a0), static_cast<uint8_t>(a1)};
    if (a0 > a1) {
        for (uint32_t i = 1; i < 7; ++i)
            levels[i + 1] = static_cast<uint8_t>(((7 - i) * a0 + i * a1) / 7);
    } else {
        // Four steps between the ends, then fully transparent and fully opaque.
        for (uint32_t i = 1; i < 5; ++i)
            levels[i + 1] = static_cast<uint8_t>(((5 - i) * a0 + i * a1) / 5);
        levels[6] = 0;
        levels[7] = 255;
    }
    uint64_t indices = 0;
    for (int i = 0; i < 6; ++i)
        indices |= uint64_t{block[2 + i]} << (8 * i);
    for (int i = 0; i < 16; ++i)
        alpha[i] = levels[(indices >> (3 * i)) & 7];
}
