#include "thumbs/PngEncoder.h"

#include <cstring>

#include "thumbs/Crc32.h"
#include "thumbs/ZlibStream.h"

namespace {

constexpr uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr uint8_t kColourTypeRgb = 2;
constexpr uint8_t kColourTypeRgba = 6;

void AppendBigEndian(std::vector<uint8_t>& out, uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<uint8_t>(value >> shift));
}

void AppendChunk(std::vector<uint8_t>& out, const char type[4], const std::vector<uint8_t>& data) {
    AppendBigEndian(out, static_cast<uint32_t>(data.size()));
    const size_t typeAt = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    AppendBigEndian(out, Crc32(0, &out[typeAt], out.size() - typeAt));
}

}  // namespace

std::vector<uint8_t> EncodePng(const PixelImage& image) {
    if (image.width <= 0 || image.height <= 0 || (image.channels != 3 && image.channels != 4))
        return {};
    const size_t rowBytes = static_cast<size_t>(image.width) * static_cast<size_t>(image.channels);
    if (image.bytes.size() != rowBytes * static_cast<size_t>(image.height))
        return {};
    std::vector<uint8_t> header;
    AppendBigEndian(header, static_cast<uint32_t>(image.width));
    AppendBigEndian(header, static_cast<uint32_t>(image.height));
    // 8 bits a sample, the colour type, deflate, adaptive filtering, no interlace.
    header.insert(header.end(),
                  {8, image.channels == 4 ? kColourTypeRgba : kColourTypeRgb, 0, 0, 0});

    // Every row is filtered with filter type 0 (none): stored blocks gain nothing from others.
    std::vector<uint8_t> rows((rowBytes + 1) * static_cast<size_t>(image.height));
    for (size_t y = 0; y < static_cast<size_t>(image.height); ++y) {
        rows[y * (rowBytes + 1)] = 0;
        std::memcpy(&rows[y * (rowBytes + 1) + 1], &image.bytes[y * rowBytes], rowBytes);
    }
    std::vector<uint8_t> data;
    AppendZlibStored(data, rows.data(), rows.size());
    rows = {};

    std::vector<uint8_t> file(kSignature, kSignature + sizeof kSignature);
    file.reserve(data.size() + 64);
    AppendChunk(file, "IHDR", header);
    AppendChunk(file, "IDAT", data);
    AppendChunk(file, "IEND", {});
    return file;
}
