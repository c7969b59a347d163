#include "thumbs/TexturePicture.h"

#include <algorithm>
#include <new>

#include "thumbs/AlphaBlock.h"
#include "thumbs/GlintraDoc.h"

namespace {

constexpr uint8_t kFirstBlockFormat = 4;  // codes below are plain 32-bit pixels
constexpr uint8_t kExplicitAlphaFormat = 5;
constexpr uint8_t kInterpolatedAlphaFormat = 6;

// The alpha of every pixel as the texture stores it; left opaque where it stores none.
void ApplyAlpha(const CGlintraDoc& texture, PixelImage& image) {
    const size_t width = static_cast<size_t>(image.width);
    const size_t height = static_cast<size_t>(image.height);
    uint8_t* rgba = image.bytes.data();
    if (texture.BitsPerPixel() == 8) {
        const std::vector<uint8_t>& alpha = texture.AlphaBlock();
        // Two pixels a byte, the first in the low nibble.
        for (size_t i = 0; i < width * height && i / 2 < alpha.size(); ++i) {
            const uint8_t nibble = (i % 2 == 0) ? (alpha[i / 2] & 0x0F) : (alpha[i / 2] >> 4);
            rgba[i * 4 + 3] = static_cast<uint8_t>(nibble * 17);
        }
        return;
    }
    const uint8_t format = texture.PixelFormat();
    if (format < kFirstBlockFormat) {
        for (size_t y = 0; y < height; ++y) {
            const uint8_t* row = &texture.PixelRows()[y * texture.RowStride()];
            for (size_t x = 0; x < width; ++x)
                rgba[(y * width + x) * 4 + 3] = row[x * 4 + 3];
        }
        return;
    }
    if (format != kExplicitAlphaFormat && format != kInterpolatedAlphaFormat)
        return;
    const std::vector<uint8_t>& blocks = texture.BlockAlpha();
    const size_t blocksAcross = width / 4;
    uint8_t alpha[16];
    for (size_t block = 0; (block + 1) * kAlphaBlockBytes <= blocks.size(); ++block) {
        const uint8_t* bytes = &blocks[block * kAlphaBlockBytes];
        if (format == kExplicitAlphaFormat)
            DecodeExplicitAlpha(bytes, alpha);
        else
            DecodeInterpolatedAlpha(bytes, alpha);
        const size_t top = block / blocksAcross * 4, left = block % blocksAcross * 4;
        for (size_t y = top; y < std::min(top + 4, height); ++y)
            for (size_t x = left; x < left + 4; ++x)
                rgba[(y * width + x) * 4 + 3] = alpha[(y - top) * 4 + (x - left)];
    }
}

}  // namespace

PixelImage TexturePicture(const CGlintraDoc& texture) {
    PixelImage image;
    if (!texture.HasPixels())
        return image;
    image.width = texture.Width();
    image.height = texture.Height();
    image.channels = 4;
    image.bytes.resize(static_cast<size_t>(image.width) * static_cast<size_t>(image.height) * 4);
    uint8_t* out = image.bytes.data();
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const uint32_t colour = texture.PixelRgb(x, y);
            *out++ = static_cast<uint8_t>(colour >> 16);
            *out++ = static_cast<uint8_t>(colour >> 8);
            *out++ = static_cast<uint8_t>(colour);
            *out++ = 0xFF;
        }
    }
    ApplyAlpha(texture, image);
    return image;
}

std::vector<uint8_t> TexturePngFile(const std::vector<uint8_t>& textureFile) {
    CGlintraDoc texture;
    texture.Clear();
    MemoryReader reader(textureFile);
    if (textureFile.empty() ||
        !texture.Serialize(reader, static_cast<uint32_t>(textureFile.size())))
        return {};
    try {
        return EncodePng(TexturePicture(texture));
    } catch (const std::bad_alloc&) {
        // The largest texture read needs a few hundred megabytes here: too many for some.
        return {};
    }
}
