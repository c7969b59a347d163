#include <gtest/gtest.h>

#include <filesystem>

#include "AppTestHost.h"
#include "app/ArchiveListing.h"
#include "app/ItemNames.h"
#include "archive/ArchiveTestFiles.h"
#include "platform/filesystem/FileSystem.h"

namespace {

namespace fs = std::filesystem;

// An archive on disk: root files r1, r2; folder Maps with m1 and subfolder Sub with s1.
struct ExtractionTest : ::testing::Test {
    AppTestHost host;
    CTarvexDoc doc{host};
    TempDir dir;
    RecordingProgress progress;
    std::string archive;

    void SetUp() override {
        dir.Write("src/r1.txt", "root one");
        dir.Write("src/r2.txt", "root two");
        dir.Write("src/Maps/m1.dat", "map data");
        dir.Write("src/Maps/Sub/s1.dtx", "texture");
        doc.SetBatchFlag(true);
        doc.Adding().AddFolder(dir.Path("src"), nullptr, true, progress);
        doc.SetBatchFlag(false);
        archive = dir.Path("test.rez");
        host.prompts.saveFiles.push_back(archive);
        doc.FileSave();
        doc.FinishJobs();
        ASSERT_FALSE(doc.IsModified());
    }

    RezFolder* Folder(const std::string& path) {
        return doc.Folders().FindFolderByPath(path, false);
    }
    RezEntry* Entry(RezFolder* folder, const std::string& name) {
        for (RezEntry& entry : folder->entries) {
            if (entry.name == name)
                return &entry;
        }
        return nullptr;
    }
};

TEST_F(ExtractionTest, RootGoesIntoTheDestinationAndFoldersBelowIt) {
    const std::string out = dir.Path("out/nested");
    RecordingProgress progress;
    ASSERT_TRUE(doc.Extraction().ExtractArchive(nullptr, out, progress));
    EXPECT_EQ(ReadWholeFile(dir.Path("out/nested/R1.TXT")), "root one");
    EXPECT_EQ(ReadWholeFile(dir.Path("out/nested/R2.TXT")), "root two");
    EXPECT_EQ(ReadWholeFile(dir.Path("out/nested/MAPS/M1.DAT")), "map data");
    EXPECT_EQ(ReadWholeFile(dir.Path("out/nested/MAPS/SUB/S1.DTX")), "texture");
    EXPECT_TRUE(progress.started);
    EXPECT_TRUE(host.prompts.asked.empty());
    // Each folder counts its own entries, subfolders first.
    EXPECT_EQ(progress.line2,
              (std::vector<std::string>{"Extracting Folder: test", "Extracting Folder: MAPS",
                                        "Extracting Folder: SUB"}));
    using Position = std::pair<std::uint32_t, std::uint32_t>;
    EXPECT_EQ(progress.positions,
              (std::vector<Position>{{1, 1}, {1, 1}, {1, 2}, {2, 2}}));  // SUB, MAPS, the root
}

TEST_F(ExtractionTest, AFolderBringsItsOwnDirectory) {
    ASSERT_TRUE(doc.Extraction().ExtractArchive(Folder("MAPS"), dir.Path("out"), progress));
    EXPECT_EQ(ReadWholeFile(dir.Path("out/MAPS/M1.DAT")), "map data");
    EXPECT_EQ(ReadWholeFile(dir.Path("out/MAPS/SUB/S1.DTX")), "texture");
    EXPECT_FALSE(fs::exists(dir.Path("out/R1.TXT")));
}

TEST_F(ExtractionTest, AnEmptyDestinationAsksAndCancelExtractsNothing) {
    EXPECT_FALSE(doc.Extraction().ExtractArchive(nullptr, "", progress));
    EXPECT_EQ(host.prompts.asked.back().text, "Select an extraction Folder");

    host.prompts.folders.push_back(dir.Path("chosen") + kPathSeparator);
    fs::create_directories(dir.Path("chosen"));
    EXPECT_TRUE(doc.Extraction().ExtractArchive(nullptr, "", progress));
    EXPECT_EQ(ReadWholeFile(dir.Path("chosen/R1.TXT")), "root one");
}

TEST_F(ExtractionTest, AChosenFolderThatDoesNotExistIsMadeAsAGivenOneIs) {
    // Only the root's own files: no subfolder's directory makes the destination on the way.
    doc.Editing().DeleteFolder(Folder("MAPS"));
    host.prompts.folders.push_back(dir.Path("chosen/not/yet"));
    ASSERT_TRUE(doc.Extraction().ExtractArchive(nullptr, "", progress));
    EXPECT_EQ(ReadWholeFile(dir.Path("chosen/not/yet/R1.TXT")), "root one");
    EXPECT_EQ(ReadWholeFile(dir.Path("chosen/not/yet/R2.TXT")), "root two");
    EXPECT_EQ(doc.LeftOut().Failures(), 0);
}

TEST_F(ExtractionTest, NamedItemsGoWhereExtractingEverythingPutsThem) {
    RezFolder* sub = Folder("MAPS\\SUB");
    RezFolder* root = doc.Root();
    ASSERT_TRUE(doc.Extraction().ExtractItems({{sub, nullptr}, {root, Entry(root, "R2.TXT")}},
                                              dir.Path("sel"), progress));
    EXPECT_EQ(ReadWholeFile(dir.Path("sel/MAPS/SUB/S1.DTX")), "texture");
    EXPECT_EQ(ReadWholeFile(dir.Path("sel/R2.TXT")), "root two");
    EXPECT_FALSE(fs::exists(dir.Path("sel/MAPS/M1.DAT")));
    EXPECT_FALSE(fs::exists(dir.Path("sel/R1.TXT")));
}

TEST_F(ExtractionTest, AnExistingOutputFileIsReplaced) {
    dir.Write("out/R1.TXT", "an older and longer content");
    ASSERT_TRUE(doc.Extraction().ExtractArchive(nullptr, dir.Path("out"), progress));
    EXPECT_EQ(ReadWholeFile(dir.Path("out/R1.TXT")), "root one");
}

TEST_F(ExtractionTest, SelectionExtractsFoldersFirstThenFiles) {
    RezFolder* root = doc.Root();
    RecordingProgress progress;
    ASSERT_TRUE(doc.Extraction().ExtractSelection(root, {Folder("MAPS")}, {Entry(root, "R2.TXT")},
                                                  dir.Path("sel"), progress));
    EXPECT_EQ(ReadWholeFile(dir.Path("sel/MAPS/SUB/S1.DTX")), "texture");
    EXPECT_EQ(ReadWholeFile(dir.Path("sel/R2.TXT")), "root two");
    EXPECT_FALSE(fs::exists(dir.Path("sel/R1.TXT")));
    // SUB's entry, MAPS's entry, then the selected file counted against the last total.
    using Position = std::pair<std::uint32_t, std::uint32_t>;
    EXPECT_EQ(progress.positions, (std::vector<Position>{{1, 1}, {1, 1}, {1, 1}}));
}

TEST_F(ExtractionTest, AFileThatFailsIsNotCounted) {
    RezFolder* root = doc.Root();
    const std::string second = root->entries.back().name;
    root->entries.front().name = "..";  // refused on every disk
    RecordingProgress progress;
    EXPECT_FALSE(doc.Extraction().ExtractArchive(root, dir.Path("out"), progress));
    using Position = std::pair<std::uint32_t, std::uint32_t>;
    EXPECT_EQ(progress.positions, (std::vector<Position>{{1, 1}, {1, 1}, {1, 2}, {1, 2}}));
    EXPECT_TRUE(fs::exists(dir.Path("out/" + second)));

    RecordingProgress selecting;
    EXPECT_FALSE(doc.Extraction().ExtractSelection(
        root, {}, {Entry(root, ".."), Entry(root, second)}, dir.Path("sel"), selecting));
    EXPECT_EQ(selecting.positions, (std::vector<Position>{{1, 0}}));
}

TEST_F(ExtractionTest, TheExtractCommandAsksForConfirmationAndAFolder) {
    progress.line2.clear();
    EXPECT_FALSE(doc.Extraction().ExtractTreeSelection(nullptr, progress));
    host.prompts.answers = {PromptAnswer::No};
    EXPECT_FALSE(doc.Extraction().ExtractTreeSelection(Folder("MAPS"), progress));
    host.prompts.folders.push_back(dir.MakeDir("cmd"));
    EXPECT_TRUE(doc.Extraction().ExtractTreeSelection(Folder("MAPS"), progress));
    EXPECT_EQ(ReadWholeFile(dir.Path("cmd/MAPS/M1.DAT")), "map data");
    EXPECT_EQ(progress.line2.front(), "Extracting...");
    EXPECT_FALSE(progress.started);
    const std::vector<std::string> expected = {
        "No selection in active frame!",
        "Are you sure you wish to extract the entire Folder,\n and the subfolders it contains?",
        "Are you sure you wish to extract the entire Folder,\n and the subfolders it contains?",
        "Select an extraction Folder"};
    EXPECT_EQ(host.prompts.Texts(), expected);

    EXPECT_FALSE(doc.Extraction().ExtractListSelection(doc.Root(), {}, {}, progress));
    host.prompts.folders.push_back(dir.MakeDir("list"));
    EXPECT_TRUE(doc.Extraction().ExtractListSelection(doc.Root(), {}, {Entry(doc.Root(), "R1.TXT")},
                                                      progress));
    EXPECT_EQ(ReadWholeFile(dir.Path("list/R1.TXT")), "root one");
}

TEST_F(ExtractionTest, BatchSelectionGoesBelowTheFolderPath) {
    doc.SetBatchFlag(true);
    RezFolder* sub = Folder("MAPS\\SUB");
    ASSERT_TRUE(doc.Extraction().ExtractSelection(sub, {}, {Entry(sub, "S1.DTX")}, dir.Path("b"),
                                                  progress));
    EXPECT_EQ(ReadWholeFile(dir.Path("b/" + doc.Root()->name + "/MAPS/SUB/S1.DTX")), "texture");
}

TEST_F(ExtractionTest, EntriesAddedSinceTheSaveComeFromTheirDiskFiles) {
    const std::string fresh = dir.Write("fresh/new.txt", "fresh from disk");
    doc.Adding().AddFile(fresh, Folder("MAPS"), progress);
    ASSERT_TRUE(doc.Extraction().ExtractArchive(nullptr, dir.Path("out"), progress));
    EXPECT_EQ(ReadWholeFile(dir.Path("out/MAPS/new.txt")), "fresh from disk");
    EXPECT_EQ(ReadWholeFile(dir.Path("out/MAPS/M1.DAT")), "map data");

    ASSERT_TRUE(doc.Extraction().ExtractSelection(
        Folder("MAPS"), {}, {&Folder("MAPS")->entries.back()}, dir.Path("sel"), progress));
    EXPECT_EQ(ReadWholeFile(dir.Path("sel/new.txt")), "fresh from disk");
}

TEST_F(ExtractionTest, UnsafeNamesAreRefusedAndTheRestIsExtracted) {
    RezFolder* root = doc.Root();
    const std::string outside = dir.Path("escaped.txt");
    // Names a hostile archive may hold; renaming refuses them.
    Entry(root, "R1.TXT")->name = std::string("..") + kPathSeparator + "escaped.txt";
    Folder("MAPS")->name = "..";
    const std::string out = dir.Path("out");
    EXPECT_FALSE(doc.Extraction().ExtractArchive(nullptr, out, progress));
    EXPECT_FALSE(fs::exists(outside));
    EXPECT_FALSE(fs::exists(dir.Path("M1.DAT")));
    EXPECT_FALSE(fs::exists(dir.Path("SUB")));
    EXPECT_EQ(ReadWholeFile(dir.Path("out/R2.TXT")), "root two");
    const std::vector<std::string> expected = {
        "Extraction error on file: " + JoinPath(out, "..") + "\n!",
        "Extraction error on file: " +
            JoinPath(out, std::string("..") + kPathSeparator + "escaped.txt") + "\n!"};
    EXPECT_EQ(host.prompts.Texts(), expected);
    EXPECT_EQ(doc.LeftOut().Failures(), 2);
}

TEST_F(ExtractionTest, UnsafeSelectedEntriesAreSkippedWithTheSelectionMessage) {
    RezFolder* root = doc.Root();
    RezEntry* evil = Entry(root, "R1.TXT");
    const RezEntry* good = Entry(root, "R2.TXT");
    evil->name = "/etc/evil";
    const std::string out = dir.Path("sel");
    EXPECT_FALSE(doc.Extraction().ExtractSelection(root, {}, {evil, good}, out, progress));
    EXPECT_EQ(host.prompts.Texts(),
              std::vector<std::string>{"Cant create output file: " + JoinPath(out, "/etc/evil") +
                                       "\nSkipping!"});
    EXPECT_EQ(ReadWholeFile(dir.Path("sel/R2.TXT")), "root two");
}

TEST_F(ExtractionTest, DataBeyondTheEndOfATruncatedArchiveIsNotMadeUp) {
    // An index pointing past the end of the file, as a damaged archive may.
    RezEntry& last = Folder("MAPS\\SUB")->entries.back();
    last.dataPosition = static_cast<std::uint32_t>(fs::file_size(archive)) - 2;
    EXPECT_FALSE(doc.Extraction().ExtractArchive(nullptr, dir.Path("out"), progress));
    EXPECT_FALSE(fs::exists(dir.Path("out/MAPS/SUB/S1.DTX")));
    EXPECT_EQ(ReadWholeFile(dir.Path("out/R1.TXT")), "root one");
}

TEST_F(ExtractionTest, AMissingArchiveIsReported) {
    doc.SetArchivePath(dir.Path("gone.rez"));
    EXPECT_FALSE(doc.Extraction().ExtractArchive(nullptr, dir.Path("out"), progress));
    EXPECT_EQ(host.prompts.Texts(),
              std::vector<std::string>{"Error reading from REZ file: " + dir.Path("gone.rez")});
}

TEST_F(ExtractionTest, CancelCreatesNoFurtherFolder) {
    // Polls: the root, MAPS, SUB, then the entries. Cancel at SUB: MAPS was made, SUB is not.
    RecordingProgress cancelling(2);
    EXPECT_FALSE(doc.Extraction().ExtractArchive(nullptr, dir.Path("out"), cancelling));
    EXPECT_TRUE(fs::exists(dir.Path("out/MAPS")));
    EXPECT_FALSE(fs::exists(dir.Path("out/MAPS/SUB")));
    EXPECT_FALSE(fs::exists(dir.Path("out/MAPS/M1.DAT")));
    EXPECT_FALSE(fs::exists(dir.Path("out/R1.TXT")));

    RecordingProgress atOnce(1);
    EXPECT_FALSE(doc.Extraction().ExtractArchive(nullptr, dir.Path("out2"), atOnce));
    EXPECT_TRUE(fs::is_empty(dir.Path("out2")));
}

TEST(ExtractionOfOtherWriters, EntriesWithDescriptionsAndKeysListAndExtractWhole) {
    AppTestHost host;
    CTarvexDoc doc{host};
    TempDir dir;
    const std::string archive = dir.Path("keys.rez");
    support::WriteWholeFile(archive, archive_test::ArchiveWithKeysAndDescriptions());
    ASSERT_TRUE(doc.OpenDocument(archive));
    doc.FinishJobs();
    ASSERT_FALSE(doc.LastOpenFailed());
    EXPECT_EQ(ListArchive(doc.Folders()),
              "keys\\\n"
              "           8  1970-01-01 00:00:10           1  TEX.DTX\n"
              "           4  1970-01-01 00:00:20           2  FOUR.ABCD\n"
              "           1  1970-01-01 00:00:30           3  PLAIN.DAT\n"
              "keys\\MAPS\\\n"
              "           5  1970-01-01 00:00:40           4  LEVEL.DAT\n"
              "4 files, 18 bytes\n");
    RecordingProgress progress;
    ASSERT_TRUE(doc.Extraction().ExtractArchive(nullptr, dir.Path("out"), progress));
    EXPECT_EQ(ReadWholeFile(dir.Path("out/TEX.DTX")), "texture!");
    EXPECT_EQ(ReadWholeFile(dir.Path("out/FOUR.ABCD")), "4444");
    EXPECT_EQ(ReadWholeFile(dir.Path("out/PLAIN.DAT")), "p");
    EXPECT_EQ(ReadWholeFile(dir.Path("out/MAPS/LEVEL.DAT")), "level");
    EXPECT_TRUE(host.prompts.asked.empty());
}

TEST(ItemNames, RefusesEverythingThatIsNotOneItemInside) {
    for (NameRules rules : {NameRules::Posix, NameRules::Windows}) {
        for (const char* bad : {"", ".", "..", "a/b", "a\\b", "/abs", "\\abs", "C:", "c:x.txt",
                                "..\\..\\x", "../x"}) {
            EXPECT_FALSE(IsSafeItemName(bad, rules)) << bad;
        }
        for (const char* good : {"FILE.DAT", "...x", "a..b", "Maps.rez", "x y"}) {
            EXPECT_TRUE(IsSafeItemName(good, rules)) << good;
        }
    }
    for (const char* device : {"CON", "nul", "Aux.txt", "COM1", "lpt9.dat", "CON .x", "conin$"}) {
        EXPECT_FALSE(IsSafeItemName(device, NameRules::Windows)) << device;
        EXPECT_TRUE(IsSafeItemName(device, NameRules::Posix)) << device;
    }
    for (const char* windowsOnly : {"a:b", "trailing.", "trailing ", "tab\tname"}) {
        EXPECT_FALSE(IsSafeItemName(windowsOnly, NameRules::Windows)) << windowsOnly;
    }
    EXPECT_TRUE(IsSafeItemName("COM10", NameRules::Windows));
    EXPECT_TRUE(IsSafeItemName("CONSOLE", NameRules::Windows));
}

}  // namespace
