#include "thumbs/TextureLoader.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <thread>

#include "support/ScratchFolder.h"
#include "thumbs/DtxBuilder.h"
#include "thumbs/InfoTip.h"

using namespace dtx_test;

namespace {

const char kTemplate[] = "\nGlintra\nGlintra\nDTX Files (*.dtx)\n.DTX\nGlintra.Document\nDTX File";

class TextureFiles : public testing::Test {
  protected:
    std::string PathOf(const std::string& name) { return scratch_.Path(name); }
    std::string Write(const std::string& name, const std::vector<uint8_t>& bytes) {
        return scratch_.Write(name, bytes);
    }

  private:
    support::ScratchFolder scratch_{"glintra-loader"};
};

std::vector<uint8_t> SolidPalettised(int width, int height, uint8_t index) {
    return Palettised(width, height, std::vector<uint8_t>(size_t(width) * height, index));
}

}  // namespace

TEST(TextureLoader, TemplateFilterExtensionIsTheFifthField) {
    EXPECT_EQ(TemplateFilterExtension(kTemplate), ".DTX");
    EXPECT_EQ(TemplateFilterExtension("\nA\nB\nC\n.X"), ".X");
    EXPECT_EQ(TemplateFilterExtension("\nA\nB"), "");
}

TEST(TextureLoader, ExtensionIsComparedFromTheLastFullStopIgnoringCase) {
    EXPECT_TRUE(HasFileExtension("C:\\Tex\\stone.dtx", ".DTX"));
    EXPECT_TRUE(HasFileExtension("a.b.DtX", ".DTX"));
    EXPECT_FALSE(HasFileExtension("stone.dtx.bak", ".DTX"));
    EXPECT_FALSE(HasFileExtension("C:\\a.dtx\\stone", ".DTX"));
    EXPECT_FALSE(HasFileExtension("dtx", ".DTX"));
    EXPECT_FALSE(HasFileExtension("stone.dtx", ""));
}

TEST_F(TextureFiles, LoadsFileWithItsLength) {
    auto bytes = SolidPalettised(8, 4, 9);
    bytes.resize(bytes.size() + 300, 0);
    CGlintraDoc doc;
    ASSERT_TRUE(LoadTextureFile(doc, Write("a.dtx", bytes)));
    EXPECT_TRUE(doc.HasPixels());
    EXPECT_EQ(doc.FileLength(), bytes.size());
    EXPECT_EQ(doc.PixelRgb(7, 3), PaletteRgb(9));
}

TEST_F(TextureFiles, ReadsLargeFilesAcrossManyBufferFills) {
    std::vector<uint8_t> indices(128 * 96);
    for (size_t i = 0; i < indices.size(); ++i) {
        indices[i] = static_cast<uint8_t>(i % 251);
    }
    CGlintraDoc doc;
    ASSERT_TRUE(LoadTextureFile(doc, Write("big.dtx", Palettised(128, 96, indices))));
    ASSERT_TRUE(doc.HasPixels());
    for (int y : {0, 31, 32, 95}) {
        for (int x : {0, 1, 127}) {
            EXPECT_EQ(doc.PixelRgb(x, y), PaletteRgb(indices[y * 128 + x])) << x << "," << y;
        }
    }
}

TEST_F(TextureFiles, MissingFileFailsAndLeavesTheDocumentCleared) {
    CGlintraDoc doc;
    ASSERT_TRUE(LoadTextureFile(doc, Write("b.dtx", SolidPalettised(4, 4, 1))));
    EXPECT_FALSE(LoadTextureFile(doc, PathOf("missing.dtx")));
    EXPECT_FALSE(doc.HasPixels());
    EXPECT_EQ(doc.Width(), 0);
    EXPECT_EQ(doc.FileLength(), 0u);
}

TEST_F(TextureFiles, EmptyFileLoadsWithoutPixelsOrOldHeader) {
    CGlintraDoc doc;
    ASSERT_TRUE(LoadTextureFile(doc, Write("c.dtx", SolidPalettised(4, 4, 1))));
    ASSERT_TRUE(LoadTextureFile(doc, Write("empty.dtx", {})));
    EXPECT_FALSE(doc.HasPixels());
    EXPECT_EQ(InfoTipText(doc), "Dimensions: 0 x 0\nType: LithTech Texture\nSize: 0");
}

TEST_F(TextureFiles, SharedTextureIsCreatedOnTheFirstTextureLoad) {
    SharedTexture shared(TemplateFilterExtension(kTemplate));
    auto probe = [](CGlintraDoc* doc, bool loaded) { return std::make_pair(doc, loaded); };
    auto [none, noneLoaded] =
        shared.LoadAndUse(Write("picture.bmp", SolidPalettised(4, 4, 1)), probe);
    EXPECT_EQ(none, nullptr);
    EXPECT_FALSE(noneLoaded);

    auto [doc, loaded] = shared.LoadAndUse(Write("d.DTX", SolidPalettised(4, 4, 1)), probe);
    ASSERT_NE(doc, nullptr);
    EXPECT_TRUE(loaded);
    auto [again, loadedAgain] = shared.LoadAndUse(Write("e.dtx", SolidPalettised(8, 8, 1)), probe);
    EXPECT_EQ(again, doc);  // reused, not made anew
    EXPECT_TRUE(loadedAgain);
    EXPECT_EQ(doc->Width(), 8);
}

TEST_F(TextureFiles, FailedLoadNeverShowsThePreviousTexture) {
    SharedTexture shared(".DTX");
    std::string good = Write("f.dtx", SolidPalettised(16, 16, 3));
    for (const std::string& bad : {PathOf("gone.dtx"), Write("g.txt", SolidPalettised(4, 4, 1))}) {
        ASSERT_TRUE(shared.LoadAndUse(
            good, [](CGlintraDoc* doc, bool loaded) { return loaded && doc->HasPixels(); }));
        shared.LoadAndUse(bad, [&](CGlintraDoc* doc, bool loaded) {
            EXPECT_FALSE(loaded) << bad;
            ASSERT_NE(doc, nullptr);
            EXPECT_FALSE(doc->HasPixels()) << bad;
            EXPECT_EQ(doc->Width(), 0) << bad;
        });
    }
}

TEST_F(TextureFiles, ThreadsNeverSeeAnotherThreadsTexture) {
    SharedTexture shared(".dtx");
    std::string paths[2] = {Write("t4.dtx", SolidPalettised(4, 4, 1)),
                            Write("t8.dtx", SolidPalettised(8, 8, 2))};
    std::atomic<int> mismatches{0};
    auto worker = [&](int which) {
        int expectedWidth = which == 0 ? 4 : 8;
        for (int i = 0; i < 200; ++i) {
            shared.LoadAndUse(paths[which], [&](CGlintraDoc* doc, bool loaded) {
                for (int look = 0; look < 5; ++look) {
                    if (!loaded || doc->Width() != expectedWidth || !doc->HasPixels()) {
                        ++mismatches;
                    }
                    std::this_thread::yield();
                }
            });
        }
    };
    std::thread a(worker, 0), b(worker, 1);
    a.join();
    b.join();
    EXPECT_EQ(mismatches.load(), 0);
}
