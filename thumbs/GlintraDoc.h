#pragma once
// A .dtx texture as read for previews: its header, file length and the pixels of its first
// image, described as a top-down device-independent bitmap.
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "thumbs/ByteReader.h"

class CGlintraDoc {
  public:
    static constexpr int32_t kVersionPalettised = -2;  // 8-bit indices into a colour table
    static constexpr int32_t kVersionTrueColour = -5;  // 32-bit pixels or colour blocks
    static constexpr uint32_t kFlagAlphaBlock = 0x2;
    static constexpr size_t kHeaderBytes = 24;
    static constexpr size_t kPalettisedExtraBytes = 20;
    static constexpr size_t kColourTableBytes = 1024;
    static constexpr size_t kTrueColourExtraBytes = 140;
    static constexpr size_t kBitmapHeaderBytes = 40;
    // Beyond this many pixels a texture is not decoded: a preview must not exhaust memory.
    static constexpr uint64_t kMaxPixels = uint64_t{1} << 26;
    // No texture is read further into its file than this.
    static constexpr uint64_t kLongestRead = kHeaderBytes + kTrueColourExtraBytes + kMaxPixels * 4;

    // Frees the image and forgets the previous file's header and length.
    void Clear();

    // Reads the header and the first image from in; fileLength is the length of the whole file.
    // What a short file lacks reads as zero, so its picture is partly black. A texture of
    // another version, a size that is not positive or above the cap, or a block layout whose
    // width is not a multiple of 4 is kept without pixels. Returns false only when the reader
    // reported an error.
    bool Serialize(ByteReader& in, uint32_t fileLength);

    int32_t Version() const;
    int32_t Width() const;
    int32_t Height() const;
    uint32_t Flags() const;
    uint8_t PixelFormat() const { return trueColourExtra_[2]; }
    uint32_t FileLength() const { return fileLength_; }

    bool HasPixels() const { return bitsPerPixel_ != 0; }
    int BitsPerPixel() const { return bitsPerPixel_; }
    // A BITMAPINFOHEADER (negative height: rows run from the top), followed for 8-bit images by
    // 256 colour entries of blue, green, red, 0. Empty without pixels.
    const std::vector<uint8_t>& BitmapInfo() const { return bitmapInfo_; }
    // Pixel rows from the top, each padded to a multiple of 4 bytes.
    const std::vector<uint8_t>& PixelRows() const { return pixels_; }
    size_t RowStride() const { return rowStride_; }
    // The colour of a pixel as 0x00RRGGBB; only valid with pixels and inside the image.
    uint32_t PixelRgb(int x, int y) const;
    const std::vector<uint8_t>& AlphaBlock() const { return alpha_; }
    // Block layouts of 16-byte blocks: the 8 bytes before each colour block, which the
    // picture does not show, in file order (a row of blocks after another).
    const std::vector<uint8_t>& BlockAlpha() const { return blockAlpha_; }

    void SetDisplaySize(int width, int height);
    int DisplayWidth() const { return displayWidth_; }
    int DisplayHeight() const { return displayHeight_; }

  private:
    void FreeImage();
    bool ReadPalettised(ByteReader& in);
    bool ReadTrueColour(ByteReader& in);
    void ReadBlocks(ByteReader& in, size_t skippedBytes);
    // True when an image of the header's size may be decoded.
    bool ImageFits() const;
    void AllocateRows(int bitsPerPixel);
    void DescribeBitmap(int bitsPerPixel);

    uint32_t fileLength_ = 0;
    std::array<uint8_t, kHeaderBytes> header_{};
    std::array<uint8_t, kPalettisedExtraBytes> palettisedExtra_{};
    std::array<uint8_t, kTrueColourExtraBytes> trueColourExtra_{};
    std::array<uint8_t, kColourTableBytes> colourTable_{};
    std::vector<uint8_t> pixels_;
    std::vector<uint8_t> alpha_;
    std::vector<uint8_t> blockAlpha_;
    std::vector<uint8_t> bitmapInfo_;
    size_t rowStride_ = 0;
    int bitsPerPixel_ = 0;
    int displayWidth_ = 100;
    int displayHeight_ = 100;
};
