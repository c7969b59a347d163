#include "thumbs/GlintraDoc.h"

#include <algorithm>
#include <new>

#include "thumbs/ColourBlock.h"

namespace {

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
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<uint8_t>(value >> (8 * i));
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
    blockAlpha_ = {};
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
        if (Version() == kVersionPalettised)
            ok = ReadPalettised(in);
        else if (Version() == kVersionTrueColour)
            ok = ReadTrueColour(in);
    } catch (const std::bad_alloc&) {
        FreeImage();
    }
    if (!ok)
        FreeImage();
    return !in.Failed();
}

bool CGlintraDoc::ImageFits() const {
    int32_t width = Width();
    int32_t height = Height();
    if (width <= 0 || height <= 0)
        return false;
    // The file's length does not bound the image: what it lacks reads as zero, so the cap alone
    // keeps a short hostile file from asking for unbounded memory.
    return static_cast<uint64_t>(width) * static_cast<uint64_t>(height) <= kMaxPixels;
}

void CGlintraDoc::AllocateRows(int bitsPerPixel) {
    size_t rowBytes = static_cast<size_t>(Width()) * static_cast<size_t>(bitsPerPixel / 8);
    rowStride_ = (rowBytes + 3) & ~size_t{3};
    pixels_.assign(rowStride_ * static_cast<size_t>(Height()), 0);
}

bool CGlintraDoc::ReadPalettised(ByteReader& in) {
    ReadArea(in, palettisedExtra_);
    ReadArea(in, colourTable_);
    if (!ImageFits())
        return false;
    // The file packs rows tightly; bitmap rows start on 4-byte boundaries.
    AllocateRows(8);
    auto width = static_cast<size_t>(Width());
    bool more = true;
    for (size_t row = 0; more && row < static_cast<size_t>(Height()); ++row)
        more = in.Read(&pixels_[row * rowStride_], width) == width;
    if (Flags() & kFlagAlphaBlock) {
        alpha_.assign(width * static_cast<size_t>(Height()) / 2, 0);
        if (more)
            in.Read(alpha_.data(), alpha_.size());
    }
    DescribeBitmap(8);
    return true;
}

bool CGlintraDoc::ReadTrueColour(ByteReader& in) {
    ReadArea(in, trueColourExtra_);
    if (!ImageFits())
        return false;
    if (PixelFormat() < kFirstBlockFormat) {
        AllocateRows(32);
        in.Read(pixels_.data(), pixels_.size());
    } else {
        // Blocks are 4 pixels wide and rows of blocks cannot be split, so other widths are
        // refused; a partial last row of blocks is read whole and cut to the height.
        if (Width() % 4 != 0)
            return false;
        AllocateRows(32);
        ReadBlocks(in, PixelFormat() == kFirstBlockFormat ? 0 : 8);
    }
    DescribeBitmap(32);
    return true;
}

void CGlintraDoc::ReadBlocks(ByteReader& in, size_t skippedBytes) {
    size_t blocksAcross = static_cast<size_t>(Width()) / 4;
    size_t height = static_cast<size_t>(Height());
    size_t blockRows = (height + 3) / 4;
    uint8_t block[16];
    uint32_t colours[16];
    size_t blockBytes = skippedBytes + kColourBlockBytes;
    blockAlpha_.assign(blockRows * blocksAcross * skippedBytes, 0);
    for (size_t blockRow = 0; blockRow < blockRows; ++blockRow) {
        size_t rows = std::min<size_t>(4, height - blockRow * 4);
        for (size_t across = 0; across < blocksAcross; ++across) {
            // Past the end of the file the blocks are zero, which decode to the zero (black)
            // pixels the rows already hold: a short file costs no decoding beyond its end.
            std::fill(block, block + blockBytes, 0);
            if (in.Read(block, blockBytes) == 0)
                return;
            std::copy(block, block + skippedBytes,
                      blockAlpha_.data() + (blockRow * blocksAcross + across) * skippedBytes);
            DecodeColourBlock(block + skippedBytes, colours);
            for (size_t y = 0; y < rows; ++y) {
                uint8_t* row = &pixels_[(blockRow * 4 + y) * rowStride_ + across * 16];
                for (size_t x = 0; x < 4; ++x)
                    Write32(row + x * 4, colours[y * 4 + x]);
            }
        }
    }
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
