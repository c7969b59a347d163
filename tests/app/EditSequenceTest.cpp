// Sequences of edits the window makes every day, each followed by a save, a reopen and, where
// data is concerned, an extraction.
#include <gtest/gtest.h>

#include <filesystem>

#include "AppTestHost.h"

namespace {

namespace fs = std::filesystem;

struct EditSequenceTest : ::testing::Test {
    AppTestHost host;
    CTarvexDoc doc{host};
    TempDir dir;
    RecordingProgress progress;

    void SaveAs(const std::string& name) {
        host.prompts.saveFiles.push_back(dir.Path(name));
        doc.FileSaveAs();
        doc.FinishJobs();
        ASSERT_FALSE(doc.IsModified()) << ::testing::PrintToString(host.prompts.Texts());
    }
    std::unique_ptr<CTarvexDoc> Reopen(const std::string& name) {
        auto other = std::make_unique<CTarvexDoc>(host);
        other->OpenDocument(dir.Path(name));
        other->FinishJobs();
        EXPECT_FALSE(other->LastOpenFailed());
        return other;
    }
    RezEntry& Only(RezFolder& folder) {
        EXPECT_EQ(folder.entries.size(), 1u);
        return folder.entries.front();
    }
};

TEST_F(EditSequenceTest, APendingEntryKeepsItsDiskFileThroughRenameAndMove) {
    doc.Adding().AddFile(dir.Write("disk/level one.txt", "the level's own bytes"), nullptr,
                         progress);
    // A file of the new name where a save would wrongly look for it.
    dir.Write("MAP01.DAT", "an unrelated file");
    RezFolder* worlds = doc.Adding().FindOrCreateSubfolder("Worlds", nullptr);
    RezEntry& entry = Only(*doc.Root());
    ASSERT_TRUE(doc.Editing().RenameEntry(entry, "Map01.dat"));
    EXPECT_EQ(entry.typeCode, "dat");
    EXPECT_EQ(entry.typeName, "World Data");
    ASSERT_TRUE(doc.Editing().MoveItems({}, nullptr, {&entry}, worlds));
    SaveAs("pack.rez");
    EXPECT_TRUE(host.prompts.Texts().empty());

    auto saved = Reopen("pack.rez");
    RezFolder* stored = saved->Folders().FindFolderByPath("WORLDS", false);
    ASSERT_NE(stored, nullptr);
    EXPECT_EQ(EntryNames(*stored), std::vector<std::string>{"MAP01.DAT"});
    EXPECT_TRUE(saved->Root()->entries.empty());
    ASSERT_TRUE(saved->Extraction().ExtractArchive(nullptr, dir.Path("out"), progress));
    EXPECT_EQ(ReadWholeFile(dir.Path("out/WORLDS/MAP01.DAT")), "the level's own bytes");
}

TEST_F(EditSequenceTest, ARenamedPendingEntryIsExtractedUnderItsNewName) {
    doc.Adding().AddFile(dir.Write("disk/a.txt", "pending data"), nullptr, progress);
    ASSERT_TRUE(doc.Editing().RenameEntry(Only(*doc.Root()), "B.TXT"));
    ASSERT_TRUE(doc.Extraction().ExtractArchive(nullptr, dir.Path("out"), progress));
    EXPECT_EQ(ReadWholeFile(dir.Path("out/B.TXT")), "pending data");
    EXPECT_FALSE(fs::exists(dir.Path("out/a.txt")));
}

TEST_F(EditSequenceTest, ReAddingAFolderAfterASaveReusesItAndAsksForEveryFile) {
    dir.Write("Maps/one.dat", "1");
    dir.Write("Maps/Sub/two.dat", "22");
    doc.Adding().AddFolder(dir.Path("Maps"), nullptr, true, progress);
    SaveAs("maps.rez");
    ASSERT_EQ(doc.Folders().Root()->subfolders.front()->name, "MAPS");

    host.prompts.answers = {PromptAnswer::No, PromptAnswer::No};
    doc.Adding().AddFolder(dir.Path("Maps"), nullptr, true, progress);
    EXPECT_EQ(host.prompts.asked.size(), 2u);
    EXPECT_EQ(doc.Folders().Size(), 3u);
    SaveAs("maps.rez");

    auto saved = Reopen("maps.rez");
    std::vector<std::string> paths;
    saved->Folders().ForEach([&](const RezFolder& folder) {
        paths.push_back(saved->Folders().FolderPath(&folder, false));
    });
    EXPECT_EQ(paths, (std::vector<std::string>{"maps", "MAPS", "MAPS\\SUB"}));
    EXPECT_EQ(saved->TotalEntryCount(), 2u);
}

TEST_F(EditSequenceTest, TypesFollowTheSavedNamesAtOnce) {
    doc.Adding().AddFile(dir.Write("disk/notes.txt", "n"), nullptr, progress);
    // The type code of a new entry comes from its whole path: "b/cd" here, none once saved.
    doc.Adding().AddFile(dir.Write("a.b/cd", "c"), nullptr, progress);
    SaveAs("types.rez");
    RezEntry& notes = doc.Root()->entries.front();
    ASSERT_TRUE(doc.Editing().RenameEntry(notes, "NOTES.DTX"));
    SaveAs("types.rez");

    auto reopened = Reopen("types.rez");
    ASSERT_EQ(reopened->Root()->entries.size(), 2u);
    auto it = doc.Root()->entries.begin();
    for (const RezEntry& fresh : reopened->Root()->entries) {
        EXPECT_EQ(it->name, fresh.name);
        EXPECT_EQ(it->typeCode, fresh.typeCode) << fresh.name;
        EXPECT_EQ(it->typeName, fresh.typeName) << fresh.name;
        ++it;
    }
    EXPECT_EQ(reopened->Root()->entries.front().typeName, "Texture");
    EXPECT_EQ(reopened->Root()->entries.back().typeCode, "");
}

}  // namespace
