#pragma once
// The 8-byte alpha halves of the 16-byte blocks of the DXT family: explicit 4-bit values
// (DXT3) or two end values and sixteen 3-bit indices between them (DXT5).
#include <cstdint>

constexpr int kAlphaBlockBytes = 8;

// Writes the 4 x 4 opacities of the block, row by row from the top.
void DecodeExplicitAlpha(const uint8_t* block, uint8_t alpha[16]);
void DecodeInterpolatedAlpha(const uint8_t* block, uint8_t alpha[16]);
