// PNG files of textures at full size, read back by libpng.
#include <gtest/gtest.h>

#include "support/PngDecoding.h"
#include "thumbs/DtxBuilder.h"
#include "thumbs/PngEncoder.h"
#include "thumbs/TexturePicture.h"

using namespace dtx_test;
using support::DecodedPng;
using support::DecodePng;

TEST(PngEncoder, WritesRgbAndRgbaThatLibpngReadsBack) {
    struct Case {
        int channels;
        std::vector<uint8_t> bytes;
        std::vector<uint32_t> expected;  // 0xRRGGBBAA, rows from the top
    };
    const Case cases[] = {
        {4,
         {0xFF, 0, 0, 0xFF, 0, 0xFF, 0, 0x80, 0, 0, 0xFF, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12},
         {0xFF0000FF, 0x00FF0080, 0x0000FF00, 0x01020304, 0x05060708, 0x090A0B0C}},
        {3,
         {10, 20, 30, 40, 50, 60, 70, 80, 90, 1, 2, 3, 4, 5, 6, 7, 8, 9},
         {0x0A141EFF, 0x28323CFF, 0x46505AFF, 0x010203FF, 0x040506FF, 0x070809FF}},
    };
    for (const Case& c : cases) {
        const DecodedPng png = DecodePng(EncodePng({3, 2, c.channels, c.bytes}));
        ASSERT_TRUE(png.ok) << c.channels;
        EXPECT_EQ(png.hasAlpha, c.channels == 4);
        ASSERT_EQ(png.width, 3);
        ASSERT_EQ(png.height, 2);
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(png.At(i % 3, i / 3), c.expected[i]) << c.channels << " pixel " << i;
    }
}

TEST(PngEncoder, ImagesLongerThanOneStoredBlockReadBack) {
    // 300 x 100 RGBA is 120,100 bytes of rows: two stored blocks.
    PixelImage image{300, 100, 4, {}};
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 300; ++x)
            image.bytes.insert(image.bytes.end(), {uint8_t(x), uint8_t(y), uint8_t(x ^ y), 0xFF});
    const DecodedPng png = DecodePng(EncodePng(image));
    ASSERT_TRUE(png.ok);
    EXPECT_EQ(png.At(0, 0), 0x000000FFu);
    EXPECT_EQ(png.At(299, 99), 0x2B6348FFu);  // 299 & 0xFF = 0x2B, 99 = 0x63, 0x2B ^ 0x63
    EXPECT_EQ(png.At(200, 50), 0xC832FAFFu);
}

TEST(PngEncoder, RefusesImagesWhoseBytesDoNotMatch) {
    EXPECT_TRUE(EncodePng({0, 1, 4, {}}).empty());
    EXPECT_TRUE(EncodePng({1, 1, 4, {1, 2, 3}}).empty());
    EXPECT_TRUE(EncodePng({1, 1, 2, {1, 2}}).empty());
}

