// The batch commands run in-process: /C and /X end within the start-up and never show the
// window; /A and /E leave it to be shown; a switch that is no single letter opens the archive.
#include "TarvexWindow.h"
#include "support/RezContents.h"

namespace tarvex_test {
namespace {

class Batch : public TarvexWindow {
  protected:
    // Starts an application for a batch command that ends; its exit code.
    int RunToTheEnd(const std::vector<std::string>& args) {
        CTarvexApp app(prompts, settings, [] { return std::make_unique<RecordingProgress>(); });
        EXPECT_FALSE(app.StartUp(args, SW_SHOWNORMAL));
        EXPECT_NE(app.Frame().Handle(), nullptr);
        EXPECT_FALSE(IsWindowVisible(app.Frame().Handle()));
        return app.ExitCode();
    }
    void MakeTree() {
        disk.Write("Maps\\dm.dat", "deathmatch");
        disk.Write("Maps\\Multi\\ctf.dat", "capture");
        disk.Write("x.txt", "loose");
    }
};

TEST_F(Batch, CreateAddsFoldersFirstSavesAndEndsWithoutTheWindow) {
    MakeTree();
    const std::string archive = disk.Path("new.rez");
    EXPECT_EQ(RunToTheEnd({"/C", archive, disk.Path("x.txt"), disk.Path("Maps")}), 0);
    EXPECT_TRUE(prompts.asked.empty());
    EXPECT_TRUE(prompts.dialogs.empty());  // saved without asking

    // The archive begins with the program's text-block resource, byte for byte.
    HRSRC block = FindResourceA(nullptr, MAKEINTRESOURCEA(3003), MAKEINTRESOURCEA(10));  // RCDATA
    ASSERT_NE(block, nullptr);
    ASSERT_EQ(SizeofResource(nullptr, block), 127u);
    const char* bytes = static_cast<const char*>(LockResource(LoadResource(nullptr, block)));
    EXPECT_EQ(ReadFile(archive).substr(0, 127), std::string(bytes, 127));

    Start({archive});
    ASSERT_EQ(Doc().ArchivePath(), archive);
    // The folder with its contents came first, the loose file after it.
    EXPECT_EQ(ListColumn(0), (std::vector<std::string>{"MAPS", "X.TXT"}));
    EXPECT_EQ(Root()->entries.front().name, "X.TXT");
}

TEST_F(Batch, CreateWithOneFolderPutsItsContentsAtTheRoot) {
    MakeTree();
    const std::string archive = disk.Path("maps.rez");
    EXPECT_EQ(RunToTheEnd({archive, "-c", disk.Path("Maps")}), 0);
    Start({archive});
    EXPECT_EQ(ListColumn(0), (std::vector<std::string>{"MULTI", "DM.DAT"}));
}

TEST_F(Batch, ExtractWritesEverythingAndEnds) {
    MakeTree();
    const std::string archive = disk.Path("pack.rez");
    ASSERT_EQ(RunToTheEnd({"/C", archive, disk.Path("Maps")}), 0);
    EXPECT_EQ(RunToTheEnd({"/x", archive, disk.Path("out")}), 0);
    EXPECT_EQ(ReadFile(disk.Path("out\\DM.DAT")), "deathmatch");
    EXPECT_EQ(ReadFile(disk.Path("out\\MULTI\\CTF.DAT")), "capture");
    EXPECT_TRUE(prompts.asked.empty());
}

TEST_F(Batch, ExtractOfAMissingArchiveSaysSoAndFails) {
    EXPECT_EQ(RunToTheEnd({"/X", disk.Path("none.rez"), disk.Path("out")}), 2);
    ASSERT_FALSE(prompts.asked.empty());
    EXPECT_NE(prompts.asked.front().text.find(disk.Path("none.rez")), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(disk.Path("out")));
}

// The exit codes scripts read: 1 when the archive was saved or the extraction ran with items
// left out, 2 when nothing was written.
TEST_F(Batch, ExitCodesTellWhatWasLeftOut) {
    MakeTree();
    const std::string archive = disk.Path("pack.rez");
    EXPECT_EQ(RunToTheEnd({"/C", archive, disk.Path("x.txt"), disk.Path("missing.txt")}), 1);
    EXPECT_EQ(support::RezContents(archive), std::vector<std::string>{"X.TXT = loose"});
    EXPECT_EQ(RunToTheEnd({"/C", disk.Path("no\\such\\new.rez"), disk.Path("x.txt")}), 2);
    std::filesystem::create_directories(disk.Path("out\\X.TXT"));
    EXPECT_EQ(RunToTheEnd({"/X", archive, disk.Path("out")}), 1);
    EXPECT_EQ(prompts.Texts().back(),
              "Extraction error on file: " + disk.Path("out\\X.TXT") + "\n!");
}

TEST_F(Batch, AddAsksForTheNameAndTheWindowStays) {
    MakeTree();
    const std::string archive = disk.Path("asked.rez");
    prompts.saveFiles.push_back(archive);
    Start({"/A", disk.Path("Maps"), disk.Path("x.txt")});
    ASSERT_EQ(prompts.dialogs.size(), 1u);
    EXPECT_EQ(prompts.dialogs[0].defaultExtension, ".rez");
    EXPECT_EQ(Doc().ArchivePath(), archive);
    EXPECT_FALSE(Doc().IsModified());
    EXPECT_EQ(support::RezContents(archive),
              (std::vector<std::string>{"MAPS\\", "MAPS\\MULTI\\", "MAPS\\MULTI\\CTF.DAT = capture",
                                        "MAPS\\DM.DAT = deathmatch", "X.TXT = loose"}));
}

TEST_F(Batch, ExtractAskingForTheFolderLeavesTheArchiveOpen) {
    MakeTree();
    const std::string archive = disk.Path("pack.rez");
    ASSERT_EQ(RunToTheEnd({"/C", archive, disk.Path("Maps")}), 0);
    prompts.folders.push_back(disk.Path("chosen"));
    Start({"/E", archive});
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"Select an extraction Folder"});
    EXPECT_EQ(ReadFile(disk.Path("chosen\\MULTI\\CTF.DAT")), "capture");
    EXPECT_EQ(Doc().ArchivePath(), archive);
    EXPECT_EQ(ListColumn(0), (std::vector<std::string>{"MULTI", "DM.DAT"}));
}

TEST_F(Batch, ASwitchOfTwoLettersIsNoneAndTheArchiveIsOpened) {
    MakeTree();
    const std::string archive = disk.Path("pack.rez");
    ASSERT_EQ(RunToTheEnd({"/C", archive, disk.Path("Maps")}), 0);
    Start({"/XY", archive});
    EXPECT_EQ(Doc().ArchivePath(), archive);
    EXPECT_FALSE(std::filesystem::exists(disk.Path("out")));
}

}  // namespace
}  // namespace tarvex_test
