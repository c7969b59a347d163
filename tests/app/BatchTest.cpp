#include <gtest/gtest.h>

#include <filesystem>

#include "AppTestHost.h"
#include "app/BatchCommand.h"
#include "platform/filesystem/FileSystem.h"
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
    EXPECT_EQ(outcome.status, ExitStatus::Complete);
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
    ASSERT_EQ(Run({"/c", archive, dir.Path("Maps")}).status, ExitStatus::Complete);
    EXPECT_EQ(support::RezContents(archive),
              (std::vector<std::string>{"SUB\\", "SUB\\DEEP.DAT = d", "TOP.DAT = t"}));
}

TEST_F(BatchTest, AddWithOneFolderMakesItTheRootAndAsksForTheName) {
    dir.Write("Maps/a.dat", "a");
    dir.Write("Maps/Sub/b.dat", "b");
    host.prompts.saveFiles.push_back(dir.Path("gathered.rez"));
    const BatchOutcome outcome = Run({"/A", dir.Path("Maps")});
    EXPECT_EQ(outcome.status, ExitStatus::Complete);
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
    EXPECT_EQ(Run({"/A", dir.Path("f1"), dir.Path("f2")}).status, ExitStatus::Complete);
    EXPECT_FALSE(doc.BatchFlag());
    EXPECT_NE(doc.Folders().FindFolderByPath("F1", false), nullptr);
    EXPECT_NE(doc.Folders().FindFolderByPath("F2", false), nullptr);
}

TEST_F(BatchTest, AddWhoseSaveDialogIsCancelledFailsAndWritesNothing) {
    EXPECT_EQ(Run({"/A", dir.Write("a.txt", "a")}).status, ExitStatus::Failed);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator()), 1);
}

TEST_F(BatchTest, CreateWhoseSaveFailsReportsFailure) {
    const std::string target = dir.Path("no/such/folder/new.rez");
    const BatchOutcome outcome = Run({"/C", target, dir.Write("a.txt", "a")});
    EXPECT_EQ(outcome.status, ExitStatus::Failed);
    EXPECT_EQ(host.prompts.Texts(), std::vector<std::string>{"Error Creating Rez File: " + target});
    EXPECT_FALSE(fs::exists(dir.Path("no")));
}

TEST_F(BatchTest, CreateWithAMissingItemSavesTheRestAndIsPartial) {
    const std::string archive = dir.Path("partial.rez");
    EXPECT_EQ(Run({"/C", archive, dir.Path("missing.txt"), dir.Write("a.txt", "a")}).status,
              ExitStatus::Partial);
    EXPECT_EQ(host.prompts.Texts(),
              std::vector<std::string>{"Error adding: " + dir.Path("missing.txt")});
    EXPECT_EQ(support::RezContents(archive), std::vector<std::string>{"A.TXT = a"});
}

TEST_F(BatchTest, CreateSkippingTheArchiveItselfSavesTheRestAndIsPartial) {
    const std::string archive = dir.Write("self.rez", "an older archive");
    EXPECT_EQ(Run({"/C", archive, archive, dir.Write("a.txt", "a")}).status, ExitStatus::Partial);
    EXPECT_EQ(host.prompts.Texts(),
              std::vector<std::string>{"Skipping the archive itself: " + archive});
    EXPECT_EQ(support::RezContents(archive), std::vector<std::string>{"A.TXT = a"});
}

// No keeps the stored entry, as asked: nothing is left out. Cancel stops adding that list;
// what came before is saved, and the status says that not everything is in it.
TEST_F(BatchTest, TheReplaceAnswerDecidesTheStatus) {
    struct Case {
        PromptAnswer answer;
        ExitStatus status;
        std::vector<std::string> contents;
    };
    const Case cases[] = {
        {PromptAnswer::Yes, ExitStatus::Complete, {"DUP.TXT = second", "LAST.TXT = last"}},
        {PromptAnswer::No, ExitStatus::Complete, {"DUP.TXT = first", "LAST.TXT = last"}},
        {PromptAnswer::Cancel, ExitStatus::Partial, {"DUP.TXT = first"}},
    };
    const std::string first = dir.Write("a/dup.txt", "first");
    const std::string second = dir.Write("b/DUP.TXT", "second");
    const std::string last = dir.Write("last.txt", "last");
    for (const Case& c : cases) {
        AppTestHost answering;
        answering.prompts.answers.push_back(c.answer);
        CTarvexDoc creating{answering};
        const std::string archive = dir.Path("answered.rez");
        CTarvexCommandLineInfo info;
        ParseCommandLine(info, {"/C", archive, first, second, last});
        EXPECT_EQ(ProcessBatchCommand(info, creating).status, c.status);
        EXPECT_EQ(answering.prompts.asked.size(), 1u);
        EXPECT_EQ(support::RezContents(archive), c.contents);
    }
}

