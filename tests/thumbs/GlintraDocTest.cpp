#include "thumbs/GlintraDoc.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstring>

#include "support/LittleEndian.h"
#include "thumbs/DtxBuilder.h"

using namespace dtx_test;

namespace {

class CountingReader : public MemoryReader {
  public:
    using MemoryReader::MemoryReader;
    size_t Read(void* destination, size_t size) override {
        size_t got = MemoryReader::Read(destination, size);
        consumed += got;
        return got;
    }
    size_t consumed = 0;
};

// Bitmap header fields are signed.
int32_t Field32(const std::vector<uint8_t>& bytes, size_t at) {
    return static_cast<int32_t>(support::Get32(bytes, at));
}

int Field16(const std::vector<uint8_t>& bytes, size_t at) {
    return support::Get16(bytes, at);
}

bool Load(CGlintraDoc& doc, const std::vector<uint8_t>& file, size_t* consumed = nullptr) {
    CountingReader reader(file);
    bool ok = doc.Serialize(reader, static_cast<uint32_t>(file.size()));
    if (consumed) {
        *consumed = reader.consumed;
    }
    return ok;
}

std::vector<uint8_t> Ramp(size_t count) {
    std::vector<uint8_t> bytes(count);
    for (size_t i = 0; i < count; ++i) {
        bytes[i] = static_cast<uint8_t>(i * 7);
    }
    return bytes;
}

std::vector<uint8_t> Truncated(const std::vector<uint8_t>& file, size_t missing) {
    return std::vector<uint8_t>(file.begin(), file.end() - std::ptrdiff_t(missing));
}

}  // namespace

TEST(GlintraDoc, PalettisedWithAlphaConsumesTableIndicesAndAlpha) {
    std::vector<uint8_t> indices = Ramp(64 * 32);
    std::vector<uint8_t> alpha(1024, 0xAB);
    auto file = Palettised(64, 32, indices, CGlintraDoc::kFlagAlphaBlock, alpha);
    file.resize(file.size() + 100, 0x55);  // later mipmaps are never reached

    CGlintraDoc doc;
    size_t consumed = 0;
    ASSERT_TRUE(Load(doc, file, &consumed));
    EXPECT_EQ(consumed, 44u + 1024u + 2048u + 1024u);
    ASSERT_TRUE(doc.HasPixels());
    EXPECT_EQ(doc.BitsPerPixel(), 8);
    EXPECT_EQ(doc.AlphaBlock(), alpha);

    const auto& info = doc.BitmapInfo();
    ASSERT_EQ(info.size(), 40u + 1024u);
    EXPECT_EQ(Field32(info, 0), 40);
    EXPECT_EQ(Field32(info, 4), 64);
    EXPECT_EQ(Field32(info, 8), -32);
    EXPECT_EQ(Field16(info, 12), 1);
    EXPECT_EQ(Field16(info, 14), 8);
    for (size_t at = 16; at < 40; ++at) {
        EXPECT_EQ(info[at], 0) << at;
    }
    for (int i : {0, 1, 77, 255}) {
        uint32_t rgb = PaletteRgb(i);
        EXPECT_EQ(info[40 + 4 * i + 0], rgb & 0xFF) << i;  // blue
        EXPECT_EQ(info[40 + 4 * i + 1], (rgb >> 8) & 0xFF) << i;
        EXPECT_EQ(info[40 + 4 * i + 2], rgb >> 16) << i;
        EXPECT_EQ(info[40 + 4 * i + 3], 0) << i;
    }
    EXPECT_EQ(doc.PixelRgb(0, 0), PaletteRgb(indices[0]));
    EXPECT_EQ(doc.PixelRgb(63, 31), PaletteRgb(indices[31 * 64 + 63]));
    EXPECT_EQ(doc.PixelRgb(5, 9), PaletteRgb(indices[9 * 64 + 5]));
}

