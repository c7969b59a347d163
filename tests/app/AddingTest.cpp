#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>

#include "AppTestHost.h"
#include "platform/filesystem/FileSystem.h"
#include "support/LocalTimeZone.h"
#include "support/UnregisteredTypeName.h"

namespace {

struct AddingTest : ::testing::Test {
    AppTestHost host;
    CTarvexDoc doc{host};
    TempDir dir;
    RecordingProgress progress;

    const RezEntry& Only(const RezFolder& folder) {
        EXPECT_EQ(folder.entries.size(), 1u);
        return folder.entries.front();
    }
};

TEST_F(AddingTest, NewEntryRecordsItsDiskFile) {
    const std::string path = dir.Write("tex.dtx", "12345");
    ASSERT_TRUE(support::SetModifiedTime(path, 1000000000));
    ASSERT_TRUE(doc.Adding().AddFile(path, nullptr, progress));
    const RezEntry& entry = Only(*doc.Root());
    EXPECT_EQ(entry.name, path);
    EXPECT_EQ(entry.dataPosition, 0u);
    EXPECT_EQ(entry.size, 5u);
    EXPECT_EQ(entry.time, 1000000000u);
    EXPECT_EQ(entry.typeCode, "dtx");
    EXPECT_EQ(entry.typeName, "Texture");
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(AddingTest, IdentifiersStartAt10000000AndFollowTheLastEntry) {
    doc.Adding().AddFiles({dir.Write("a.txt", "a"), dir.Write("b.txt", "b")}, nullptr, progress);
    EXPECT_EQ(doc.Root()->entries.front().identifier, 10000000u);
    EXPECT_EQ(doc.Root()->entries.back().identifier, 10000001u);

    doc.Root()->entries.back().identifier = 0xFFFFFFFFu;  // the next would wrap to 0
    doc.Adding().AddFile(dir.Write("c.txt", "c"), nullptr, progress);
    EXPECT_EQ(doc.Root()->entries.back().identifier, 10000000u);

    doc.Root()->entries.back().identifier = 41;
    doc.Adding().AddFile(dir.Write("d.txt", "d"), nullptr, progress);
    EXPECT_EQ(doc.Root()->entries.back().identifier, 42u);
}

TEST_F(AddingTest, ASourcePathThatReadsAsANumberNamesTheIdentifier) {
    // A relative path starting with digits, as a command line may pass it: a folder of the
    // test's own in the working folder, "123abc-<process>-<n>".
    const support::ScratchFolder numbered("123abc", std::filesystem::current_path());
    numbered.Write("x.txt", "x");
    const std::filesystem::path relative =
        std::filesystem::path(numbered.Root()).filename() / "x.txt";
    ASSERT_TRUE(doc.Adding().AddFile(relative.string(), nullptr, progress));
    EXPECT_EQ(Only(*doc.Root()).identifier, 123u);
}

TEST_F(AddingTest, TypeCodeIsTakenFromTheWholePath) {
    const std::string readme = dir.Write("dir.old/readme", "r");
    const std::string odd = dir.Write("a.b/cd", "c");
    const std::string longExt = dir.Write("FILE.ABCDE", "l");
    doc.Adding().AddFiles({readme, odd, longExt}, nullptr, progress);
    std::vector<std::string> codes;
    for (const RezEntry& entry : doc.Root()->entries)
        codes.push_back(entry.typeCode);
    EXPECT_EQ(codes, (std::vector<std::string>{"", std::string("b") + kPathSeparator + "cd", ""}));
    // No engine type and no registered one: the shell's name for an unknown type.
    EXPECT_EQ(doc.Root()->entries.back().typeName, support::UnregisteredTypeName());
}

TEST_F(AddingTest, EmptyListMarksModifiedAndAddsNothing) {
    EXPECT_TRUE(doc.Adding().AddFiles({}, nullptr, progress));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.TotalEntryCount(), 0u);
}

TEST_F(AddingTest, ReplacePromptNoSkipsYesReplacesCancelStops) {
    const support::UtcAsLocalTime utc;
    RezEntry stored;
    stored.name = "a.dtx";
    stored.dataPosition = 500;
    stored.size = 9;
    stored.time = 1000000000;  // 2001-09-09 01:46:40 UTC
    doc.Root()->entries.push_back(stored);
    const std::string path = dir.Write("A.DTX", "new data");
    ASSERT_TRUE(support::SetModifiedTime(path, 1100000000));  // 2004-11-09 11:33:20 UTC

    host.prompts.answers = {PromptAnswer::No};
    doc.Adding().AddFile(path, nullptr, progress);
    ASSERT_EQ(host.prompts.asked.size(), 1u);
    EXPECT_EQ(host.prompts.asked[0].buttons, PromptButtons::YesNoCancel);
    // Dates as the C library's "%c" writes them in the "C" locale.
#if defined(_WIN32)
    const std::string storedDate = "09/09/01 01:46:40", newDate = "11/09/04 11:33:20";
#else
    const std::string storedDate = "Sun Sep  9 01:46:40 2001", newDate = "Tue Nov  9 11:33:20 2004";
#endif
    EXPECT_EQ(host.prompts.asked[0].text,
              "Would you like to replace:\n\n Untitled\\a.dtx, Size: 9, Date: " + storedDate +
                  " \n\nwith:\n\n " + path + ", Size: 8, Date: " + newDate + " ?");
    EXPECT_EQ(EntryNames(*doc.Root()), std::vector<std::string>{"a.dtx"});

    doc.SetModified(false);
    host.prompts.answers = {PromptAnswer::Cancel};
    EXPECT_FALSE(doc.Adding().AddFiles({path, dir.Write("other.txt", "o")}, nullptr, progress));
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.TotalEntryCount(), 1u);

