#pragma once
// A zlib stream of stored (uncompressed) deflate blocks: what a PNG needs without a zlib
// library on every platform.
#include <cstddef>
#include <cstdint>
#include <vector>

// The Adler-32 checksum of a zlib stream's data.
uint32_t Adler32(const uint8_t* bytes, size_t size);

// Appends the whole stream holding size bytes to out.
void AppendZlibStored(std::vector<uint8_t>& out, const uint8_t* bytes, size_t size);