TEST(GlintraDoc, PalettisedRowsOfOddWidthStartOnFourByteBoundaries) {
    std::vector<uint8_t> indices = {1,  2,  3,  4,  5,   //
                                    6,  7,  8,  9,  10,  //
                                    11, 12, 13, 14, 15};
    CGlintraDoc doc;
    ASSERT_TRUE(Load(doc, Palettised(5, 3, indices)));
    ASSERT_TRUE(doc.HasPixels());
    EXPECT_TRUE(doc.AlphaBlock().empty());
    EXPECT_EQ(doc.RowStride(), 8u);
    const auto& rows = doc.PixelRows();
    ASSERT_EQ(rows.size(), 24u);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x) {
            EXPECT_EQ(rows[y * 8 + x], indices[y * 5 + x]);
            EXPECT_EQ(doc.PixelRgb(x, y), PaletteRgb(indices[y * 5 + x]));
        }
    }
}

TEST(GlintraDoc, TrueColourPixelsAreBlueGreenRedWhateverTheCode) {
    for (uint8_t code : {0, 3}) {
        std::vector<uint8_t> data;
        for (int i = 0; i < 6; ++i) {
            AppendPixel(data, 0x102030u * (i + 1), static_cast<uint8_t>(0xF0 + i));
        }
        CGlintraDoc doc;
        ASSERT_TRUE(Load(doc, TrueColour(3, 2, code, data)));
        ASSERT_TRUE(doc.HasPixels()) << int(code);
        EXPECT_EQ(doc.BitsPerPixel(), 32);
        EXPECT_EQ(doc.BitmapInfo().size(), 40u);
        EXPECT_EQ(Field32(doc.BitmapInfo(), 8), -2);
        EXPECT_EQ(Field16(doc.BitmapInfo(), 14), 32);
        EXPECT_EQ(doc.RowStride(), 12u);
        EXPECT_EQ(doc.PixelRgb(0, 0), 0x102030u);
        EXPECT_EQ(doc.PixelRgb(2, 1), (0x102030u * 6) & 0xFFFFFF);
        EXPECT_EQ(doc.PixelRows()[3], 0xF0);  // the fourth byte is kept as read
    }
}

namespace {

constexpr uint16_t kRed565 = 0xF800, kGreen565 = 0x07E0, kBlue565 = 0x001F, kWhite565 = 0xFFFF;

std::vector<uint8_t> SolidBlock(uint16_t colour) {
    return ColourBlock(colour, 0, 0, 0, 0, 0);
}

// Blocks of an 8 x 8 texture in file order: red, green, blue, white.
std::vector<uint8_t> FourBlocks(size_t skipped) {
    std::vector<uint8_t> data;
    for (uint16_t colour : {kRed565, kGreen565, kBlue565, kWhite565}) {
        data.insert(data.end(), skipped, 0xFF);
        Append(data, SolidBlock(colour));
    }
    return data;
}

void ExpectQuadrants(const CGlintraDoc& doc) {
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            uint32_t expected =
                y < 4 ? (x < 4 ? 0xF80000u : 0x00FC00u) : (x < 4 ? 0x0000F8u : 0xF8FCF8u);
            EXPECT_EQ(doc.PixelRgb(x, y), expected) << x << "," << y;
        }
    }
}

}  // namespace

TEST(GlintraDoc, ColourBlocksTileLeftToRightThenDownARowOfBlocks) {
    CGlintraDoc doc;
    size_t consumed = 0;
    auto file = TrueColour(8, 8, 4, FourBlocks(0));
    file.resize(file.size() + 64, 0x33);
    ASSERT_TRUE(Load(doc, file, &consumed));
    EXPECT_EQ(consumed, 164u + 32u);
    ASSERT_TRUE(doc.HasPixels());
    EXPECT_EQ(doc.BitsPerPixel(), 32);
    ExpectQuadrants(doc);
}

TEST(GlintraDoc, CodesAboveFourSkipEightBytesBeforeEachColourBlock) {
    for (uint8_t code : {5, 6}) {
        CGlintraDoc doc;
        size_t consumed = 0;
        ASSERT_TRUE(Load(doc, TrueColour(8, 8, code, FourBlocks(8)), &consumed));
        EXPECT_EQ(consumed, 164u + 64u);
        ASSERT_TRUE(doc.HasPixels()) << int(code);
        ExpectQuadrants(doc);
    }
}