    host.prompts.answers = {PromptAnswer::Yes};
    doc.Adding().AddFile(path, nullptr, progress);
    const RezEntry& entry = Only(*doc.Root());
    EXPECT_EQ(entry.name, path);
    EXPECT_EQ(entry.typeCode, "DTX");
    EXPECT_EQ(entry.typeName, "Texture");
}

TEST_F(AddingTest, TwoNewFilesThatWouldBeSavedUnderOneNameConflict) {
    doc.Adding().AddFile(dir.Write("A/dup.txt", "first"), nullptr, progress);
    host.prompts.answers = {PromptAnswer::No};
    doc.Adding().AddFile(dir.Write("B/DUP.TXT", "second"), nullptr, progress);
    EXPECT_EQ(host.prompts.asked.size(), 1u);
    EXPECT_EQ(doc.TotalEntryCount(), 1u);
}

TEST_F(AddingTest, AMissingItemIsSkippedWithAMessage) {
    const std::string missing = dir.Path("nowhere.txt");
    doc.Adding().AddFiles({missing, dir.Write("here.txt", "h")}, nullptr, progress);
    EXPECT_EQ(doc.TotalEntryCount(), 1u);
    EXPECT_EQ(host.prompts.Texts(), std::vector<std::string>{"Error adding: " + missing});
    EXPECT_EQ(doc.LeftOut().Failures(), 1);
}

TEST_F(AddingTest, FolderBecomesASubfolderAndASecondAddPromptsForEveryFile) {
    dir.Write("Maps/one.dat", "1");
    dir.Write("Maps/two.dat", "22");
    dir.Write("Maps/Sub/three.dat", "333");
    const auto before = static_cast<std::uint32_t>(std::time(nullptr));
    doc.Adding().AddFolder(dir.Path("Maps"), nullptr, true, progress);
    const auto after = static_cast<std::uint32_t>(std::time(nullptr));
    RezFolder* maps = doc.Folders().FindFolderByPath("Maps", false);
    ASSERT_NE(maps, nullptr);
    EXPECT_EQ(maps->parent, doc.Root());
    EXPECT_EQ(maps->entries.size(), 2u);
    ASSERT_NE(doc.Folders().FindFolderByPath("Maps\\Sub", false), nullptr);
    EXPECT_EQ(doc.Root()->name, "Untitled");
    EXPECT_TRUE(doc.Root()->entries.empty());
    // A folder made by an edit carries the time it was made.
    EXPECT_GE(maps->time, before);
    EXPECT_LE(maps->time, after);

    host.prompts.answers = {PromptAnswer::No, PromptAnswer::No, PromptAnswer::No};
    doc.Adding().AddFolder(dir.Path("Maps"), nullptr, true, progress);
    EXPECT_EQ(host.prompts.asked.size(), 3u);
    EXPECT_EQ(doc.Folders().Size(), 3u);
    EXPECT_EQ(doc.TotalEntryCount(), 3u);
}

TEST_F(AddingTest, DiskPathsGoInTheOrderAskedForAndStopAtACancelWhenAskedTo) {
    struct Case {
        DiskPathsOrder order;
        std::vector<std::string> asked;  // the file each replace question names, in order
    };
    const Case cases[] = {
        {{}, {"a.txt", "m.dat"}},
        {{.stopAfterCancel = true}, {"a.txt"}},
        {{.foldersFirst = true}, {"m.dat", "a.txt"}},
    };
    const std::string file = dir.Write("a.txt", "a");
    dir.Write("Maps/m.dat", "m");
    for (const Case& c : cases) {
        CTarvexDoc fresh{host};
        fresh.Adding().AddFile(file, nullptr, progress);
        fresh.Adding().AddFolder(dir.Path("Maps"), nullptr, true, progress);
        host.prompts.asked.clear();
        host.prompts.answers = {PromptAnswer::Cancel, PromptAnswer::Cancel};
        EXPECT_FALSE(fresh.Adding().AddDiskPaths(SortDiskPaths({dir.Path("Maps"), file}), nullptr,
                                                 progress, c.order));
        std::vector<std::string> asked;
        for (const auto& question : host.prompts.asked)
            asked.push_back(question.text.find("m.dat") != std::string::npos ? "m.dat" : "a.txt");
        EXPECT_EQ(asked, c.asked);
    }
}

