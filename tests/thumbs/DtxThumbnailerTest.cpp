// Runs the dtx-thumbnailer program the way a file manager does and reads back its PNG files.
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "support/PngDecoding.h"
#include "support/ScratchFolder.h"
#include "support/WholeFile.h"
#include "thumbs/DtxBuilder.h"

using namespace dtx_test;

namespace {

// The thumbnailer's picture: must have been written as RGB, without alpha, not grey.
struct Png {
    support::DecodedPng decoded;
    int width = 0;
    int height = 0;
    uint32_t At(int x, int y) const { return decoded.At(x, y) >> 8; }
};

bool ReadPng(const std::string& path, Png& out) {
    const std::string bytes = support::ReadWholeFile(path);
    out.decoded = support::DecodePng({bytes.begin(), bytes.end()});
    out.width = out.decoded.width;
    out.height = out.decoded.height;
    return out.decoded.ok && out.decoded.colour && !out.decoded.hasAlpha;
}

bool Exists(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file) {
        std::fclose(file);
    }
    return file != nullptr;
}

class DtxThumbnailer : public testing::Test {
  protected:
    std::string Temp(const std::string& name) { return scratch_.Path(name); }
    std::string Texture(const std::string& name, const std::vector<uint8_t>& bytes) {
        return scratch_.Write(name, bytes);
    }
    // Exit status of the program run with args; its standard output goes to output.
    int Run(const std::string& args, std::string* output = nullptr) {
        std::string command = std::string(DTX_THUMBNAILER) + " " + args + " 2>/dev/null";
        std::FILE* pipe = popen(command.c_str(), "r");
        if (!pipe) {
            return -1;
        }
        char buffer[256];
        size_t got;
        while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
            if (output) {
                output->append(buffer, got);
            }
        }
        int status = pclose(pipe);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

  private:
    support::ScratchFolder scratch_{"dtx-thumbnailer"};
};

// A colour-block texture whose left half is red and right half blue.
std::vector<uint8_t> HalvesTexture(int width, int height) {
    std::vector<uint8_t> blocks;
    for (int by = 0; by < height / 4; ++by) {
        for (int bx = 0; bx < width / 4; ++bx) {
            uint16_t colour = bx < width / 8 ? 0xF800 : 0x001F;
            Append(blocks, ColourBlock(colour, 0, 0, 0, 0, 0));
        }
    }
    return TrueColour(width, height, 4, blocks);
}

}  // namespace

TEST_F(DtxThumbnailer, ShrinksToTheRequestedSizeKeepingTheAspect) {
    std::string input = Texture("halves.dtx", HalvesTexture(256, 128));
    std::string output = Temp("halves.png");
    ASSERT_EQ(Run("-s 64 " + input + " " + output), 0);
    Png png;
    ASSERT_TRUE(ReadPng(output, png));
    EXPECT_EQ(png.width, 64);
    EXPECT_EQ(png.height, 32);
    EXPECT_EQ(png.At(0, 0), 0xF80000u);
    EXPECT_EQ(png.At(31, 31), 0xF80000u);
    EXPECT_EQ(png.At(32, 0), 0x0000F8u);
    EXPECT_EQ(png.At(63, 31), 0x0000F8u);
}

TEST_F(DtxThumbnailer, DefaultSizeIs128AndSmallTexturesAreNotEnlarged) {
    std::string wide = Texture("wide.dtx", HalvesTexture(512, 16));
    std::string small = Texture("small.dtx", Palettised(6, 5, std::vector<uint8_t>(30, 200)));
    std::string wideOut = Temp("wide.png"), smallOut = Temp("small.png");
    ASSERT_EQ(Run(wide + " " + wideOut), 0);
    ASSERT_EQ(Run(small + " " + smallOut), 0);
    Png png;
    ASSERT_TRUE(ReadPng(wideOut, png));
    EXPECT_EQ(png.width, 128);
    EXPECT_EQ(png.height, 4);
    ASSERT_TRUE(ReadPng(smallOut, png));
    EXPECT_EQ(png.width, 6);
    EXPECT_EQ(png.height, 5);
    EXPECT_EQ(png.At(5, 4), PaletteRgb(200));
}

TEST_F(DtxThumbnailer, InfoPrintsTheThreeLines) {
    auto bytes = Header(-5, 256, 128);
    bytes.resize(87632, 0);
    std::string output;
    ASSERT_EQ(Run("--info " + Texture("info.dtx", bytes), &output), 0);
    EXPECT_EQ(output, "Dimensions: 256 x 128\nType: LithTech Texture\nSize: 87632\n");
}

TEST_F(DtxThumbnailer, UnreadableTexturesFailWithoutWritingAFile) {
    std::string output = Temp("none.png");
    EXPECT_NE(Run(Temp("missing.dtx") + " " + output), 0);
    EXPECT_NE(Run("--info " + Temp("missing2.dtx")), 0);
    EXPECT_NE(Run(Texture("v3.dtx", Header(-3, 64, 64)) + " " + output), 0);
    EXPECT_NE(Run(Texture("flat.dtx", Palettised(64, 0, {1, 2, 3})) + " " + output), 0);
    EXPECT_NE(Run(Texture("odd.dtx", TrueColour(6, 6, 4, std::vector<uint8_t>(64))) + " " + output),
              0);
    EXPECT_FALSE(Exists(output));
}

TEST_F(DtxThumbnailer, ShortFileGivesAPartlyBlackPicture) {
    std::vector<uint8_t> data;
    AppendPixel(data, 0x20A0F0);
    std::string output = Temp("short.png");
    ASSERT_EQ(Run(Texture("short.dtx", TrueColour(2, 2, 0, data)) + " " + output), 0);
    Png png;
    ASSERT_TRUE(ReadPng(output, png));
    ASSERT_EQ(png.width, 2);
    ASSERT_EQ(png.height, 2);
    EXPECT_EQ(png.At(0, 0), 0x20A0F0u);
    EXPECT_EQ(png.At(1, 0), 0u);
    EXPECT_EQ(png.At(0, 1), 0u);
    EXPECT_EQ(png.At(1, 1), 0u);
}

TEST_F(DtxThumbnailer, BadCommandLinesAreRefused) {
    std::string input = Texture("ok.dtx", HalvesTexture(8, 8));
    std::string output = Temp("ok.png");
    EXPECT_EQ(Run(""), 2);
    EXPECT_EQ(Run(input), 2);
    EXPECT_EQ(Run("-s 0 " + input + " " + output), 2);
    EXPECT_EQ(Run("-s 12x " + input + " " + output), 2);
    EXPECT_EQ(Run("-s 64 " + input + " " + output + " extra"), 2);
    EXPECT_FALSE(Exists(output));
}

TEST_F(DtxThumbnailer, UnwritableOutputFails) {
    std::string input = Texture("ok2.dtx", HalvesTexture(8, 8));
    EXPECT_NE(Run(input + " " + Temp("no-such-dir/out.png")), 0);
}