// Short files: what the file lacks reads as zero, so the picture is partly black (or, for
// the 8-bit layout, index 0 of the colour table).
TEST(GlintraDoc, ShortPalettisedFileShowsItsIndicesThenEntryZero) {
    std::vector<uint8_t> indices = Ramp(8 * 8);
    auto file = Truncated(Palettised(8, 8, indices), 24);  // cut in row 5
    CGlintraDoc doc;
    ASSERT_TRUE(Load(doc, file));
    ASSERT_TRUE(doc.HasPixels());
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            int i = y * 8 + x;
            uint32_t expected = i < 40 ? PaletteRgb(indices[i]) : PaletteRgb(0);
            EXPECT_EQ(doc.PixelRgb(x, y), expected) << x << "," << y;
        }
    }
}

TEST(GlintraDoc, CutColourTableKeepsTheEntriesItHolds) {
    // Entries 0 to 9 whole, entry 10 with its unused byte and red, nothing after.
    auto file = Palettised(4, 4, {});
    file.resize(44 + 4 * 10 + 2);
    CGlintraDoc doc;
    ASSERT_TRUE(Load(doc, file));
    ASSERT_TRUE(doc.HasPixels());
    const auto& info = doc.BitmapInfo();
    ASSERT_EQ(info.size(), 40u + 1024u);
    for (int i = 0; i < 256; ++i) {
        uint32_t rgb = i < 10 ? PaletteRgb(i) : i == 10 ? PaletteRgb(10) & 0xFF0000 : 0;
        EXPECT_EQ(info[40 + 4 * i + 0], rgb & 0xFF) << i;
        EXPECT_EQ(info[40 + 4 * i + 1], (rgb >> 8) & 0xFF) << i;
        EXPECT_EQ(info[40 + 4 * i + 2], rgb >> 16) << i;
    }
    EXPECT_EQ(doc.PixelRgb(3, 3), PaletteRgb(0));  // no indices: all index 0
}

TEST(GlintraDoc, CutAlphaBlockKeepsThePicture) {
    std::vector<uint8_t> indices = Ramp(8 * 8);
    auto file =
        Palettised(8, 8, indices, CGlintraDoc::kFlagAlphaBlock, std::vector<uint8_t>(31, 0xAB));
    CGlintraDoc doc;
    ASSERT_TRUE(Load(doc, file));
    ASSERT_TRUE(doc.HasPixels());
    for (int i = 0; i < 64; ++i) {
        EXPECT_EQ(doc.PixelRgb(i % 8, i / 8), PaletteRgb(indices[i])) << i;
    }
    std::vector<uint8_t> alpha(32, 0xAB);
    alpha[31] = 0;
    EXPECT_EQ(doc.AlphaBlock(), alpha);

    // Without any alpha bytes the picture stays too, with a zero alpha block.
    ASSERT_TRUE(Load(doc, Palettised(8, 8, indices, CGlintraDoc::kFlagAlphaBlock)));
    ASSERT_TRUE(doc.HasPixels());
    EXPECT_EQ(doc.PixelRgb(7, 7), PaletteRgb(indices[63]));
    EXPECT_EQ(doc.AlphaBlock(), std::vector<uint8_t>(32, 0));
}

TEST(GlintraDoc, ShortTrueColourFileIsBlackWhereItEnds) {
    std::vector<uint8_t> data;
    for (int i = 0; i < 10; ++i) {
        AppendPixel(data, 0x010203u * uint32_t(i + 1));
    }
    data.push_back(0x44);  // pixel 10: blue and green only
    data.push_back(0x55);
    CGlintraDoc doc;
    ASSERT_TRUE(Load(doc, TrueColour(4, 4, 3, data)));
    ASSERT_TRUE(doc.HasPixels());
    for (int i = 0; i < 16; ++i) {
        uint32_t expected = i < 10 ? 0x010203u * uint32_t(i + 1) : i == 10 ? 0x005544u : 0;
        EXPECT_EQ(doc.PixelRgb(i % 4, i / 4), expected) << i;
    }
}

