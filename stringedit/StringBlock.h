#pragma once
// The RT_STRING resource layout: block b (from 1) holds the 16 strings with identifiers
// (b - 1) * 16 to (b - 1) * 16 + 15, each a 16-bit little-endian length in UTF-16 code
// units followed by the code units; an absent string has length 0.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

constexpr int kStringsPerBlock = 16;
constexpr int kStringBlockCount = 4096;  // enough blocks for identifiers 0 to 65534
constexpr int kStringTableSize = 65535;

using StringBlock = std::array<std::u16string, kStringsPerBlock>;

int BlockOfId(int id);  // the resource name of the block holding identifier id

// Missing or truncated entries of a damaged block come back empty.
StringBlock DecodeStringBlock(const std::vector<uint8_t>& bytes);
// False when a string is longer than the 65535 code units a length field can count.
bool EncodeStringBlock(const StringBlock& block, std::vector<uint8_t>& bytes);
