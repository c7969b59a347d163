#pragma once
// Layout constants and the header record of the .rez archive file.
#include <cstdint>

constexpr std::uint32_t kTextBlockSize = 127;
constexpr std::uint32_t kHeaderOffset = 127;
constexpr std::uint32_t kHeaderDiskSize = 41;
constexpr std::uint32_t kDataStart = kHeaderOffset + kHeaderDiskSize;  // 168
// The reader takes in the header as its in-memory size; the bytes past the 41 are ignored.
constexpr std::uint32_t kHeaderMemorySize = 44;

// Eleven 32-bit words in memory; 41 bytes on disk (the last word's low byte only).
struct RezHeader {
    std::uint32_t version = 0;
    std::uint32_t rootDirectoryPosition = 0;
    std::uint32_t rootDirectorySize = 0;
    std::uint32_t rootDirectoryTime = 0;
    std::uint32_t dataEnd = 0;
    std::uint32_t timeStamp = 0;
    std::uint32_t largestKeyCount = 0;
    std::uint32_t largestFolderName = 0;
    std::uint32_t largestEntryName = 0;
    std::uint32_t largestDescription = 0;
    std::uint32_t sortedFlag = 0;  // low byte only on disk
};
static_assert(sizeof(RezHeader) == 44);