TEST(GlintraDoc, HeaderAloneGivesABlackPicture) {
    for (auto file : {Header(-5, 4, 2), Truncated(Header(-2, 4, 2), 12)}) {
        CGlintraDoc doc;
        ASSERT_TRUE(Load(doc, file));
        ASSERT_TRUE(doc.HasPixels()) << file.size();
        EXPECT_EQ(doc.PixelRows(), std::vector<uint8_t>(doc.RowStride() * 2, 0));
        for (int x = 0; x < 4; ++x) {
            EXPECT_EQ(doc.PixelRgb(x, 1), 0u);
        }
    }
}

TEST(GlintraDoc, MissingColourBlocksAreBlack) {
    // The white block, last of four, is cut: whole, after its two colours (its indices then
    // read 0: colour 0, white), or for code 6 in its skipped bytes.
    struct Cut {
        uint8_t code;
        size_t skipped, missing;
        uint32_t lastQuadrant;
    };
    for (const Cut& cut : {Cut{4, 0, 8, 0u}, Cut{4, 0, 4, 0xF8FCF8u}, Cut{6, 8, 12, 0u}}) {
        auto file = Truncated(TrueColour(8, 8, cut.code, FourBlocks(cut.skipped)), cut.missing);
        CGlintraDoc doc;
        ASSERT_TRUE(Load(doc, file));
        ASSERT_TRUE(doc.HasPixels()) << int(cut.code);
        for (int y = 0; y < 8; ++y) {
            for (int x = 0; x < 8; ++x) {
                uint32_t expected = y < 4 ? (x < 4 ? 0xF80000u : 0x00FC00u)
                                          : (x < 4 ? 0x0000F8u : cut.lastQuadrant);
                EXPECT_EQ(doc.PixelRgb(x, y), expected)
                    << int(cut.code) << "-" << cut.missing << ": " << x << "," << y;
            }
        }
    }
}

namespace {

// A colour block whose rows 0 to 3 show colour 0, colour 1, and the two mixes.
std::vector<uint8_t> RowsBlock(uint16_t c0, uint16_t c1) {
    return ColourBlock(c0, c1, 0x00, 0x55, 0xAA, 0xFF);
}

}  // namespace

TEST(GlintraDoc, BlockHeightsNotAMultipleOfFourKeepTheTopRowsOfTheLastBlocks) {
    // Rows of colour 0, colour 1 and the two thirds mixes: red and blue in the left block,
    // green and blue in the right one.
    const uint32_t rowColour[2][4] = {{0xF80000u, 0x0000F8u, 0xA50052u, 0x5200A5u},
                                      {0x00FC00u, 0x0000F8u, 0x00A852u, 0x0054A5u}};
    for (int height : {1, 2, 3, 5, 6, 7}) {
        // Code 5: each colour block follows 8 skipped bytes.
        std::vector<uint8_t> blocks;
        for (int row = 0; row < (height + 3) / 4; ++row) {
            for (auto block : {RowsBlock(kRed565, kBlue565), RowsBlock(kGreen565, kBlue565)}) {
                blocks.insert(blocks.end(), 8, 0x77);
                Append(blocks, block);
            }
        }
        auto file = TrueColour(8, height, 5, blocks);
        file.resize(file.size() + 40, 0x11);  // later mipmaps are never reached
        CGlintraDoc doc;
        size_t consumed = 0;
        ASSERT_TRUE(Load(doc, file, &consumed));
        ASSERT_TRUE(doc.HasPixels()) << height;
        EXPECT_EQ(consumed, 164u + 32u * size_t((height + 3) / 4)) << height;
        EXPECT_EQ(doc.PixelRows().size(), 32u * size_t(height)) << height;
        EXPECT_EQ(Field32(doc.BitmapInfo(), 8), -height);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < 8; ++x) {
                EXPECT_EQ(doc.PixelRgb(x, y), rowColour[x / 4][y % 4])
                    << height << ": " << x << "," << y;
            }
        }
    }
}

