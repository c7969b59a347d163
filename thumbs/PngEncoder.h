#pragma once
// PNG files of 8-bit RGB or RGBA images, written without a zlib library.
#include <cstdint>
#include <vector>

struct PixelImage {
    int width = 0;
    int height = 0;
    int channels = 4;            // 3: red, green, blue; 4: and alpha
    std::vector<uint8_t> bytes;  // rows from the top, channels bytes a pixel, no padding
};

// The whole file; empty when the image is empty or its bytes do not match its size.
std::vector<uint8_t> EncodePng(const PixelImage& image);
