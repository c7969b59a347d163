#include "thumbs/IconPicture.h"

#include <algorithm>

#include "thumbs/BufferedFileReader.h"
#include "thumbs/FittedImage.h"
#include "thumbs/GlintraDoc.h"
#include "thumbs/ThumbnailGeometry.h"

namespace {

constexpr uint32_t kWhite = 0xFFFFFF;

}  // namespace

IconPicture IconPictureOf(const CGlintraDoc& texture, int size) {
    IconPicture picture;
    const RgbImage image = FittedImage(texture, size);
    if (image.rgb.empty())
        return picture;
    picture.size = size;
    picture.pixels.assign(static_cast<size_t>(size) * size, kWhite);
    // Smaller textures are centred, never enlarged, as in a shell thumbnail.
    const ThumbnailRect place = PlaceThumbnail(texture.Width(), texture.Height(), size, size);
    const int left = std::clamp(place.x, 0, size - image.width);
    const int top = std::clamp(place.y, 0, size - image.height);
    const uint8_t* rgb = image.rgb.data();
    for (int y = 0; y < image.height; ++y) {
        uint32_t* out = &picture.pixels[static_cast<size_t>(top + y) * size + left];
        for (int x = 0; x < image.width; ++x, rgb += 3)
            out[x] = (uint32_t{rgb[0]} << 16) | (uint32_t{rgb[1]} << 8) | rgb[2];
    }
    return picture;
}

IconPicture ReadIconPicture(const std::string& path, uint32_t offset, uint32_t length, int size) {
    BufferedFileReader file;
    if (!file.Open(path) || !file.Seek(offset))
        return {};
    LimitedReader entry(file, length);
    CGlintraDoc texture;
    if (length == 0 || !texture.Serialize(entry, length))
        return {};
    return IconPictureOf(texture, size);
}