TEST(GlintraDoc, OtherVersionsKeepHeaderButHaveNoPixels) {
    auto file = Header(-3, 256, 128);
    file.resize(5000, 0x11);
    CGlintraDoc doc;
    ASSERT_TRUE(Load(doc, file));
    EXPECT_FALSE(doc.HasPixels());
    EXPECT_TRUE(doc.BitmapInfo().empty());
    EXPECT_EQ(doc.Version(), -3);
    EXPECT_EQ(doc.Width(), 256);
    EXPECT_EQ(doc.Height(), 128);
    EXPECT_EQ(doc.FileLength(), 5000u);
}

TEST(GlintraDoc, ClearForgetsPixelsHeaderAndDisplaySize) {
    CGlintraDoc doc;
    ASSERT_TRUE(Load(doc, Palettised(4, 4, Ramp(16))));
    doc.SetDisplaySize(96, 48);
    doc.Clear();
    EXPECT_FALSE(doc.HasPixels());
    EXPECT_TRUE(doc.PixelRows().empty());
    EXPECT_EQ(doc.Width(), 0);
    EXPECT_EQ(doc.Height(), 0);
    EXPECT_EQ(doc.FileLength(), 0u);
    EXPECT_EQ(doc.DisplayWidth(), 100);
    EXPECT_EQ(doc.DisplayHeight(), 100);
}

TEST(GlintraDoc, ReloadingReplacesThePreviousImage) {
    CGlintraDoc doc;
    ASSERT_TRUE(Load(doc, Palettised(4, 4, Ramp(16))));
    ASSERT_TRUE(Load(doc, Header(-3, 8, 8)));
    EXPECT_FALSE(doc.HasPixels());
    EXPECT_EQ(doc.Width(), 8);
}

namespace {

class FailingReader : public ByteReader {
  public:
    size_t Read(void*, size_t) override {
        failed_ = true;
        return 0;
    }
    bool Failed() const override { return failed_; }

  private:
    bool failed_ = false;
};

}  // namespace

TEST(GlintraDoc, ReaderErrorsAreReported) {
    CGlintraDoc doc;
    FailingReader reader;
    EXPECT_FALSE(doc.Serialize(reader, 5000));
    EXPECT_FALSE(doc.HasPixels());
}

// Hostile files: every one must be refused without pixels and without touching memory outside
// the buffers (the sanitizer build checks the latter).
struct HostileCase {
    const char* name;
    std::vector<uint8_t> file;
};

class GlintraDocHostile : public testing::TestWithParam<HostileCase> {};

TEST_P(GlintraDocHostile, GivesNoPixels) {
    const HostileCase& c = GetParam();
    CGlintraDoc doc;
    EXPECT_TRUE(Load(doc, c.file)) << c.name;
    EXPECT_FALSE(doc.HasPixels()) << c.name;
    EXPECT_TRUE(doc.PixelRows().empty()) << c.name;
    EXPECT_TRUE(doc.BitmapInfo().empty()) << c.name;
    EXPECT_TRUE(doc.AlphaBlock().empty()) << c.name;
}

namespace {

std::vector<HostileCase> HostileCases() {
    std::vector<uint8_t> sixteenBlocks(16 * 8, 0);
    return {
        {"empty", {}},
        {"header cut before the size", Truncated(Header(-2, 4, 4), 16)},
        {"palettised zero width", Palettised(0, 4, {})},
        {"palettised zero height", Palettised(4, 0, {})},
        {"palettised negative width", Palettised(-4, 4, Ramp(64))},
        {"palettised width above 32767", Palettised(0x8000, 1, Ramp(64))},
        {"palettised huge, short file", Palettised(32767, 32767, Ramp(64))},
        {"palettised just above the cap", Palettised(8192, 8193, Ramp(64))},
        {"true colour negative height", TrueColour(4, -4, 0, Ramp(64))},
        {"true colour huge, short file", TrueColour(32767, 32767, 0, Ramp(4096))},
        {"blocks width not a multiple of 4", TrueColour(6, 8, 4, sixteenBlocks)},
        {"blocks width below 4", TrueColour(2, 4, 4, sixteenBlocks)},
        {"blocks huge, short file", TrueColour(32764, 32764, 4, sixteenBlocks)},
        {"blocks negative size", TrueColour(-8, -8, 5, sixteenBlocks)},
    };
}

}  // namespace

