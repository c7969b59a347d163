#include "thumbs/ColourBlock.h"

#include <gtest/gtest.h>

#include "thumbs/DtxBuilder.h"

using dtx_test::ColourBlock;

namespace {

constexpr uint16_t kRed565 = 0xF800, kBlue565 = 0x001F;
constexpr uint8_t kIndices0123 = 0xE4;  // columns 0..3 pick colours 0, 1, 2, 3

std::vector<uint32_t> Decode(const std::vector<uint8_t>& block) {
    std::vector<uint32_t> pixels(16);
    DecodeColourBlock(block.data(), pixels.data());
    return pixels;
}

}  // namespace

TEST(ColourBlock, FirstColourAboveSecondGivesTwoThirdsMixes) {
    auto pixels = Decode(ColourBlock(kRed565, kBlue565, kIndices0123, 0, 0xFF, 0x1B));
    EXPECT_EQ(pixels[0], 0xF80000u);  // 31 * 8
    EXPECT_EQ(pixels[1], 0x0000F8u);
    EXPECT_EQ(pixels[2], 0xA50052u);  // (2 * 248 + 0) / 3, (0 + 248) / 3
    EXPECT_EQ(pixels[3], 0x5200A5u);
    for (int column = 0; column < 4; ++column) {
        EXPECT_EQ(pixels[4 + column], 0xF80000u);  // row 1: all index 0
        EXPECT_EQ(pixels[8 + column], 0x5200A5u);  // row 2: all index 3
    }
    // Row 3: 0x1B = 00 01 10 11 from the highest bits, so columns 0..3 pick 3, 2, 1, 0.
    EXPECT_EQ(pixels[12], 0x5200A5u);
    EXPECT_EQ(pixels[13], 0xA50052u);
    EXPECT_EQ(pixels[14], 0x0000F8u);
    EXPECT_EQ(pixels[15], 0xF80000u);
}

TEST(ColourBlock, FirstColourNotAboveSecondGivesMidpointAndBlack) {
    auto pixels = Decode(ColourBlock(kBlue565, kRed565, kIndices0123, 0, 0, 0));
    EXPECT_EQ(pixels[0], 0x0000F8u);
    EXPECT_EQ(pixels[1], 0xF80000u);
    EXPECT_EQ(pixels[2], 0x7C007Cu);
    EXPECT_EQ(pixels[3], 0x000000u);
}

TEST(ColourBlock, EqualColoursGiveBlackForIndexThree) {
    auto pixels = Decode(ColourBlock(0x07E0, 0x07E0, kIndices0123, 0, 0, 0));
    EXPECT_EQ(pixels[0], 0x00FC00u);  // 63 * 4
    EXPECT_EQ(pixels[1], 0x00FC00u);
    EXPECT_EQ(pixels[2], 0x00FC00u);
    EXPECT_EQ(pixels[3], 0x000000u);
}

TEST(ColourBlock, ChannelsRoundDownSeparately) {
    // c0 = (1, 1, 1) in 5-6-5 units, c1 = 0: thirds of 8, 4 and 8.
    auto pixels = Decode(ColourBlock(0x0821, 0x0000, kIndices0123, 0, 0, 0));
    EXPECT_EQ(pixels[0], 0x080408u);
    EXPECT_EQ(pixels[2], 0x050205u);  // 16 / 3, 8 / 3, 16 / 3
    EXPECT_EQ(pixels[3], 0x020102u);
}
