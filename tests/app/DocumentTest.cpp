#include <gtest/gtest.h>

#include <filesystem>

#include "AppTestHost.h"
#include "archive/ArchiveTestFiles.h"
#include "platform/filesystem/FileSystem.h"

namespace {

struct DocumentTest : ::testing::Test {
    AppTestHost host;
    CTarvexDoc doc{host};
    TempDir dir;
    RecordingProgress progress;

    // A document holding two files from disk, saved to dir/base.rez.
    std::string SavedArchive() {
        const std::string one = dir.Write("in/one.txt", "first");
        const std::string two = dir.Write("in/two.dat", "second!");
        support::SetModifiedTime(one, 1000000000);
        support::SetModifiedTime(two, 1000000001);
        doc.Adding().AddFiles({one, two}, nullptr, progress);
        const std::string path = dir.Path("base.rez");
        host.prompts.saveFiles.push_back(path);
        doc.FileSave();
        doc.FinishJobs();
        return path;
    }
};

TEST_F(DocumentTest, NewDocumentHasOnlyAnUntitledRoot) {
    EXPECT_EQ(doc.Folders().Size(), 1u);
    EXPECT_EQ(doc.Root()->name, "Untitled");
    EXPECT_EQ(doc.Root()->treeItem, kTreeRootItem);
    EXPECT_EQ(doc.TotalEntryCount(), 0u);
    EXPECT_EQ(doc.Title(), "Untitled");
    EXPECT_TRUE(doc.ArchivePath().empty());
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.Header().largestFolderName, 255u);
    EXPECT_EQ(doc.Header().sortedFlag, 1u);
    EXPECT_EQ(doc.Header().version, 1u);
}

TEST_F(DocumentTest, SaveOfANeverSavedDocumentAsksForANameAndWritesFromDisk) {
    const std::string path = SavedArchive();
    ASSERT_EQ(host.prompts.dialogs.size(), 1u);
    EXPECT_EQ(host.prompts.dialogs[0].defaultExtension, ".rez");
    EXPECT_EQ(host.prompts.dialogs[0].filter, "Tarvex Files ( *.rez)|*.REZ|All Files (*.*)|*.*||");
    ASSERT_EQ(host.completedKinds, std::vector<JobKind>{JobSaveAs});
    EXPECT_EQ(doc.ArchivePath(), path);
    EXPECT_EQ(doc.Title(), "base.rez");
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(host.settings.GetString("Settings", "LastSaveFolder", ""), dir.Path());
    EXPECT_EQ(EntryNames(*doc.Root()), (std::vector<std::string>{"ONE.TXT", "TWO.DAT"}));

    // The whole file, built by hand.
    using namespace archive_test;
    const std::string rootBlock =
        EntryRecordBytes(168, 5, 1000000000, 10000000, TypeField("TXT"), "ONE") +
        EntryRecordBytes(173, 7, 1000000001, 10000001, TypeField("TAD"), "TWO");
    const std::string expected = support::kArchiveTextBlock +
                                 HeaderBytes(180, rootBlock.size(), 180, 0, 7) + "first" +
                                 "second!" + rootBlock;
    EXPECT_EQ(ReadWholeFile(path), expected);
}

TEST_F(DocumentTest, AnEntryWhoseFileVanishedStaysUnsavedAndKeepsTheDocumentModified) {
    const std::string gone = dir.Write("in/gone.txt", "soon gone");
    doc.Adding().AddFiles({dir.Write("in/kept.txt", "kept"), gone}, nullptr, progress);
    std::filesystem::remove(gone);
    host.prompts.saveFiles.push_back(dir.Path("base.rez"));
    // Saved, but with one entry left out and named.
    EXPECT_TRUE(doc.SaveAndWait());
    EXPECT_EQ(host.prompts.Texts().back(), "Error adding: " + gone);
    EXPECT_EQ(doc.LeftOut().Total(), 1);
    EXPECT_TRUE(doc.IsModified());
    // The vanished entry still names its disk file, so a later save can pick it up again.
    EXPECT_EQ(EntryNames(*doc.Root()), (std::vector<std::string>{"KEPT.TXT", gone}));
}

