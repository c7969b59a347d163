// Saving never loses data: the previous archive and the document stay as they were whenever
// a save does not complete.
#include <gtest/gtest.h>

#include "archive/ArchiveFixture.h"
#include "support/RezContents.h"

#ifndef _WIN32
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#endif

namespace {

using namespace archive_test;

struct RezSaver : ArchiveFixture {
    FolderList document;
    std::string archive;   // the document's current archive path
    std::string original;  // its bytes

    // Saves a three-entry archive and loads it as the document.
    void SetUp() override {
        FolderList first;
        RezFolder& root = first.Append("Untitled", nullptr);
        RezFolder& sub = first.Append("Sub", &root);
        root.entries.push_back(NewEntry(DiskFile("one.dat", "first entry"), 11, 1, 1));
        root.entries.push_back(NewEntry(DiskFile("two.dtx", "second"), 6, 2, 2));
        sub.entries.push_back(NewEntry(DiskFile("three.spr", "third!"), 6, 3, 3));
        archive = dir.Path("game.rez");
        ASSERT_TRUE(Save(first, archive));
        original = ReadAll(archive);
        ASSERT_TRUE(Load(archive, document));
    }

    // Positions, names and directory fields of the whole document.
    std::string Snapshot() const {
        std::string text;
        document.ForEach([&](const RezFolder& folder) {
            text += folder.name + "@" + std::to_string(folder.directoryPosition) + "+" +
                    std::to_string(folder.directorySize) + ":";
            for (const RezEntry& entry : folder.entries) {
                text += entry.name + "@" + std::to_string(entry.dataPosition) + ",";
            }
            text += ";";
        });
        return text;
    }

    // Entry data as read through the document's positions from path.
    std::vector<std::string> Contents(const FolderList& folders, const std::string& path) {
        const std::string bytes = ReadAll(path);
        std::vector<std::string> data;
        folders.ForEach([&](const RezFolder& folder) {
            for (const RezEntry& entry : folder.entries) {
                data.push_back(bytes.substr(entry.dataPosition, entry.size));
            }
        });
        return data;
    }
};

TEST_F(RezSaver, SavingOverTheArchiveReplacesItAndLeavesNoOtherFile) {
    WriteAll(dir.Path("game.BAK"), "the user's own backup");
    document.Root()->entries.push_back(NewEntry(DiskFile("new.lto", "module"), 6, 4, 4));
    ASSERT_TRUE(Save(document, archive, archive, JobSave));
    EXPECT_EQ(Contents(document, archive),
              (std::vector<std::string>{"first entry", "second", "module", "third!"}));
    EXPECT_EQ(ReadAll(dir.Path("game.BAK")), "the user's own backup");
    for (const std::string& name : dir.Files())
        EXPECT_EQ(name.find(".saving"), std::string::npos);
    EXPECT_EQ(document.Root()->entries.back().name, "NEW.LTO");
    EXPECT_EQ(document.Root()->name, "game");

    // Reading it again gives the same document.
    FolderList again;
    ASSERT_TRUE(Load(archive, again));
    EXPECT_EQ(Contents(again, archive), Contents(document, archive));
}

TEST_F(RezSaver, SavingUnchangedContentReproducesTheFile) {
    ASSERT_TRUE(Save(document, archive, archive, JobSave));
    EXPECT_EQ(ReadAll(archive), original);
}

TEST_F(RezSaver, SaveAsLeavesThePreviousArchiveUntouched) {
    ASSERT_TRUE(Save(document, dir.Path("copy.rez"), archive));
    EXPECT_EQ(ReadAll(archive), original);
    EXPECT_EQ(ReadAll(dir.Path("copy.rez")), original);
    EXPECT_EQ(document.Root()->name, "copy");
}

TEST_F(RezSaver, SaveAsToAnotherSpellingOfTheSourceDoesNotTruncateIt) {
    const std::string sameFile = dir.Root() + "/./game.rez";
    ASSERT_TRUE(Save(document, sameFile, archive));
    EXPECT_EQ(ReadAll(archive), original);
    EXPECT_EQ(Contents(document, archive),
              (std::vector<std::string>{"first entry", "second", "third!"}));
}

TEST_F(RezSaver, CancelLeavesArchiveAndDocumentAsTheyWere) {
    document.Root()->entries.push_back(NewEntry(DiskFile("new.lto", "module"), 6, 4, 4));
    const std::string before = Snapshot();
    // Polls: after Start, the root folder, its entries one by one; cancel at the second entry.
    RecordingProgress cancelling(3);
    EXPECT_FALSE(Save(document, archive, archive, JobSave, &cancelling));
    EXPECT_EQ(cancelling.polls, 4);
    EXPECT_TRUE(prompts.asked.empty());
    EXPECT_EQ(ReadAll(archive), original);
    EXPECT_EQ(Snapshot(), before);
    EXPECT_EQ(dir.Files().size(), 5u);  // the archive and the four disk files, nothing else
}

TEST_F(RezSaver, MissingSourceArchiveFailsWithoutTouchingTheTarget) {
    WriteAll(dir.Path("target.rez"), "keep me");
    const std::string before = Snapshot();
    EXPECT_FALSE(Save(document, dir.Path("target.rez"), dir.Path("gone.rez")));
    EXPECT_EQ(prompts.Texts(),
              std::vector<std::string>{"Error adding 'ONE.DAT' from: " + dir.Path("gone.rez")});
    EXPECT_EQ(ReadAll(dir.Path("target.rez")), "keep me");
    EXPECT_EQ(Snapshot(), before);
}

TEST_F(RezSaver, TargetThatCannotBeCreatedIsReported) {
    const std::string target = dir.Path("no-such-folder/x.rez");
    EXPECT_FALSE(Save(document, target, archive));
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"Error Creating Rez File: " + target});
    EXPECT_EQ(ReadAll(archive), original);
}

