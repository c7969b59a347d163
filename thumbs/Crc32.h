#pragma once
// The CRC-32 of PNG chunks and zip files (polynomial 0xEDB88320, reflected).
#include <cstddef>
#include <cstdint>

// Continues crc (0 to start) over size bytes.
uint32_t Crc32(uint32_t crc, const uint8_t* bytes, size_t size);
