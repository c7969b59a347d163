#include "thumbs/TexturePicture.h"

#include <new>

#include "thumbs/GlintraDoc.h"

namespace {

constexpr uint8_t kFirstBlockFormat = 4;  // block layouts keep no alpha here

uint8_t AlphaAt(const CGlintraDoc& texture, int x, int y) {
    const size_t index =
        static_cast<size_t>(y) * static_cast<size_t>(texture.Width()) + static_cast<size_t>(x);
    if (texture.BitsPerPixel() == 32) {
        if (texture.PixelFormat() >= kFirstBlockFormat) {
            return 0xFF;
        }
        return texture.PixelRows()[static_cast<size_t>(y) * texture.RowStride() +
                                   static_cast<size_t>(x) * 4 + 3];
    }
    const std::vector<uint8_t>& alpha = texture.AlphaBlock();
    if (index / 2 >= alpha.size()) {
        return 0xFF;
    }
    const uint8_t nibble = (index % 2 == 0) ? (alpha[index / 2] & 0x0F) : (alpha[index / 2] >> 4);
    return static_cast<uint8_t>(nibble * 17);  // 0..15 onto 0..255
}

}  // namespace

PixelImage TexturePicture(const CGlintraDoc& texture) {
    PixelImage image;
    if (!texture.HasPixels()) {
        return image;
    }
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
            *out++ = AlphaAt(texture, x, y);
        }
    }
    return image;
}

std::vector<uint8_t> TexturePngFile(const std::vector<uint8_t>& textureFile) {
    CGlintraDoc texture;
    texture.Clear();
    MemoryReader reader(textureFile);
    if (textureFile.empty() ||
        !texture.Serialize(reader, static_cast<uint32_t>(textureFile.size()))) {
        return {};
    }
    try {
        return EncodePng(TexturePicture(texture));
    } catch (const std::bad_alloc&) {
        // The largest texture read needs a few hundred megabytes here: too many for some.
        return {};
    }
}