TEST_F(RezSaver, UnreadableNewEntryIsLeftOutAndStaysPending) {
    const std::string missing = dir.Path("vanished.dtx");
    document.Root()->entries.push_back(NewEntry(missing, 9, 4, 4));
    document.Root()->entries.push_back(NewEntry(DiskFile("kept.dat", "kept"), 4, 5, 5));
    ASSERT_TRUE(Save(document, archive, archive, JobSave));
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"Error adding: " + missing});
    EXPECT_EQ(pendingEntries, 1u);
    const RezEntry& pending = *std::next(document.Root()->entries.begin(), 2);
    EXPECT_EQ(pending.name, missing);
    EXPECT_EQ(pending.dataPosition, 0u);
    EXPECT_EQ(document.Root()->entries.back().name, "KEPT.DAT");

    EXPECT_EQ(support::RezContents(archive),
              (std::vector<std::string>{"SUB\\", "SUB\\THREE.SPR = third!", "ONE.DAT = first entry",
                                        "TWO.DTX = second", "KEPT.DAT = kept"}));
}

TEST_F(RezSaver, ShrunkDiskFileIsWrittenAtItsRecordedSizeWithAZeroTail) {
    const std::string path = DiskFile("shrunk.dat", "abc");
    document.Root()->entries.push_back(NewEntry(path, 8, 4, 4));
    ASSERT_TRUE(Save(document, dir.Path("out.rez"), archive));
    EXPECT_EQ(Contents(document, dir.Path("out.rez"))[2], std::string("abc") + Zeros(5));
}

// The scratch folder's path has '\' separators on Windows and '/' elsewhere.
TEST_F(RezSaver, NewEntryIsNamedAfterItsFileWithoutTheFolders) {
    const std::string path = DiskFile("tex.dtx", "t");
    document.Root()->entries.push_back(NewEntry(path, 1, 4, 4));
    ASSERT_TRUE(Save(document, dir.Path("out.rez"), archive));
    EXPECT_EQ(document.Root()->entries.back().name, "TEX.DTX");
    EXPECT_EQ(support::RezContents(dir.Path("out.rez")),
              (std::vector<std::string>{"SUB\\", "SUB\\THREE.SPR = third!", "ONE.DAT = first entry",
                                        "TWO.DTX = second", "TEX.DTX = t"}));
}

TEST_F(RezSaver, ArchivesPast4GiBAreRefusedBeforeAnythingIsWritten) {
    // Stored entries whose recorded sizes add up past 32-bit positions.
    RezEntry& big = document.Root()->entries.front();
    big.size = 0xF0000000u;
    document.Root()->entries.back().size = 0x20000000u;
    const std::string before = Snapshot();
    RecordingProgress sink;
    EXPECT_FALSE(Save(document, archive, archive, JobSave, &sink));
    ASSERT_EQ(prompts.asked.size(), 1u);
    EXPECT_NE(prompts.asked[0].text.find("4 GB"), std::string::npos);
    EXPECT_EQ(ReadAll(archive), original);
    EXPECT_EQ(Snapshot(), before);
    EXPECT_EQ(dir.Files().size(), 4u);  // the archive and the three disk files
    EXPECT_EQ(sink.starts, 0);
}

TEST_F(RezSaver, ProgressShowsTheOperationFoldersAndIndex) {
    RecordingProgress sink;
    ASSERT_TRUE(Save(document, dir.Path("p.rez"), archive, JobSaveAs, &sink));
    EXPECT_EQ(sink.line1, std::vector<std::string>{"Saving..."});
    EXPECT_EQ(sink.line2,
              (std::vector<std::string>{"Writing Folder: game\\", "Writing Folder: game\\SUB\\",
                                        "Writing Index", "Writing Index"}));
    EXPECT_EQ(sink.starts, 1);
}

TEST_F(RezSaver, LeftoversOfAnInterruptedSaveAreRemovedNotUsed) {
    WriteAll(archive + ".0.saving", "left by a save that was killed");
    ASSERT_TRUE(Save(document, archive, archive, JobSave));
    EXPECT_EQ(ReadAll(archive), original);
    EXPECT_EQ(dir.Files().size(), 4u);  // the archive and the three disk files
}

#ifndef _WIN32
TEST_F(RezSaver, SavingOverTheArchiveKeepsItsPermissions) {
    ASSERT_EQ(chmod(archive.c_str(), 0640), 0);
    ASSERT_TRUE(Save(document, archive, archive, JobSave));
    struct stat status;
    ASSERT_EQ(stat(archive.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0640u);
}

TEST_F(RezSaver, AFullDiskLeavesArchiveAndDocumentAsTheyWere) {
    document.Root()->entries.push_back(
        NewEntry(DiskFile("big.dat", std::string(3000, 'b')), 3000, 4, 4));
    const std::string before = Snapshot();
    // The process may write no file longer than 1000 bytes, as on a full disk.
    rlimit saved;
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 1000;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool savedOk = Save(document, archive, archive, JobSave);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(savedOk);
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"Error writing Rez File: " + archive});
    EXPECT_EQ(ReadAll(archive), original);
    EXPECT_EQ(Snapshot(), before);
    for (const std::string& name : dir.Files())
        EXPECT_EQ(name.find(".saving"), std::string::npos);
}
#endif

}  // namespace
