#include <gtest/gtest.h>

#include "thumbs/DtxBuilder.h"
#include "thumbs/FittedImage.h"
#include "thumbs/GlintraDoc.h"
#include "thumbs/InfoTip.h"
#include "thumbs/ThumbnailGeometry.h"

using namespace dtx_test;

namespace {

void ExpectRect(const ThumbnailRect& rect, int x, int y, int width, int height, bool scaled) {
    EXPECT_EQ(rect.x, x);
    EXPECT_EQ(rect.y, y);
    EXPECT_EQ(rect.width, width);
    EXPECT_EQ(rect.height, height);
    EXPECT_EQ(rect.scaled, scaled);
}

CGlintraDoc LoadedDoc(const std::vector<uint8_t>& file, uint32_t length) {
    CGlintraDoc doc;
    MemoryReader reader(file);
    doc.Serialize(reader, length);
    return doc;
}

// A version -5 texture with code 0 whose pixel (x, y) has colour pick(x, y).
template <class Pick>
CGlintraDoc TrueColourDoc(int width, int height, Pick pick) {
    std::vector<uint8_t> data;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            AppendPixel(data, pick(x, y));
        }
    }
    auto file = TrueColour(width, height, 0, data);
    return LoadedDoc(file, static_cast<uint32_t>(file.size()));
}

uint32_t RgbAt(const RgbImage& image, int x, int y) {
    const uint8_t* p = &image.rgb[(static_cast<size_t>(y) * image.width + x) * 3];
    return (uint32_t{p[0]} << 16) | (uint32_t{p[1]} << 8) | p[2];
}

}  // namespace

TEST(ThumbnailGeometry, SquareTextureFillsSquareTarget) {
    ExpectRect(PlaceThumbnail(256, 256, 96, 96), 0, 0, 96, 96, true);
}

TEST(ThumbnailGeometry, WideTextureFitsItsWidthAndIsCentredVertically) {
    ExpectRect(PlaceThumbnail(256, 128, 96, 96), 0, 24, 96, 48, true);
    // dx = 28 > dy = -36
    ExpectRect(PlaceThumbnail(128, 64, 100, 100), 0, 25, 100, 50, true);
}

TEST(ThumbnailGeometry, SmallTextureIsCentredUnscaled) {
    ExpectRect(PlaceThumbnail(64, 32, 96, 96), 16, 32, 64, 32, false);
    ExpectRect(PlaceThumbnail(96, 96, 96, 96), 0, 0, 96, 96, false);
    ExpectRect(PlaceThumbnail(95, 1, 96, 96), 0, 47, 95, 1, false);
}

TEST(ThumbnailGeometry, OverflowsNotRatiosDecideTheFittedSide) {
    // Target 200 x 50: dx = 100 > dy = 50 fits the width although the height ratio is larger.
    ExpectRect(PlaceThumbnail(300, 100, 200, 50), 0, -8, 200, 66, true);
    // Tall texture in a square: the height is fitted.
    ExpectRect(PlaceThumbnail(64, 512, 128, 128), 56, 0, 16, 128, true);
}

TEST(InfoTip, ShowsDimensionsTypeAndFileSize) {
    auto doc = LoadedDoc(Header(-5, 256, 128), 87632);
    EXPECT_EQ(InfoTipText(doc), "Dimensions: 256 x 128\nType: LithTech Texture\nSize: 87632");
}

TEST(InfoTip, ShowsHeaderValuesAsSigned16Bit) {
    auto doc = LoadedDoc(Header(-3, 0xFFFF, 0x8000), 4000000000u);
    EXPECT_EQ(InfoTipText(doc),
              "Dimensions: -1 x -32768\nType: LithTech Texture\nSize: 4000000000");
}

TEST(FittedImage, LargeTextureShrinksToFitWithAspectKept) {
    auto doc = TrueColourDoc(256, 128, [](int x, int) { return x < 128 ? 0xFF0000u : 0x0000FFu; });
    RgbImage image = FittedImage(doc, 64);
    ASSERT_EQ(image.width, 64);
    ASSERT_EQ(image.height, 32);
    EXPECT_EQ(RgbAt(image, 0, 0), 0xFF0000u);
    EXPECT_EQ(RgbAt(image, 31, 31), 0xFF0000u);
    EXPECT_EQ(RgbAt(image, 32, 0), 0x0000FFu);
    EXPECT_EQ(RgbAt(image, 63, 31), 0x0000FFu);
}

TEST(FittedImage, BoxesAreAveraged) {
    // A 4 x 4 checkerboard of black and white shrinks to uniform grey.
    auto doc = TrueColourDoc(4, 4, [](int x, int y) { return (x + y) % 2 ? 0xFFFFFFu : 0u; });
    RgbImage image = FittedImage(doc, 2);
    ASSERT_EQ(image.width, 2);
    ASSERT_EQ(image.height, 2);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 2; ++x) {
            EXPECT_EQ(RgbAt(image, x, y), 0x808080u);
        }
    }
}

TEST(FittedImage, SmallTextureIsNeverEnlargedOrPadded) {
    auto doc = TrueColourDoc(16, 8, [](int x, int y) { return uint32_t(x * 16) << 8 | y; });
    RgbImage image = FittedImage(doc, 128);
    ASSERT_EQ(image.width, 16);
    ASSERT_EQ(image.height, 8);
    EXPECT_EQ(RgbAt(image, 15, 7), (15u * 16) << 8 | 7);
}

TEST(FittedImage, ThinTextureKeepsAtLeastOneRow) {
    auto doc = TrueColourDoc(512, 1, [](int, int) { return 0x123456u; });
    RgbImage image = FittedImage(doc, 128);
    EXPECT_EQ(image.width, 128);
    EXPECT_EQ(image.height, 1);
    EXPECT_EQ(RgbAt(image, 127, 0), 0x123456u);
}

TEST(FittedImage, NoPixelsGiveNoImage) {
    auto doc = LoadedDoc(Header(-3, 64, 64), 5000);
    EXPECT_EQ(FittedImage(doc, 128).width, 0);
    EXPECT_TRUE(FittedImage(doc, 128).rgb.empty());
}
