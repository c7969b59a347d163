#pragma once
// A texture as a square picture of an icon's size: the thumbnail reader and scaling rule,
// drawn on white, for lists that show textures in place of their icon.
#include <cstdint>
#include <string>
#include <vector>

class CGlintraDoc;

struct IconPicture {
    int size = 0;                  // 0: no picture
    std::vector<uint32_t> pixels;  // size x size, 0x00RRGGBB, rows from the top
};

// No picture when the texture has no pixels or size is not positive.
IconPicture IconPictureOf(const CGlintraDoc& texture, int size);

// The texture file that takes length bytes from offset in the file at path (a whole file
// when offset is 0 and length is the file's). No picture when it cannot be read.
IconPicture ReadIconPicture(const std::string& path, uint32_t offset, uint32_t length, int size);