TEST(TexturePng, FullSizeColoursWithTheTexturesAlpha) {
    // Palettised 2 x 2 with an alpha block: nibbles 0x0, 0xF / 0x8, 0x1 (low nibble first).
    const auto palettised = Palettised(2, 2, {0, 10, 200, 255}, 0x2, {0xF0, 0x18});
    std::vector<uint8_t> pixels;
    AppendPixel(pixels, 0x123456, 0x00);
    AppendPixel(pixels, 0xABCDEF, 0xFF);
    AppendPixel(pixels, 0x010203, 0x40);
    AppendPixel(pixels, 0xFEDCBA, 0x7F);
    const auto trueColour = TrueColour(2, 2, 3, pixels);
    // One colour block: red and blue, rows of indices 0, 1, 2, 3 (colour 3 a third of the way
    // from blue to red, as Glintra draws it); opaque, as this layout has no alpha.
    const auto blocks = TrueColour(4, 4, 4, ColourBlock(0xF800, 0x001F, 0x00, 0x55, 0xAA, 0xFF));
    // 16-byte blocks: 8 alpha bytes, then a red colour block.
    const auto alphaBlock = [](uint8_t code, std::vector<uint8_t> alpha) {
        Append(alpha, ColourBlock(0xF800, 0x001F, 0, 0, 0, 0));
        return TrueColour(4, 4, code, alpha);
    };
    // Explicit: pixel 0 in the low nibble of byte 0; pixel 15 in the high nibble of byte 7.
    const auto explicitAlpha = alphaBlock(5, {0xF0, 0, 0, 0, 0, 0, 0, 0x8F});
    // Interpolated, 200 > 100: six steps between; 3-bit indices from bit 0 of byte 2 on:
    // pixel 0 index 2 (1300 / 7), pixel 1 index 7 (800 / 7), pixel 15 index 1.
    const auto sevenSteps = alphaBlock(6, {200, 100, 0x3A, 0, 0, 0, 0, 0x20});
    // 10 <= 20: four steps, then 0 and 255: pixels 0, 1, 2 take indices 6, 7, 2 (60 / 5).
    const auto fiveSteps = alphaBlock(6, {10, 20, 0xBE, 0, 0, 0, 0, 0});
    struct Case {
        const char* name;
        std::vector<uint8_t> file;
        int width;
        std::vector<uint32_t> expected;  // some pixels: x, y, 0xRRGGBBAA
    };
    const Case cases[] = {
        {"palettised",
         palettised,
         2,
         {0, 0, (PaletteRgb(0) << 8) | 0x00, 1, 0, (PaletteRgb(10) << 8) | 0xFF, 0, 1,
          (PaletteRgb(200) << 8) | 0x88, 1, 1, (PaletteRgb(255) << 8) | 0x11}},
        {"palettised without alpha",
         Palettised(2, 1, {7, 8}),
         2,
         {0, 0, (PaletteRgb(7) << 8) | 0xFF, 1, 0, (PaletteRgb(8) << 8) | 0xFF}},
        {"32-bit",
         trueColour,
         2,
         {0, 0, 0x12345600, 1, 0, 0xABCDEFFF, 0, 1, 0x01020340, 1, 1, 0xFEDCBA7F}},
        {"colour block", blocks, 4, {0, 0, 0xF80000FF, 3, 1, 0x0000F8FF, 0, 3, 0x5200A5FF}},
        {"explicit alpha",
         explicitAlpha,
         4,
         {0, 0, 0xF8000000, 1, 0, 0xF80000FF, 2, 3, 0xF80000FF, 3, 3, 0xF8000088}},
        {"interpolated alpha",
         sevenSteps,
         4,
         {0, 0, 0xF80000B9, 1, 0, 0xF8000072, 2, 0, 0xF80000C8, 3, 3, 0xF8000064}},
        {"interpolated alpha with ends",
         fiveSteps,
         4,
         {0, 0, 0xF8000000, 1, 0, 0xF80000FF, 2, 0, 0xF800000C, 3, 0, 0xF800000A}},
    };
    for (const Case& c : cases) {
        const DecodedPng png = DecodePng(TexturePngFile(c.file));
        ASSERT_TRUE(png.ok) << c.name;
        EXPECT_TRUE(png.hasAlpha) << c.name;
        EXPECT_EQ(png.width, c.width) << c.name;
        for (size_t i = 0; i < c.expected.size(); i += 3) {
            EXPECT_EQ(png.At(int(c.expected[i]), int(c.expected[i + 1])), c.expected[i + 2])
                << c.name << " pixel " << c.expected[i] << "," << c.expected[i + 1];
        }
    }
}

TEST(TexturePng, IsLargerThanTheThumbnailCap) {
    const auto texture = Palettised(512, 4, std::vector<uint8_t>(2048, 3));
    const DecodedPng png = DecodePng(TexturePngFile(texture));
    ASSERT_TRUE(png.ok);
    EXPECT_EQ(png.width, 512);
    EXPECT_EQ(png.height, 4);
    EXPECT_EQ(png.At(511, 3), (PaletteRgb(3) << 8) | 0xFF);
}

TEST(TexturePng, TexturesWithoutAPictureGiveNoFile) {
    const std::vector<uint8_t> none[] = {
        {},
        Header(-3, 64, 64),
        Palettised(64, 0, {1, 2, 3}),
        TrueColour(6, 6, 4, std::vector<uint8_t>(64)),
    };
    for (const auto& file : none)
        EXPECT_TRUE(TexturePngFile(file).empty());
}
