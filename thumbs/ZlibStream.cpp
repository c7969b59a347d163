#include "thumbs/ZlibStream.h"

#include <algorithm>

namespace {

constexpr size_t kStoredBlockBytes = 65535;  // the most a stored block's 16-bit length holds
constexpr uint32_t kAdlerModulus = 65521;
// Sums of this many bytes cannot overflow 32 bits before they are reduced.
constexpr size_t kAdlerRun = 5552;

}  // namespace

uint32_t Adler32(const uint8_t* bytes, size_t size) {
    uint32_t a = 1, b = 0;
    while (size > 0) {
        const size_t run = std::min(size, kAdlerRun);
        for (size_t i = 0; i < run; ++i) {
            a += bytes[i];
            b += a;
        }
        a %= kAdlerModulus;
        b %= kAdlerModulus;
        bytes += run;
        size -= run;
    }
    return (b << 16) | a;
}

void AppendZlibStored(std::vector<uint8_t>& out, const uint8_t* bytes, size_t size) {
    const size_t blocks = std::max<size_t>(1, (size + kStoredBlockBytes - 1) / kStoredBlockBytes);
    out.reserve(out.size() + 2 + blocks * 5 + size + 4);
    // Deflate with a 32 KiB window, no dictionary; 0x7801 is a multiple of 31 as required.
    out.push_back(0x78);
    out.push_back(0x01);
    size_t done = 0;
    do {
        const size_t length = std::min(size - done, kStoredBlockBytes);
        const bool last = done + length == size;
        out.push_back(last ? 1 : 0);  // BFINAL, BTYPE 00 (stored), padded to the byte
        out.push_back(static_cast<uint8_t>(length));
        out.push_back(static_cast<uint8_t>(length >> 8));
        out.push_back(static_cast<uint8_t>(~length));
        out.push_back(static_cast<uint8_t>(~length >> 8));
        out.insert(out.end(), bytes + done, bytes + done + length);
        done += length;
    } while (done < size);
    const uint32_t adler = Adler32(bytes, size);
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<uint8_t>(adler >> shift));
}
