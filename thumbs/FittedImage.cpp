#include "thumbs/FittedImage.h"

#include <algorithm>

#include "thumbs/GlintraDoc.h"
#include "thumbs/ThumbnailGeometry.h"

namespace {

// Source span [first, last) of output position i out of count, for size source positions.
void SourceSpan(int i, int count, int size, int& first, int& last) {
    first = static_cast<int>(int64_t{i} * size / count);
    last = std::max(first + 1, static_cast<int>(int64_t{i + 1} * size / count));
}

}  // namespace

RgbImage FittedImage(const CGlintraDoc& texture, int maxSize) {
    RgbImage image;
    if (!texture.HasPixels() || maxSize <= 0)
        return image;
    int width = texture.Width();
    int height = texture.Height();
    ThumbnailRect rect = PlaceThumbnail(width, height, maxSize, maxSize);
    image.width = std::max(1, rect.width);
    image.height = std::max(1, rect.height);
    image.rgb.resize(static_cast<size_t>(image.width) * image.height * 3);
    // Each output pixel averages the box of texture pixels it covers.
    uint8_t* out = image.rgb.data();
    for (int oy = 0; oy < image.height; ++oy) {
        int y0, y1;
        SourceSpan(oy, image.height, height, y0, y1);
        for (int ox = 0; ox < image.width; ++ox) {
            int x0, x1;
            SourceSpan(ox, image.width, width, x0, x1);
            uint64_t red = 0, green = 0, blue = 0;
            for (int y = y0; y < y1; ++y) {
                for (int x = x0; x < x1; ++x) {
                    uint32_t colour = texture.PixelRgb(x, y);
                    red += (colour >> 16) & 0xFF;
                    green += (colour >> 8) & 0xFF;
                    blue += colour & 0xFF;
                }
            }
            uint64_t count = uint64_t(y1 - y0) * uint64_t(x1 - x0);
            *out++ = static_cast<uint8_t>((red + count / 2) / count);
            *out++ = static_cast<uint8_t>((green + count / 2) / count);
            *out++ = static_cast<uint8_t>((blue + count / 2) / count);
        }
    }
    return image;
}
