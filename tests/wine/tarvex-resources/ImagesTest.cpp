// Tarvex's icons, archive text block, progress clip and version, read back through Windows.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <vector>

#include "Canvas.h"
#include "ResourceBytes.h"
#include "support/TextBlockBytes.h"
#include "support/WholeFile.h"

namespace {

const int kIcons[] = {128, 132, 133, 192, 193};

#pragma pack(push, 2)
struct GroupEntry {
    BYTE width, height, colours, reserved;
    WORD planes, bits;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

// Each icon holds an image drawn at 16 x 16 and one at 32 x 32, not one scaled to the other.
TEST(Icons, DrawnAtBothSizes) {
    for (int id : kIcons) {
        const std::string group = ResourceBytes(id, RT_GROUP_ICON).value_or("");
        ASSERT_GE(group.size(), 6u) << id;
        WORD count;
        std::memcpy(&count, group.data() + 4, 2);
        ASSERT_EQ(group.size(), 6u + count * sizeof(GroupEntry)) << id;
        std::set<int> sizes;
        for (int i = 0; i < count; ++i) {
            GroupEntry entry;
            std::memcpy(&entry, group.data() + 6 + i * sizeof(GroupEntry), sizeof(entry));
            const std::string image = ResourceBytes(entry.id, RT_ICON).value_or("");
            ASSERT_GE(image.size(), sizeof(BITMAPINFOHEADER)) << id;
            BITMAPINFOHEADER header;
            std::memcpy(&header, image.data(), sizeof(header));
            EXPECT_EQ(header.biWidth, entry.width) << id;
            EXPECT_EQ(header.biHeight, 2 * entry.height) << id;  // colours and mask
            sizes.insert(entry.width);
        }
        EXPECT_EQ(sizes, (std::set<int>{16, 32})) << id;
    }
}

// Drawn on white and on black: the corner shows the background, the middle the picture.
TEST(Icons, TransparentAroundOpaqueInside) {
    for (int id : kIcons) {
        for (int size : {16, 32}) {
            HICON icon = static_cast<HICON>(
                LoadImageA(Instance(), MAKEINTRESOURCEA(id), IMAGE_ICON, size, size, 0));
            ASSERT_NE(icon, nullptr) << id << " at " << size;
            ICONINFO info{};
            ASSERT_TRUE(GetIconInfo(icon, &info));
            BITMAP colour{};
            GetObjectA(info.hbmColor, sizeof(colour), &colour);
            EXPECT_EQ(colour.bmWidth, size);
            EXPECT_EQ(colour.bmHeight, size);
            DeleteObject(info.hbmColor);
            DeleteObject(info.hbmMask);
            Canvas white(size, size, RGB(255, 255, 255)), black(size, size, RGB(0, 0, 0));
            DrawIconEx(white.Dc(), 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
            DrawIconEx(black.Dc(), 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
            EXPECT_EQ(white.At(0, 0), RGB(255, 255, 255)) << id << " at " << size;
            EXPECT_EQ(black.At(0, 0), RGB(0, 0, 0)) << id << " at " << size;
            EXPECT_EQ(white.At(size / 2, size / 2), black.At(size / 2, size / 2))
                << id << " at " << size;
            DestroyIcon(icon);
        }
    }
}

TEST(TextBlock, IsTheTemplateFile) {
    ASSERT_EQ(support::kArchiveTextBlock.size(), 127u);
    EXPECT_EQ(ResourceBytes(3003, RT_RCDATA), support::kArchiveTextBlock);
    EXPECT_EQ(support::ReadWholeFile(TARVEX_TEXT_BLOCK_FILE), support::kArchiveTextBlock);
}

// The chunks of a RIFF list, by their tags, from an offset to an end.
struct Chunk {
    std::string tag;
    size_t data = 0, size = 0;
};
std::vector<Chunk> Chunks(const std::string& riff, size_t from, size_t end) {
    std::vector<Chunk> chunks;
    while (from + 8 <= end) {
        Chunk chunk{riff.substr(from, 4), from + 8, 0};
        DWORD size;
        std::memcpy(&size, riff.data() + from + 4, 4);
        chunk.size = size;
        if (chunk.data + chunk.size > end)
            break;
        chunks.push_back(chunk);
        from = chunk.data + chunk.size + (chunk.size & 1);
    }
    return chunks;
}

TEST(ProgressClip, SilentEightBitClipTheAnimateControlCanPlay) {
    const std::string clip = ResourceBytes(184, "AVI").value_or("");
    ASSERT_GT(clip.size(), 12u);
    EXPECT_EQ(clip.substr(0, 4), "RIFF");
    EXPECT_EQ(clip.substr(8, 4), "AVI ");
    std::vector<std::string> tags;
    std::string videoHeaders;
    for (const Chunk& top : Chunks(clip, 12, clip.size())) {
        tags.push_back(top.tag + (top.tag == "LIST" ? clip.substr(top.data, 4) : ""));
        if (top.tag == "LIST" && clip.substr(top.data, 4) == "hdrl") {
            for (const Chunk& header : Chunks(clip, top.data + 4, top.data + top.size)) {
                if (header.tag == "avih") {
                    DWORD fields[10];
                    std::memcpy(fields, clip.data() + header.data, sizeof(fields));
                    EXPECT_GT(fields[4], 1u);  // frames
                    EXPECT_EQ(fields[6], 1u);  // streams: no sound
                }
                if (header.tag == "LIST") {
                    for (const Chunk& stream :
                         Chunks(clip, header.data + 4, header.data + header.size)) {
                        if (stream.tag == "strh")
                            videoHeaders += clip.substr(stream.data, 4);
                        if (stream.tag == "strf") {
                            BITMAPINFOHEADER format;
                            std::memcpy(&format, clip.data() + stream.data, sizeof(format));
                            EXPECT_EQ(format.biBitCount, 8);
                            EXPECT_TRUE(format.biCompression == BI_RGB ||
                                        format.biCompression == BI_RLE8);
                        }
                    }
                }
            }
        }
    }
    EXPECT_EQ(tags, (std::vector<std::string>{"LISThdrl", "LISTmovi", "idx1"}));
    EXPECT_EQ(videoHeaders, "vids");
}

class AnimateControl : public ::testing::Test {
  protected:
    void SetUp() override {
        window = HiddenParent(ICC_ANIMATE_CLASS);
        animate = CreateWindowExA(0, ANIMATE_CLASSA, "", WS_CHILD | WS_VISIBLE, 0, 0, 160, 48,
                                  window, nullptr, Instance(), nullptr);
    }
    void TearDown() override { DestroyWindow(window); }

    // Frame n of the clip as the control draws it.
    COLORREF FramePixel(int frame, int x, int y) {
        EXPECT_TRUE(SendMessageA(animate, ACM_PLAY, 1, MAKELONG(frame, frame)));
        Canvas canvas(160, 48, RGB(255, 0, 255));
        SendMessageA(animate, WM_PAINT, reinterpret_cast<WPARAM>(canvas.Dc()), 0);
        return canvas.At(x, y);
    }
    HWND window = nullptr, animate = nullptr;
};

TEST_F(AnimateControl, OpensPlaysAndDrawsTheFrames) {
    ASSERT_NE(animate, nullptr);
    ASSERT_TRUE(SendMessageA(animate, ACM_OPENA, reinterpret_cast<WPARAM>(Instance()),
                             reinterpret_cast<LPARAM>(MAKEINTRESOURCEA(184))));
    // The archive box's tape and the folder's flap at their places, the background between.
    EXPECT_EQ(FramePixel(0, 23, 32), RGB(200, 150, 30));
    EXPECT_EQ(FramePixel(0, 128, 32), RGB(255, 220, 90));
    EXPECT_EQ(FramePixel(0, 80, 44), RGB(212, 208, 200));
    // Halfway the page flies at the top, where the first frame shows nothing.
    EXPECT_EQ(FramePixel(0, 71, 7), RGB(212, 208, 200));
    EXPECT_EQ(FramePixel(7, 71, 7), RGB(255, 255, 255));
    EXPECT_TRUE(SendMessageA(animate, ACM_PLAY, static_cast<WPARAM>(-1), MAKELONG(0, -1)));
    EXPECT_TRUE(SendMessageA(animate, ACM_STOP, 0, 0));
}

TEST(Version, NamesMakerAndVersion) {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    DWORD handle = 0;
    std::vector<char> data(GetFileVersionInfoSizeA(path, &handle));
    ASSERT_FALSE(data.empty());
    ASSERT_TRUE(GetFileVersionInfoA(path, 0, data.size(), data.data()));
    auto value = [&](const char* name) {
        char* text = nullptr;
        UINT length = 0;
        const std::string key = std::string("\\StringFileInfo\\040904E4\\") + name;
        if (!VerQueryValueA(data.data(), key.c_str(), reinterpret_cast<void**>(&text), &length))
            return std::string();
        return std::string(text);
    };
    EXPECT_EQ(value("CompanyName"), "Stonemere Software");
    EXPECT_EQ(value("ProductName"), "Tarvex");
    EXPECT_EQ(value("FileVersion"), "3.0.1");
}

}  // namespace
