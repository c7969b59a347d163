#pragma once
// One 8-byte colour block of the DXT family: two 5-6-5 colours and sixteen 2-bit indices.
#include <cstdint>

constexpr int kColourBlockBytes = 8;

// Writes the 4 x 4 pixels of the block as 0x00RRGGBB values, row by row from the top.
void DecodeColourBlock(const uint8_t* block, uint32_t pixels[16]);