TEST_F(DocumentTest, SavingUnderAnotherSpellingOfTheOpenArchiveReplacesItSafely) {
    const std::string path = SavedArchive();
    doc.Adding().AddFile(dir.Write("in/three.txt", "third"), nullptr, progress);
    // The same file reached through a detour in its folder path.
    const std::string detour = JoinPath(JoinPath(JoinPath(dir.Path(), "in"), ".."), "base.rez");
    host.prompts.saveFiles.push_back(detour);
    doc.FileSaveAs();
    doc.FinishJobs();
    EXPECT_EQ(host.completedKinds.back(), JobSave);
    EXPECT_FALSE(doc.IsModified());

    // Reopening finds every entry's data intact.
    CTarvexDoc reopened{host};
    reopened.OpenDocument(path);
    reopened.FinishJobs();
    ASSERT_FALSE(reopened.LastOpenFailed());
    ASSERT_TRUE(reopened.Extraction().ExtractArchive(nullptr, dir.Path("out"), progress));
    EXPECT_EQ(ReadWholeFile(dir.Path("out/ONE.TXT")), "first");
    EXPECT_EQ(ReadWholeFile(dir.Path("out/TWO.DAT")), "second!");
    EXPECT_EQ(ReadWholeFile(dir.Path("out/THREE.TXT")), "third");
}

TEST_F(DocumentTest, PromptSaveChangesNamesTheRootOfANeverSavedDocument) {
    doc.Adding().AddFile(dir.Write("a.txt", "a"), nullptr, progress);
    host.prompts.answers.push_back(PromptAnswer::Cancel);
    EXPECT_FALSE(doc.FileNew());
    ASSERT_EQ(host.prompts.asked.size(), 1u);
    EXPECT_EQ(host.prompts.asked[0].text, "Save changes to Untitled?");
    EXPECT_EQ(host.prompts.asked[0].buttons, PromptButtons::YesNoCancel);
    EXPECT_EQ(doc.TotalEntryCount(), 1u);

    host.prompts.answers.push_back(PromptAnswer::No);
    EXPECT_TRUE(doc.FileNew());
    EXPECT_EQ(doc.TotalEntryCount(), 0u);
}

TEST_F(DocumentTest, NewAfterYesWaitsForTheSaveBeforeEmptying) {
    for (int i = 0; i < 20; ++i) {
        doc.Adding().AddFile(
            dir.Write("many/f" + std::to_string(i) + ".txt", std::string(5000, 'x')), nullptr,
            progress);
    }
    host.prompts.answers.push_back(PromptAnswer::Yes);
    host.prompts.saveFiles.push_back(dir.Path("saved.rez"));
    EXPECT_TRUE(doc.FileNew());
    EXPECT_EQ(doc.TotalEntryCount(), 0u);

    CTarvexDoc reopened{host};
    reopened.OpenDocument(dir.Path("saved.rez"));
    reopened.FinishJobs();
    ASSERT_FALSE(reopened.LastOpenFailed());
    EXPECT_EQ(reopened.TotalEntryCount(), 20u);
    EXPECT_EQ(reopened.TotalEntrySize(), 20u * 5000u);
}

TEST_F(DocumentTest, NewKeepsTheChangesWhenTheSaveDidNotHappen) {
    doc.Adding().AddFile(dir.Write("a.txt", "a"), nullptr, progress);
    host.prompts.answers.push_back(PromptAnswer::Yes);  // and the save dialog is cancelled
    EXPECT_FALSE(doc.FileNew());
    EXPECT_EQ(doc.TotalEntryCount(), 1u);
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(DocumentTest, OpenRemembersTheFolderEvenWhenTheLoadFails) {
    doc.Adding().AddFile(dir.Write("a.txt", "a"), nullptr, progress);
    const std::string bogus = dir.Write("sub/bogus.rez", "not an archive at all");
    host.prompts.openFiles.push_back({bogus});
    doc.FileOpen();
    doc.FinishJobs();
    EXPECT_EQ(host.settings.GetString("Settings", "LastOpenFolder", ""), dir.Path("sub"));
    EXPECT_TRUE(doc.LastOpenFailed());
    EXPECT_EQ(
        host.prompts.Texts(),
        std::vector<std::string>{"'bogus.rez' does not appear to be a valid LithTech Rez File!"});
    // A failed open leaves the document as it was.
    EXPECT_EQ(doc.TotalEntryCount(), 1u);
    EXPECT_TRUE(doc.ArchivePath().empty());
}

TEST_F(DocumentTest, OpenReplacesTheModelAndClearsTheModifiedFlag) {
    const std::string path = SavedArchive();
    CTarvexDoc other{host};
    other.Adding().AddFile(dir.Write("b.txt", "b"), nullptr, progress);
    ASSERT_TRUE(other.IsModified());
    other.OpenDocument(path);
    other.FinishJobs();
    EXPECT_EQ(other.ArchivePath(), path);
    EXPECT_EQ(other.Title(), "base.rez");
    EXPECT_FALSE(other.IsModified());
    EXPECT_EQ(EntryNames(*other.Root()), (std::vector<std::string>{"ONE.TXT", "TWO.DAT"}));
    EXPECT_EQ(host.completedPaths.back(), path);
}

}  // namespace