TEST_F(BatchTest, ExtractWithAFileThatCannotBeWrittenWritesTheRestAndIsPartial) {
    const std::string archive = dir.Path("two.rez");
    ASSERT_EQ(Run({"/C", archive, dir.Write("a.txt", "a"), dir.Write("b.txt", "b")}).status,
              ExitStatus::Complete);
    dir.MakeDir("out/A.TXT");  // a folder where the file would go
    CTarvexDoc extracting{host};
    CTarvexCommandLineInfo info;
    ParseCommandLine(info, {"/X", archive, dir.Path("out")});
    EXPECT_EQ(ProcessBatchCommand(info, extracting).status, ExitStatus::Partial);
    EXPECT_EQ(ReadWholeFile(dir.Path("out/B.TXT")), "b");
}

TEST_F(BatchTest, ExtractIntoADestinationThatCannotBeMadeFails) {
    const std::string archive = dir.Path("one.rez");
    ASSERT_EQ(Run({"/C", archive, dir.Write("a.txt", "a")}).status, ExitStatus::Complete);
    CTarvexDoc extracting{host};
    CTarvexCommandLineInfo info;
    ParseCommandLine(info, {"/X", archive, dir.Path("a.txt/out")});
    EXPECT_EQ(ProcessBatchCommand(info, extracting).status, ExitStatus::Failed);
    EXPECT_EQ(host.prompts.Texts().back(),
              "Extraction error on file: " + dir.Path("a.txt/out") + "\n!");
}

TEST_F(BatchTest, ExtractRoundTripAndAMissingArchiveFails) {
    const std::string archive = dir.Path("rt.rez");
    dir.Write("src/one.txt", "1");
    dir.Write("src/deep/two.txt", "22");
    ASSERT_EQ(Run({"/C", archive, dir.Path("src")}).status, ExitStatus::Complete);

    CTarvexDoc extracting{host};
    CTarvexCommandLineInfo info;
    ParseCommandLine(info, {"/x", archive, dir.Path("out")});
    const BatchOutcome outcome = ProcessBatchCommand(info, extracting);
    EXPECT_EQ(outcome.status, ExitStatus::Complete);
    EXPECT_FALSE(outcome.keepRunning);
    EXPECT_EQ(ReadWholeFile(dir.Path("out/ONE.TXT")), "1");
    EXPECT_EQ(ReadWholeFile(dir.Path("out/DEEP/TWO.TXT")), "22");

    CTarvexDoc missing{host};
    CTarvexCommandLineInfo bad;
    ParseCommandLine(bad, {"/X", dir.Path("nothing.rez"), dir.Path("out2")});
    EXPECT_EQ(ProcessBatchCommand(bad, missing).status, ExitStatus::Failed);
    EXPECT_FALSE(fs::exists(dir.Path("out2")));
}

TEST_F(BatchTest, ExtractAskWithoutAnAnswerExtractsNothing) {
    const std::string archive = dir.Path("ask.rez");
    ASSERT_EQ(Run({"/C", archive, dir.Write("a.txt", "a")}).status, ExitStatus::Complete);
    CTarvexDoc asking{host};
    CTarvexCommandLineInfo info;
    ParseCommandLine(info, {"/E", archive});
    const BatchOutcome outcome = ProcessBatchCommand(info, asking);
    EXPECT_TRUE(outcome.keepRunning);
    EXPECT_EQ(outcome.status, ExitStatus::Failed);
    EXPECT_EQ(host.prompts.asked.back().text, "Select an extraction Folder");
}

}  // namespace