INSTANTIATE_TEST_SUITE_P(Files, GlintraDocHostile, testing::ValuesIn(HostileCases()),
                         [](const testing::TestParamInfo<HostileCase>& info) {
                             std::string name = info.param.name;
                             for (char& ch : name) {
                                 if (!isalnum(static_cast<unsigned char>(ch))) {
                                     ch = '_';
                                 }
                             }
                             return name;
                         });

namespace {

// A file that starts with the given bytes and then holds as many zeros as anyone asks for.
class EndlessFile : public ByteReader {
  public:
    explicit EndlessFile(std::vector<uint8_t> start) : start_(std::move(start)) {}
    size_t Read(void* destination, size_t size) override {
        auto* out = static_cast<uint8_t*>(destination);
        for (size_t i = 0; i < size; ++i, ++position_) {
            out[i] = position_ < start_.size() ? start_[position_] : 0;
        }
        return size;
    }

  private:
    std::vector<uint8_t> start_;
    size_t position_ = 0;
};

}  // namespace

TEST(GlintraDoc, TexturesAboveThePixelLimitAreNotDecoded) {
    CGlintraDoc small;
    EndlessFile smallFile(TrueColour(64, 64, 4, {}));
    EXPECT_TRUE(small.Serialize(smallFile, 0xFFFFFFFFu));
    EXPECT_TRUE(small.HasPixels());  // the endless file would feed any size

    CGlintraDoc huge;
    EndlessFile hugeFile(TrueColour(16384, 8192, 4, {}));
    EXPECT_TRUE(huge.Serialize(hugeFile, 0xFFFFFFFFu));
    EXPECT_EQ(huge.Width(), 16384);
    EXPECT_FALSE(huge.HasPixels());
}

TEST(GlintraDoc, RandomlyDamagedFilesNeverBreakTheBuffers) {
    // Valid files of each layout with random bytes overwritten and random lengths cut off;
    // whatever is accepted must describe buffers of exactly the right size.
    std::vector<std::vector<uint8_t>> seeds = {
        Palettised(12, 6, Ramp(72), CGlintraDoc::kFlagAlphaBlock, Ramp(36)),
        TrueColour(4, 4, 3, Ramp(64)),
        TrueColour(8, 8, 4, Ramp(32)),
        TrueColour(8, 4, 6, Ramp(32)),
    };
    uint32_t state = 12345;
    auto next = [&state] {
        state = state * 1103515245u + 12345u;
        return state >> 8;
    };
    int accepted = 0;
    for (int round = 0; round < 4000; ++round) {
        std::vector<uint8_t> file = seeds[round % seeds.size()];
        for (int hits = next() % 4; hits >= 0; --hits) {
            // Mostly the header, where sizes and codes live; the high bytes of the size stay,
            // so that every round is quick (the cap has a test of its own).
            size_t at = next() % 32;
            if (at != 9 && at != 11) {
                file[at] = static_cast<uint8_t>(next());
            }
        }
        if (next() % 3 == 0) {
            file.resize(next() % (file.size() + 1));
        }
        CGlintraDoc doc;
        Load(doc, file);
        if (!doc.HasPixels()) {
            continue;
        }
        ASSERT_GT(doc.Width(), 0);
        ASSERT_GT(doc.Height(), 0);
        size_t bytesPerPixel = size_t(doc.BitsPerPixel() / 8);
        ASSERT_GE(doc.RowStride(), size_t(doc.Width()) * bytesPerPixel);
        ASSERT_EQ(doc.RowStride() % 4, 0u);
        ASSERT_EQ(doc.PixelRows().size(), doc.RowStride() * size_t(doc.Height()));
        doc.PixelRgb(doc.Width() - 1, doc.Height() - 1);
        ++accepted;
    }
    EXPECT_GT(accepted, 100);  // the damage must leave some files readable to be a test
}
