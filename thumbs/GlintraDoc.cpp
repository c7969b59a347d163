#include "thumbs/GlintraDoc.h"

#include <new>

#include "thumbs/ColourBlock.h"

namespace {

constexpr uint64_t kPalettisedPixelOffset = CGlintraDoc::kHeaderBytes +
                                            CGlintraDoc::kPalettisedExtraBytes +
                                            CGlintraDoc::kColourTableBytes;  // 1068
constexpr uint64_t kTrueColourPixelOffset =
    CGlintraDoc::kHeaderBytes + CGlintraDoc::kTrueColourExtraBytes;  // 164
constexpr uint8_t kFirstBlockFormat = 4;  // codes below are plain 32-bit pixels

uint16_t Read16(const uint8_t* p) {
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

uint32_t Read32(const uint8_t* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

void Write16(uint8_t* p, uint16_t value) {
    p[0] = static_cast<uint8_t>(value);
    p[1] = static_cast<uint8_t>(value >> 8);
}

void Write32(uint8_t* p, uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        p[i] = static_cast<uint8_t>(value >> (8 * i));
    }
}

template <size_t N>
void ReadArea(ByteReader& in, std::array<uint8_t, N>& area) {
    area.fill(0);
    in.Read(area.data(), N);  // a short file leaves the rest zero
}

}  // namespace

void CGlintraDoc::Clear() {
    FreeImage();
    fileLength_ = 0;
    header_.fill(0);
    palettisedExtra_.fill(0);
    trueColourExtra_.fill(0);
    colourTable_.fill(0);
    displayWidth_ = 100;
    displayHeight_ = 100;
}

void CGlintraDoc::FreeImage() {
    pixels_ = {};
    alpha_ = {};
    bitmapInfo_ = {};
    rowStride_ = 0;
    bitsPerPixel_ = 0;
}

int32_t CGlintraDoc::Version() const {
    return static_cast<int32_t>(Read32(&header_[4]));
}
int32_t CGlintraDoc::Width() const {
    return static_cast<int16_t>(Read16(&header_[8]));
}
int32_t CGlintraDoc::Height() const {
    return static_cast<int16_t>(Read16(&header_[10]));
}
uint32_t CGlintraDoc::Flags() const {
    return Read32(&header_[16]);
}

void CGlintraDoc::SetDisplaySize(int width, int height) {
    displayWidth_ = width;
    displayHeight_ = height;
}

bool CGlintraDoc::Serialize(ByteReader& in, uint32_t fileLength) {
    FreeImage();
    fileLength_ = fileLength;
    ReadArea(in, header_);
    bool ok = true;
    try {
        if (Version() == kVersionPalettised) {
            ok = ReadPalettised(in);
        } else if (Version() == kVersionTrueColour) {
            ok = ReadTrueColour(in);
        }
    } catch (const std::bad_alloc&) {
        FreeImage();
    }
    if (!ok) {
        FreeImage();
    }
    return !in.Failed();
}

bool CGlintraDoc::ImageFits(uint64_t dataOffset, uint64_t dataBytes) const {
    int32_t width = Width();
    int32_t height = Height();
    if (width <= 0 || height <= 0) {
        return false;
    }
    if (static_cast<uint64_t>(width) * static_cast<uint64_t>(height) > kMaxPixels) {
        return false;
    }
    return dataOffset + dataBytes <= fileLength_;
}

void CGlintraDoc::AllocateRows(int bitsPerPixel) {
    size_t rowBytes = static_cast<size_t>(Width()) * static_cast<size_t>(bitsPerPixel / 8);
    rowStride_ = (rowBytes + 3) & ~size_t{3};
    pixels_.assign(rowStride_ * static_cast<size_t>(Height()), 0);
}

bool CGlintraDoc::ReadPalettised(ByteReader& in) {
    ReadArea(in, palettisedExtra_);
    ReadArea(in, colourTable_);
    uint64_t pixelCount =
        static_cast<uint64_t>(static_cast<uint32_t>(Width())) * static_cast<uint32_t>(Height());
    uint64_t alphaBytes = (Flags() & kFlagAlphaBlock) ? pixelCount / 2 : 0;
    if (!ImageFits(kPalettisedPixelOffset, pixelCount + alphaBytes)) {
        return false;
    }
    // The file packs rows tightly; bitmap rows start on 4-byte boundaries.
    AllocateRows(8);
    auto width = static_cast<size_t>(Width());
    for (size_t row = 0; row < static_cast<size_t>(Height()); ++row) {
        if (in.Read(&pixels_[row * rowStride_], width) != width) {
            return false;
        }
    }
    if (alphaBytes > 0) {
        alpha_.assign(static_cast<size_t>(alphaBytes), 0);
        if (in.Read(alpha_.data(), alpha_.size()) != alpha_.size()) {
            return false;
        }
    }
    DescribeBitmap(8);
    return true;
}

bool CGlintraDoc::ReadTrueColour(ByteReader& in) {
    ReadArea(in, trueColourExtra_);
    uint64_t pixelCount =
        static_cast<uint64_t>(static_cast<uint32_t>(Width())) * static_cast<uint32_t>(Height());
    if (PixelFormat() < kFirstBlockFormat) {
        if (!ImageFits(kTrueColourPixelOffset, pixelCount * 4)) {
            return false;
        }
        AllocateRows(32);
        if (in.Read(pixels_.data(), pixels_.size()) != pixels_.size()) {
            return false;
        }
    } else {
        // Blocks cover 4 x 4 pixels; other sizes cannot be tiled with them.
        if (Width() % 4 != 0 || Height() % 4 != 0) {
            return false;
        }
        size_t skipped = PixelFormat() == kFirstBlockFormat ? 0 : 8;
        if (!ImageFits(kTrueColourPixelOffset, pixelCount / 16 * (kColourBlockBytes + skipped))) {
            return false;
        }
        AllocateRows(32);
        if (!ReadBlocks(in, skipped)) {
            return false;
        }
    }
    DescribeBitmap(32);
    return true;
}

bool CGlintraDoc::ReadBlocks(ByteReader& in, size_t skippedBytes) {
    size_t blocksAcross = static_cast<size_t>(Width()) / 4;
    size_t blockRows = static_cast<size_t>(Height()) / 4;
    uint8_t block[16];
    uint32_t colours[16];
    size_t blockBytes = skippedBytes + kColourBlockBytes;
    for (size_t blockRow = 0; blockRow < blockRows; ++blockRow) {
        for (size_t across = 0; across < blocksAcross; ++across) {
            if (in.Read(block, blockBytes) != blockBytes) {
                return false;
            }
            DecodeColourBlock(block + skippedBytes, colours);
            for (size_t y = 0; y < 4; ++y) {
                uint8_t* row = &pixels_[(blockRow * 4 + y) * rowStride_ + across * 16];
                for (size_t x = 0; x < 4; ++x) {
                    Write32(row + x * 4, colours[y * 4 + x]);
                }
            }
        }
    }
    return true;
}

void CGlintraDoc::DescribeBitmap(int bitsPerPixel) {
    size_t colours = bitsPerPixel == 8 ? 256 : 0;
    bitmapInfo_.assign(kBitmapHeaderBytes + colours * 4, 0);
    Write32(&bitmapInfo_[0], kBitmapHeaderBytes);
    Write32(&bitmapInfo_[4], static_cast<uint32_t>(Width()));
    Write32(&bitmapInfo_[8], static_cast<uint32_t>(-Height()));
    Write16(&bitmapInfo_[12], 1);
    Write16(&bitmapInfo_[14], static_cast<uint16_t>(bitsPerPixel));
    for (size_t i = 0; i < colours; ++i) {
        uint8_t* entry = &bitmapInfo_[kBitmapHeaderBytes + i * 4];
        entry[0] = colourTable_[4 * i + 3];
        entry[1] = colourTable_[4 * i + 2];
        entry[2] = colourTable_[4 * i + 1];
    }
    bitsPerPixel_ = bitsPerPixel;
}

uint32_t CGlintraDoc::PixelRgb(int x, int y) const {
    const uint8_t* row = &pixels_[static_cast<size_t>(y) * rowStride_];
    if (bitsPerPixel_ == 8) {
        const uint8_t* entry = &colourTable_[4 * size_t{row[x]}];
        return (uint32_t{entry[1]} << 16) | (uint32_t{entry[2]} << 8) | entry[3];
    }
    return Read32(row + static_cast<size_t>(x) * 4) & 0x00FFFFFFu;
}
