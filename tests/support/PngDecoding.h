#pragma once
// PNG files read back by libpng, an encoder independent of the one under test.
#include <png.h>

#include <cstdint>
#include <vector>

namespace support {

struct DecodedPng {
    bool ok = false;
    int width = 0;
    int height = 0;
    bool hasAlpha = false;  // as the file was written
    bool colour = false;
    std::vector<uint8_t> rgba;  // rows from the top, 4 bytes a pixel

    // 0xRRGGBBAA of a pixel.
    uint32_t At(int x, int y) const {
        const uint8_t* p = &rgba[(static_cast<size_t>(y) * width + x) * 4];
        return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | p[3];
    }
};

inline DecodedPng DecodePng(const std::vector<uint8_t>& file) {
    DecodedPng out;
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (file.empty() || !png_image_begin_read_from_memory(&image, file.data(), file.size()))
        return out;
    out.hasAlpha = (image.format & PNG_FORMAT_FLAG_ALPHA) != 0;
    out.colour = (image.format & PNG_FORMAT_FLAG_COLOR) != 0;
    image.format = PNG_FORMAT_RGBA;
    out.width = static_cast<int>(image.width);
    out.height = static_cast<int>(image.height);
    out.rgba.resize(PNG_IMAGE_SIZE(image));
    out.ok = png_image_finish_read(&image, nullptr, out.rgba.data(), 0, nullptr) != 0;
    return out;
}

}  // namespace support
