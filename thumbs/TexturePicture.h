#pragma once
// A texture's first image at full size with its alpha, as a picture file takes it: the colours
// Glintra draws, and the opacity the texture stores beside them.
#include <cstdint>
#include <vector>

#include "thumbs/PngEncoder.h"

class CGlintraDoc;

// RGBA, 4 channels. Alpha comes from the fourth byte of 32-bit pixels, from the 4-bit alpha
// block of a palettised texture that has one (low nibble first), from the alpha half of the
// blocks of codes 5 (explicit, DXT3) and 6 (interpolated, DXT5), and is opaque otherwise.
// Empty when the texture has no pixels.
PixelImage TexturePicture(const CGlintraDoc& texture);

// The PNG file of the texture whose file bytes are given; empty when it holds no picture.
std::vector<uint8_t> TexturePngFile(const std::vector<uint8_t>& textureFile);
