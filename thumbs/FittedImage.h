#pragma once
// A texture's first image as plain RGB, shrunk to fit a square with the thumbnail rule and
// without padding, for previews outside Windows.
#include <cstdint>
#include <vector>

class CGlintraDoc;

struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgb;  // rows from the top, 3 bytes a pixel
};

// Empty image when the texture has no pixels or maxSize is not positive.
RgbImage FittedImage(const CGlintraDoc& texture, int maxSize);
