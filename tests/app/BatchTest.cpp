#include <gtest/gtest.h>

#include <filesystem>

#include "AppTestHost.h"
#include "app/BatchCommand.h"
#include "platform/FileSystem.h"
#include "support/RezContents.h"

namespace {

namespace fs = std::filesystem;

struct BatchTest : ::testing::Test {
    AppTestHost host;
    CTarvexDoc doc{host};
    TempDir dir;

    BatchOutcome Run(const std::vector<std::string>& args) {
        CTarvexCommandLineInfo info;
        ParseCommandLine(info, args);
        return ProcessBatchCommand(info, doc);
    }
};

TEST_F(BatchTest, CreateAddsFoldersBeforeLooseFilesAndSavesWithoutAsking) {
    const std::string x = dir.Write("x.txt", "loose");
    dir.Write("Maps/m.dat", "map");
    const std::string archive = dir.Path("new.rez");
    const BatchOutcome outcome = Run({"/C", archive, x, dir.Path("Maps")});
    EXPECT_FALSE(outcome.failed);
    EXPECT_FALSE(outcome.keepRunning);
    EXPECT_TRUE(host.prompts.dialogs.empty());
    EXPECT_FALSE(doc.IsModified());

    EXPECT_EQ(support::RezContents(archive),
              (std::vector<std::string>{"MAPS\\", "MAPS\\M.DAT = map", "X.TXT = loose"}));
}

TEST_F(BatchTest, CreateWithOneFolderPutsItsFilesBeforeTheRootsOwn) {
    dir.Write("Maps/sub/deep.dat", "d");
    dir.Write("Maps/top.dat", "t");
    const std::string archive = dir.Path("one.rez");
    ASSERT_FALSE(Run({"/c", archive, dir.Path("Maps")}).failed);
    EXPECT_EQ(support::RezContents(archive),
              (std::vector<std::string>{"SUB\\", "SUB\\DEEP.DAT = d", "TOP.DAT = t"}));
}

TEST_F(BatchTest, AddWithOneFolderMakesItTheRootAndAsksForTheName) {
    dir.Write("Maps/a.dat", "a");
    dir.Write("Maps/Sub/b.dat", "b");
    host.prompts.saveFiles.push_back(dir.Path("gathered.rez"));
    const BatchOutcome outcome = Run({"/A", dir.Path("Maps")});
    EXPECT_FALSE(outcome.failed);
    EXPECT_TRUE(outcome.keepRunning);
    ASSERT_EQ(host.prompts.dialogs.size(), 1u);
    EXPECT_TRUE(doc.BatchFlag());
    EXPECT_EQ(doc.Root()->entries.size(), 1u);
    EXPECT_NE(doc.Folders().FindFolderByPath("SUB", false), nullptr);
    EXPECT_EQ(support::RezContents(dir.Path("gathered.rez")),
              (std::vector<std::string>{"SUB\\", "SUB\\B.DAT = b", "A.DAT = a"}));
}

TEST_F(BatchTest, AddNamesTheRootAfterItsSingleFolder) {
    dir.Write("Maps/a.dat", "a");
    // No save: the name the root gets from the folder stays visible.
    Run({"/A", dir.Path("Maps")});
    EXPECT_EQ(doc.Root()->name, "Maps.rez");
}

TEST_F(BatchTest, AddWithTwoFoldersKeepsBothAsSubfolders) {
    dir.Write("f1/a.txt", "a");
    dir.Write("f2/b.txt", "b");
    host.prompts.saveFiles.push_back(dir.Path("two.rez"));
    EXPECT_FALSE(Run({"/A", dir.Path("f1"), dir.Path("f2")}).failed);
    EXPECT_FALSE(doc.BatchFlag());
    EXPECT_NE(doc.Folders().FindFolderByPath("F1", false), nullptr);
    EXPECT_NE(doc.Folders().FindFolderByPath("F2", false), nullptr);
}

TEST_F(BatchTest, AddWhoseSaveDialogIsCancelledReportsFailure) {
    dir.Write("a.txt", "a");
    EXPECT_TRUE(Run({"/A", dir.Path("a.txt")}).failed);
}

TEST_F(BatchTest, CreateWhoseSaveFailsReportsFailure) {
    const std::string target = dir.Path("no/such/folder/new.rez");
    const BatchOutcome outcome = Run({"/C", target, dir.Write("a.txt", "a")});
    EXPECT_TRUE(outcome.failed);
    EXPECT_EQ(host.prompts.Texts(), std::vector<std::string>{"Error Creating Rez File: " + target});
    EXPECT_FALSE(fs::exists(dir.Path("no")));
}

TEST_F(BatchTest, CreateWithAMissingItemReportsFailureButStillSavesTheRest) {
    const std::string archive = dir.Path("partial.rez");
    EXPECT_TRUE(Run({"/C", archive, dir.Path("missing.txt"), dir.Write("a.txt", "a")}).failed);
    EXPECT_EQ(host.prompts.Texts(),
              std::vector<std::string>{"Error adding: " + dir.Path("missing.txt")});
    EXPECT_EQ(support::RezContents(archive), std::vector<std::string>{"A.TXT = a"});
}

TEST_F(BatchTest, ExtractRoundTripAndAMissingArchiveFails) {
    const std::string archive = dir.Path("rt.rez");
    dir.Write("src/one.txt", "1");
    dir.Write("src/deep/two.txt", "22");
    ASSERT_FALSE(Run({"/C", archive, dir.Path("src")}).failed);

    CTarvexDoc extracting{host};
    CTarvexCommandLineInfo info;
    ParseCommandLine(info, {"/x", archive, dir.Path("out")});
    const BatchOutcome outcome = ProcessBatchCommand(info, extracting);
    EXPECT_FALSE(outcome.failed);
    EXPECT_FALSE(outcome.keepRunning);
    EXPECT_EQ(ReadWholeFile(dir.Path("out/ONE.TXT")), "1");
    EXPECT_EQ(ReadWholeFile(dir.Path("out/DEEP/TWO.TXT")), "22");

    CTarvexDoc missing{host};
    CTarvexCommandLineInfo bad;
    ParseCommandLine(bad, {"/X", dir.Path("nothing.rez"), dir.Path("out2")});
    EXPECT_TRUE(ProcessBatchCommand(bad, missing).failed);
    EXPECT_FALSE(fs::exists(dir.Path("out2")));
}

TEST_F(BatchTest, ExtractAskWithoutAnAnswerExtractsNothing) {
    const std::string archive = dir.Path("ask.rez");
    ASSERT_FALSE(Run({"/C", archive, dir.Write("a.txt", "a")}).failed);
    CTarvexDoc asking{host};
    CTarvexCommandLineInfo info;
    ParseCommandLine(info, {"/E", archive});
    const BatchOutcome outcome = ProcessBatchCommand(info, asking);
    EXPECT_TRUE(outcome.keepRunning);
    EXPECT_TRUE(outcome.failed);
    EXPECT_EQ(host.prompts.asked.back().text, "Select an extraction Folder");
}

}  // namespace
