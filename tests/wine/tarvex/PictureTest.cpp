// Extract as PNG in the window: the same destination question as Extract, then the selection's
// textures as pictures, read back by GDI+ (Windows' own PNG reader).
#include "TarvexWindow.h"

// GDI+ needs the property identifiers of OLE first.
#include <objidl.h>

#include <gdiplus.h>
#include "resources/tarvex/resource.h"
#include "thumbs/DtxBuilder.h"

namespace tarvex_test {
namespace {

using namespace dtx_test;

class Pictures : public TarvexWindow {
  protected:
    void SetUp() override {
        TarvexWindow::SetUp();
        Gdiplus::GdiplusStartupInput input;
        ASSERT_EQ(Gdiplus::GdiplusStartup(&gdiplus_, &input, nullptr), Gdiplus::Ok);
        Start();
    }
    void TearDown() override {
        TarvexWindow::TearDown();
        Gdiplus::GdiplusShutdown(gdiplus_);
    }
    // The picture's pixels as 0xAARRGGBB, rows from the top; empty when it cannot be read.
    static std::vector<std::uint32_t> Pixels(const std::string& path) {
        const std::wstring wide(path.begin(), path.end());  // the scratch folder's ASCII path
        Gdiplus::Bitmap bitmap(wide.c_str());
        std::vector<std::uint32_t> pixels;
        if (bitmap.GetLastStatus() != Gdiplus::Ok)
            return pixels;
        for (UINT y = 0; y < bitmap.GetHeight(); ++y) {
            for (UINT x = 0; x < bitmap.GetWidth(); ++x) {
                Gdiplus::Color colour;
                bitmap.GetPixel(static_cast<INT>(x), static_cast<INT>(y), &colour);
                pixels.push_back(colour.GetValue());
            }
        }
        return pixels;
    }

  private:
    ULONG_PTR gdiplus_ = 0;
};

TEST_F(Pictures, ExtractAsPngWritesTheSelectionsTexturesAsTheirPictures) {
    disk.Write("tree\\Walls\\red.dtx", Palettised(2, 1, {5, 6}));
    std::vector<std::uint8_t> pixels;
    AppendPixel(pixels, 0x123456, 0x80);
    AppendPixel(pixels, 0xABCDEF, 0xFF);
    disk.Write("tree\\Walls\\glass.dtx", TrueColour(2, 1, 3, pixels));
    disk.Write("tree\\note.txt", "text");
    SaveArchiveOf(disk.Path("tree"), disk.Path("pack.rez"));
    Frame().ActivatePane(Frame().List());
    SelectRows({0});  // the folder TREE
    EXPECT_TRUE(Enabled(ID_OBJECT_EXTRACT_PNG));

    prompts.folders.push_back(disk.Path("out"));
    ASSERT_TRUE(Run(ID_OBJECT_EXTRACT_PNG));
    EXPECT_EQ(prompts.asked.back().text, "Select an extraction Folder");
    // Palette entries 5 and 6: red i, green 255 - i, blue i / 2; opaque.
    EXPECT_EQ(Pixels(disk.Path("out\\TREE\\WALLS\\RED.png")),
              (std::vector<std::uint32_t>{0xFF05FA02, 0xFF06F903}));
    EXPECT_EQ(Pixels(disk.Path("out\\TREE\\WALLS\\GLASS.png")),
              (std::vector<std::uint32_t>{0x80123456, 0xFFABCDEF}));
    EXPECT_FALSE(std::filesystem::exists(disk.Path("out\\TREE\\NOTE.TXT")));
    EXPECT_FALSE(std::filesystem::exists(disk.Path("out\\TREE\\WALLS\\RED.DTX")));

    // Extract writes the data again afterwards.
    prompts.folders.push_back(disk.Path("data"));
    ASSERT_TRUE(Run(ID_OBJECT_EXTRACT));
    EXPECT_EQ(ReadFile(disk.Path("data\\TREE\\NOTE.TXT")), "text");
}

}  // namespace
}  // namespace tarvex_test
