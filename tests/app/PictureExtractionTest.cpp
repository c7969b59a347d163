// Extraction as pictures: the same walks as extraction, writing each texture as NAME.png and
// nothing for other entries, read back by libpng.
#include <gtest/gtest.h>

#include <filesystem>

#include "AppTestHost.h"
#include "app/ArchiveItems.h"
#include "support/PngDecoding.h"
#include "thumbs/DtxBuilder.h"

namespace {

namespace fs = std::filesystem;
using dtx_test::PaletteRgb;
using dtx_test::Palettised;

// 0xRRGGBBAA of palette entry i, opaque.
uint32_t Opaque(int i) {
    return (PaletteRgb(i) << 8) | 0xFF;
}

// An archive on disk: root WALL.DTX and NOTE.TXT; folder SKY with CLOUD.DTX and BROKEN.DTX
// (of a version that holds no picture); folder EMPTY with a text file only.
struct PictureExtractionTest : ::testing::Test {
    AppTestHost host;
    CTarvexDoc doc{host};
    TempDir dir;
    RecordingProgress progress;

    void SetUp() override {
        dir.Write("src/wall.dtx", Palettised(2, 1, {5, 6}));
        dir.Write("src/note.txt", "not a texture");
        dir.Write("src/Sky/cloud.dtx", Palettised(1, 2, {7, 8}, 0x2, {0x00}));
        dir.Write("src/Sky/broken.dtx", dtx_test::Header(-3, 4, 4));
        dir.Write("src/Empty/read.me", "text");
        doc.SetBatchFlag(true);
        doc.Adding().AddFolder(dir.Path("src"), nullptr, true, progress);
        doc.SetBatchFlag(false);
        host.prompts.saveFiles.push_back(dir.Path("test.rez"));
        doc.FileSave();
        doc.FinishJobs();
        ASSERT_FALSE(doc.IsModified());
        doc.Extraction().SetOutput(ExtractionOutput::Pictures);
    }

    support::DecodedPng Picture(const std::string& path) {
        const std::string bytes = ReadWholeFile(dir.Path(path));
        return support::DecodePng({bytes.begin(), bytes.end()});
    }

    // Every file below out, relative to it, in order.
    std::vector<std::string> FilesBelow(const std::string& out) {
        std::vector<std::string> files;
        for (const auto& item : fs::recursive_directory_iterator(dir.Path(out)))
            files.push_back(fs::relative(item.path(), dir.Path(out)).generic_string());
        std::sort(files.begin(), files.end());
        return files;
    }
};

TEST_F(PictureExtractionTest, TexturesBecomePicturesInTheFolderTreeAndOthersAreLeftOut) {
    EXPECT_FALSE(doc.Extraction().ExtractArchive(nullptr, dir.Path("out"), progress));
    EXPECT_EQ(FilesBelow("out"),
              (std::vector<std::string>{"EMPTY", "SKY", "SKY/CLOUD.png", "WALL.png"}));
    EXPECT_EQ(host.prompts.Texts(),
              (std::vector<std::string>{"No picture in the texture, not written: " +
                                        dir.Path("out/SKY/BROKEN.png")}));
    EXPECT_EQ(doc.LeftOut().Failures(), 1);

    const support::DecodedPng wall = Picture("out/WALL.png");
    ASSERT_TRUE(wall.ok);
    EXPECT_EQ(wall.width, 2);
    EXPECT_EQ(wall.At(0, 0), Opaque(5));
    EXPECT_EQ(wall.At(1, 0), Opaque(6));
    // Alpha block 0x00: both pixels fully transparent.
    const support::DecodedPng cloud = Picture("out/SKY/CLOUD.png");
    ASSERT_TRUE(cloud.ok);
    EXPECT_EQ(cloud.At(0, 1), PaletteRgb(8) << 8);
}

TEST_F(PictureExtractionTest, ASelectionWritesItsTexturesAlsoThoseNotSavedYet) {
    dir.Write("new/fresh.dtx", Palettised(1, 1, {9}));
    doc.Adding().AddFiles({dir.Path("new/fresh.dtx")}, doc.Root(), progress);
    std::vector<const RezEntry*> entries;
    for (const RezEntry& entry : doc.Root()->entries)
        entries.push_back(&entry);  // WALL.DTX, NOTE.TXT and the new one, named as on disk
    RezFolder* sky = doc.Folders().FindFolderByPath("SKY", false);
    EXPECT_FALSE(
        doc.Extraction().ExtractSelection(doc.Root(), {sky}, entries, dir.Path("sel"), progress));
    EXPECT_EQ(FilesBelow("sel"),
              (std::vector<std::string>{"SKY", "SKY/CLOUD.png", "WALL.png", "fresh.png"}));
    EXPECT_EQ(Picture("sel/fresh.png").At(0, 0), Opaque(9));
    EXPECT_EQ(Picture("sel/WALL.png").At(1, 0), Opaque(6));
}

TEST_F(PictureExtractionTest, LinksPlantedAtAPicturesNameAreNotWrittenThrough) {
    const std::string outside = dir.Write("outside.txt", "kept");
    fs::create_directories(dir.Path("out/SKY"));
    fs::create_symlink(outside, dir.Path("out/WALL.png"));
    fs::create_symlink(outside, dir.Path("out/SKY/CLOUD.png"));
    doc.Extraction().ExtractArchive(nullptr, dir.Path("out"), progress);
    std::vector<const RezEntry*> wall{FindEntry(*doc.Root(), "WALL.DTX")};
    doc.Extraction().ExtractSelection(doc.Root(), {}, wall, dir.Path("out"), progress);
    EXPECT_EQ(ReadWholeFile(outside), "kept");
}

}  // namespace
