#include <gtest/gtest.h>

#include "support/ScratchFolder.h"
#include "thumbs/DtxBuilder.h"
#include "thumbs/GlintraDoc.h"
#include "thumbs/IconPicture.h"

using namespace dtx_test;

namespace {

constexpr uint32_t W = 0xFFFFFF;

// A version -5 texture of 32-bit pixels, given row by row as 0xRRGGBB.
std::vector<uint8_t> TextureOf(int width, int height, const std::vector<uint32_t>& rgb) {
    std::vector<uint8_t> data;
    for (uint32_t colour : rgb)
        AppendPixel(data, colour);
    return TrueColour(width, height, 0, data);
}

IconPicture PictureOf(const std::vector<uint8_t>& file, int size) {
    CGlintraDoc doc;
    MemoryReader reader(file);
    doc.Serialize(reader, static_cast<uint32_t>(file.size()));
    return IconPictureOf(doc, size);
}

}  // namespace

TEST(IconPicture, SmallTextureIsCentredOnWhite) {
    const IconPicture picture = PictureOf(TextureOf(2, 1, {0x102030, 0x405060}), 4);
    EXPECT_EQ(picture.size, 4);
    EXPECT_EQ(picture.pixels, (std::vector<uint32_t>{W, W, W, W,                //
                                                     W, 0x102030, 0x405060, W,  //
                                                     W, W, W, W,                //
                                                     W, W, W, W}));
}

TEST(IconPicture, WideTextureIsShrunkToTheWidthAndCentred) {
    // 8 x 4 into 4: two pixels of the texture to one, each pair of rows alike.
    std::vector<uint32_t> rgb;
    for (int y = 0; y < 4; ++y) {
        for (uint32_t colour : {0x000000u, 0x020406u, 0x101010u, 0x101010u, 0xFF0000u, 0xFF0000u,
                                0x00FF00u, 0x0000FFu})
            rgb.push_back(y < 2 ? colour : W);
    }
    const IconPicture picture = PictureOf(TextureOf(8, 4, rgb), 4);
    EXPECT_EQ(picture.pixels,
              (std::vector<uint32_t>{W, W, W, W,                                          //
                                     0x010203, 0x101010, 0xFF0000, 0x008080, W, W, W, W,  //
                                     W, W, W, W}));
}

TEST(IconPicture, TextureWithoutPixelsGivesNoPicture) {
    EXPECT_EQ(PictureOf(Header(-3, 4, 4), 4).size, 0);
    EXPECT_TRUE(PictureOf({1, 2, 3}, 4).pixels.empty());
}

TEST(IconPicture, FileIsReadFromItsOffsetForItsLengthOnly) {
    support::ScratchFolder scratch;
    std::vector<uint8_t> archive(10, 0xAB);
    const std::vector<uint8_t> texture = TextureOf(2, 1, {0x102030, 0x405060});
    archive.insert(archive.end(), texture.begin(), texture.end() - 4);
    archive.insert(archive.end(), 8, 0xFF);  // the next entry's data
    const std::string path = scratch.Write("pack.rez", archive);
    const uint32_t length = static_cast<uint32_t>(texture.size() - 4);

    const IconPicture picture = ReadIconPicture(path, 10, length, 4);
    ASSERT_EQ(picture.size, 4);
    // The second pixel is cut off: black, not the bytes after the entry.
    EXPECT_EQ(picture.pixels[5], 0x102030u);
    EXPECT_EQ(picture.pixels[6], 0x000000u);
    EXPECT_EQ(ReadIconPicture(path, 0, length, 4).size, 0);
    EXPECT_EQ(ReadIconPicture(scratch.Path("missing.dtx"), 0, length, 4).size, 0);
}
