// Textures in Large Icons: the pictures the image list holds for stored and added entries,
// read back pixel by pixel; damaged textures and the other views keep the texture icon.
#include "TarvexWindow.h"

#include <chrono>

#include "resources/tarvex/resource.h"
#include "thumbs/DtxBuilder.h"

namespace tarvex_test {
namespace {

using namespace dtx_test;
using LargeIcons = TarvexWindow;

constexpr int kTextureIcon = 5;  // ".dtx"
constexpr uint32_t kWhite = 0xFFFFFF;
using Picture = std::vector<uint32_t>;  // 32 x 32, 0xRRGGBB, rows from the top

std::vector<uint8_t> TextureOf(int width, int height, uint32_t (*colour)(int x, int y)) {
    std::vector<uint8_t> data;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            AppendPixel(data, colour(x, y));
    }
    return TrueColour(width, height, 0, data);
}

// 4 x 2, centred unscaled: at (14, 15) in a white square.
uint32_t Small(int x, int y) {
    return 0x100000u * static_cast<uint32_t>(x + 1) + 0x40u * static_cast<uint32_t>(y + 1);
}
// 64 x 64 in blocks of 2 x 2, halved: one block to one pixel.
uint32_t Blocks(int x, int y) {
    return (static_cast<uint32_t>(x / 2) * 8u << 16) | (static_cast<uint32_t>(y / 2) * 8u << 8) |
           0x55u;
}

Picture SmallPicture() {
    Picture picture(32 * 32, kWhite);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 4; ++x)
            picture[(15 + y) * 32 + 14 + x] = Small(x, y);
    }
    return picture;
}

Picture BlocksPicture() {
    Picture picture(32 * 32);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x)
            picture[y * 32 + x] = Blocks(2 * x, 2 * y);
    }
    return picture;
}

int ImageOf(HWND list, int row) {
    LVITEMA item{};
    item.mask = LVIF_IMAGE;
    item.iItem = row;
    SendMessageA(list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    return item.iImage;
}

// The large list's image at index, as its bitmap holds it.
Picture ImageListPicture(HIMAGELIST list, int index) {
    IMAGEINFO info{};
    if (!ImageList_GetImageInfo(list, index, &info))
        return {};
    BITMAP bitmap{};
    GetObjectA(info.hbmImage, sizeof(bitmap), &bitmap);
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof(format.bmiHeader);
    format.bmiHeader.biWidth = bitmap.bmWidth;
    format.bmiHeader.biHeight = -bitmap.bmHeight;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    std::vector<uint32_t> all(static_cast<size_t>(bitmap.bmWidth) * bitmap.bmHeight);
    HDC screen = GetDC(nullptr);
    GetDIBits(screen, info.hbmImage, 0, static_cast<UINT>(bitmap.bmHeight), all.data(), &format,
              DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    Picture picture;
    for (int y = info.rcImage.top; y < info.rcImage.bottom; ++y) {
        for (int x = info.rcImage.left; x < info.rcImage.right; ++x)
            picture.push_back(all[static_cast<size_t>(y) * bitmap.bmWidth + x] & 0xFFFFFF);
    }
    return picture;
}

TEST_F(LargeIcons, TexturesShowTheirPicturesInLargeIconsOnly) {
    disk.MakeDir("stored");
    WriteFile(disk.Path("stored/a_bad.dtx"), Header(-7, 64, 64, 0, 4096));
    WriteFile(disk.Path("stored/blocks.dtx"), TextureOf(64, 64, Blocks));
    WriteFile(disk.Path("stored/small.dtx"), TextureOf(4, 2, Small));
    WriteFile(disk.Path("added.dtx"), TextureOf(4, 2, Small));
    Start();
    SaveArchiveOf(disk.Path("stored"), disk.Path("pack.rez"));
    RezFolder* stored = Doc().Adding().FindOrCreateFolderPath("STORED", Root());
    RecordingProgress progress;
    ASSERT_TRUE(Doc().Adding().AddFile(disk.Path("added.dtx"), stored, progress));
    ModelChanged();
    ASSERT_TRUE(Run(ID_VIEW_LARGEICON));
    SetWindowPos(Frame().Handle(), nullptr, 0, 0, 800, 600, SWP_NOZORDER | SWP_SHOWWINDOW);
    Frame().Tree().SelectFolder(stored);
    UpdateWindow(Frame().Handle());
    const std::vector<std::string> names = ListColumn(0);
    ASSERT_EQ(names.size(), 4u);
    ASSERT_EQ(names[1], "added.dtx");

    // The list asks while it paints and never waits: the pictures come a little later.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while ((ImageOf(List(), 1) == kTextureIcon || ImageOf(List(), 2) == kTextureIcon ||
            ImageOf(List(), 3) == kTextureIcon) &&
           std::chrono::steady_clock::now() < deadline) {
        Pump();
        Sleep(10);
    }
    const HIMAGELIST large = Frame().Images().Large();
    EXPECT_EQ(ImageListPicture(large, ImageOf(List(), 1)), SmallPicture());
    EXPECT_EQ(ImageListPicture(large, ImageOf(List(), 2)), BlocksPicture());
    EXPECT_EQ(ImageListPicture(large, ImageOf(List(), 3)), SmallPicture());
    EXPECT_EQ(ImageOf(List(), 0), kTextureIcon);

    ASSERT_TRUE(Run(ID_VIEW_DETAILS));
    for (int row = 0; row < 4; ++row)
        EXPECT_EQ(ImageOf(List(), row), kTextureIcon) << row;
    ShowWindow(Frame().Handle(), SW_HIDE);
}

}  // namespace
}  // namespace tarvex_test
