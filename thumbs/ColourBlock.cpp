#include "thumbs/ColourBlock.h"

namespace {

struct Rgb {
    uint32_t red, green, blue;
};

Rgb Expand565(uint16_t colour) {
    return {((colour >> 11) & 0x1Fu) * 8, ((colour >> 5) & 0x3Fu) * 4, (colour & 0x1Fu) * 8};
}

uint32_t Pack(const Rgb& c) {
    return (c.red << 16) | (c.green << 8) | c.blue;
}

// (a * wa + b * wb) / (wa + wb), channel by channel.
uint32_t Blend(const Rgb& a, uint32_t wa, const Rgb& b, uint32_t wb) {
    uint32_t sum = wa + wb;
    return Pack({(a.red * wa + b.red * wb) / sum, (a.green * wa + b.green * wb) / sum,
                 (a.blue * wa + b.blue * wb) / sum});
}

}  // namespace

void DecodeColourBlock(const uint8_t* block, uint32_t pixels[16]) {
    auto c0 = static_cast<uint16_t>(block[0] | (block[1] << 8));
    auto c1 = static_cast<uint16_t>(block[2] | (block[3] << 8));
    Rgb e0 = Expand565(c0);
    Rgb e1 = Expand565(c1);
    uint32_t colours[4] = {Pack(e0), Pack(e1), 0, 0};
    if (c0 > c1) {
        colours[2] = Blend(e0, 2, e1, 1);
        colours[3] = Blend(e0, 1, e1, 2);
    } else {
        // The second mode: one midpoint and black (transparent in DXT1 with alpha).
        colours[2] = Blend(e0, 1, e1, 1);
        colours[3] = 0;
    }
    for (int row = 0; row < 4; ++row) {
        uint8_t indices = block[4 + row];
        for (int column = 0; column < 4; ++column)
            pixels[row * 4 + column] = colours[(indices >> (2 * column)) & 3];
    }
}