TEST_F(AddingTest, NewProjectPutsTheFolderContentsAtTheRoot) {
    dir.Write("Work/Maps/top.dat", "t");
    dir.Write("Work/Maps/Inner/deep.dat", "d");
    doc.Adding().AddFile(dir.Write("old.txt", "o"), nullptr, progress);
    host.prompts.folders.push_back(dir.Path("Work/Maps"));
    doc.Adding().NewProject(progress);
    EXPECT_EQ(doc.Root()->name, "Maps.rez");
    EXPECT_EQ(doc.Title(), "Maps.rez");
    EXPECT_EQ(doc.Root()->entries.size(), 1u);
    EXPECT_EQ(PathLeaf(doc.Root()->entries.front().name), "top.dat");
    ASSERT_NE(doc.Folders().FindFolderByPath("Inner", false), nullptr);
    EXPECT_EQ(doc.TotalEntryCount(), 2u);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_FALSE(doc.Adding().FolderAsRoot());
    EXPECT_EQ(host.prompts.asked.back().text, "Please select the folder you wish to insert:");
}

TEST_F(AddingTest, BatchFlagPutsASingleFolderAtTheRootEvenWithATrailingSeparator) {
    dir.Write("Maps/a.dat", "a");
    doc.SetBatchFlag(true);
    doc.Adding().AddFolder(dir.Path("Maps") + kPathSeparator, nullptr, true, progress);
    EXPECT_EQ(doc.Root()->name, "Maps.rez");
    EXPECT_EQ(doc.Root()->entries.size(), 1u);
}

TEST_F(AddingTest, CancelStopsBeforeTheNextFolderAndKeepsWhatWasAdded) {
    for (int i = 0; i < 5; ++i)
        dir.Write("Tree/d" + std::to_string(i) + "/f.txt", "f");
    RecordingProgress cancelling(3);  // three folders get through
    doc.Adding().AddFolder(dir.Path("Tree"), nullptr, true, cancelling);
    EXPECT_EQ(doc.TotalEntryCount(), 2u);
    EXPECT_EQ(cancelling.line2.front(), "Adding Folder: " + dir.Path("Tree"));
}

#if !defined(_WIN32)
TEST_F(AddingTest, ALinkBackToAnAncestorFolderIsNotFollowed) {
    dir.Write("Loop/a.txt", "a");
    std::filesystem::create_directory_symlink(dir.Path("Loop"), dir.Path("Loop/again"));
    doc.Adding().AddFolder(dir.Path("Loop"), nullptr, true, progress);
    EXPECT_EQ(doc.TotalEntryCount(), 1u);
}
#endif

TEST_F(AddingTest, SubfoldersAreFoundWithoutRegardToCaseAndPathsAreCreatedFromTheRoot) {
    RezFolder* worlds = doc.Adding().FindOrCreateSubfolder("Worlds", nullptr);
    EXPECT_EQ(doc.Adding().FindOrCreateSubfolder("Worlds", nullptr), worlds);
    // A save writes WORLDS: a second folder of that name must not appear beside it.
    EXPECT_EQ(doc.Adding().FindOrCreateSubfolder("WORLDS", nullptr), worlds);
    EXPECT_EQ(doc.Folders().Size(), 2u);

    RezFolder* evac = doc.Adding().FindOrCreateFolderPath("Worlds\\Multi\\Evac", nullptr);
    EXPECT_EQ(doc.Folders().FolderPath(evac, false), "Worlds\\Multi\\Evac");
    EXPECT_EQ(doc.Adding().FindOrCreateFolderPath("\\Worlds\\\\Multi\\Evac\\", nullptr), evac);
    EXPECT_EQ(doc.Adding().FindOrCreateFolderPath("", nullptr), doc.Root());
    // Every folder stands after its parent.
    std::vector<const RezFolder*> seen;
    doc.Folders().ForEach([&](const RezFolder& f) {
        if (f.parent) {
            EXPECT_NE(std::find(seen.begin(), seen.end(), f.parent), seen.end());
        }
        seen.push_back(&f);
    });
}

TEST_F(AddingTest, TheOpenArchiveIsNeverAddedToItself) {
    const std::string archive = dir.Write("self.rez", "x");
    doc.SetArchivePath(archive);
    doc.Adding().AddFile(archive, nullptr, progress);
    EXPECT_EQ(doc.TotalEntryCount(), 0u);
    EXPECT_EQ(host.prompts.Texts(),
              std::vector<std::string>{"Skipping the archive itself: " + archive});
}

}  // namespace
