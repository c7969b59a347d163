#include <gtest/gtest.h>

#include <sstream>

#include "AppTestHost.h"
#include "app/ArchiveEditor.h"
#include "platform/filesystem/FileSystem.h"

#if !defined(_WIN32)
#include "platform/posix/IconvNames.h"
#endif

namespace {

struct ArchiveEditorTest : ::testing::Test {
    AppTestHost host;
    CTarvexDoc doc{host};
    TempDir dir;
    RecordingProgress progress;
    ArchiveEditor editor{doc, progress};
    std::string error;

    bool Run(const std::vector<std::string>& words) { return editor.Run(words, error); }
    std::vector<std::string> Paths() const {
        std::vector<std::string> paths;
        doc.Folders().ForEach([&](const RezFolder& folder) {
            const std::string at = doc.Folders().FolderPath(&folder, false);
            paths.push_back(folder.parent ? at + "\\" : "\\");
            for (const RezEntry& entry : folder.entries)
                paths.push_back((folder.parent ? at + "\\" : "") + ItemNameOf(entry));
        });
        return paths;
    }
};

TEST(ScriptLines, BlanksSeparateAndQuotesGroup) {
    using Words = std::vector<std::string>;
    EXPECT_EQ(SplitScriptLine("  move  a\tb  "), (Words{"move", "a", "b"}));
    EXPECT_EQ(SplitScriptLine("rename \"Sound FX/bang 2.wav\" \"\""),
              (Words{"rename", "Sound FX/bang 2.wav", ""}));
    EXPECT_EQ(SplitScriptLine("add x\"y z\"w"), (Words{"add", "xy zw"}));
    EXPECT_EQ(SplitScriptLine(""), Words{});
    EXPECT_FALSE(SplitScriptLine("add \"unclosed"));
}

TEST_F(ArchiveEditorTest, MkdirMakesEveryLevelOnceWhateverTheCaseOrSeparator) {
    ASSERT_TRUE(Run({"mkdir", "Worlds/Multi\\DM"}));
    ASSERT_TRUE(Run({"mkdir", "/WORLDS/multi/"}));
    EXPECT_EQ(Paths(), (std::vector<std::string>{"\\", "Worlds\\", "Worlds\\Multi\\",
                                                 "Worlds\\Multi\\DM\\"}));
    EXPECT_FALSE(Run({"mkdir", "Worlds/../x"}));
    EXPECT_EQ(error, "no folder may be named ..");
}

TEST_F(ArchiveEditorTest, AddPutsFilesFirstThenTreesBelowTheFolder) {
    const std::string loose = dir.Write("loose.txt", "l");
    dir.Write("Maps/m.dat", "m");
    ASSERT_TRUE(Run({"add", "Worlds/Multi", dir.Path("Maps"), loose})) << error;
    EXPECT_EQ(Paths(), (std::vector<std::string>{
                           "\\", "Worlds\\", "Worlds\\Multi\\", "Worlds\\Multi\\loose.txt",
                           "Worlds\\Multi\\Maps\\", "Worlds\\Multi\\Maps\\m.dat"}));
    EXPECT_FALSE(Run({"add", "/", dir.Path("missing.txt")}));
    EXPECT_EQ(error, "not every file could be added");
}

TEST_F(ArchiveEditorTest, AddAnsweredCancelFails) {
    const std::string file = dir.Write("a.txt", "a");
    ASSERT_TRUE(Run({"add", "", file}));
    host.prompts.answers = {PromptAnswer::Cancel};
    EXPECT_FALSE(Run({"add", "", file}));
    EXPECT_EQ(error, "cancelled");
}

TEST_F(ArchiveEditorTest, RenameFollowsTheNameAndRefusesClashesAndTheRoot) {
    Run({"add", "Maps", dir.Write("a.txt", "a"), dir.Write("b.txt", "b")});
    ASSERT_TRUE(Run({"rename", "maps/A.TXT", "level.dat"}));
    const RezEntry& renamed = *doc.Editing().FindItemNamed("Maps/level.dat")->entry;
    EXPECT_EQ(renamed.typeName, "World Data");
    EXPECT_FALSE(Run({"rename", "Maps/b.txt", "LEVEL.DAT"}));
    EXPECT_FALSE(Run({"rename", "Maps/b.txt", "sub/b.txt"}));
    EXPECT_FALSE(Run({"rename", "/", "x"}));
    EXPECT_FALSE(Run({"rename", "Maps/none.txt", "x"}));
    EXPECT_EQ(error, "no such item: Maps/none.txt");
    ASSERT_TRUE(Run({"rename", "MAPS", "Worlds"}));
    EXPECT_EQ(Paths(),
              (std::vector<std::string>{"\\", "Worlds\\", "Worlds\\level.dat", "Worlds\\b.txt"}));
}

TEST_F(ArchiveEditorTest, DeleteTakesEntriesAndWholeFoldersInAnyOrder) {
    Run({"mkdir", "A/B/C"});
    Run({"add", "A/B", dir.Write("x.txt", "x")});
    Run({"add", "", dir.Write("y.txt", "y"), dir.Write("z.txt", "z")});
    // A folder after its own subfolder, an entry inside a deleted folder, the same item twice.
    ASSERT_TRUE(Run({"delete", "a/b/c", "A", "a/b/x.txt", "y.txt", "y.txt"})) << error;
    EXPECT_EQ(Paths(), (std::vector<std::string>{"\\", "z.txt"}));
    EXPECT_FALSE(Run({"delete", "z.txt", "nothing"}));
    EXPECT_EQ(Paths(), (std::vector<std::string>{"\\", "z.txt"}));
    ASSERT_TRUE(Run({"delete", "/"}));
    EXPECT_EQ(Paths(), (std::vector<std::string>{"\\"}));
}

TEST_F(ArchiveEditorTest, MoveTakesEntriesOfSeveralFoldersAndRefusesAFolderBelowItself) {
    Run({"mkdir", "A/B"});
    Run({"mkdir", "T"});
    Run({"add", "A", dir.Write("a.txt", "a")});
    Run({"add", "", dir.Write("r.txt", "r")});
    ASSERT_TRUE(Run({"move", "A/a.txt", "r.txt", "a/b", "t"})) << error;
    EXPECT_EQ(Paths(),
              (std::vector<std::string>{"\\", "T\\", "T\\a.txt", "T\\r.txt", "T\\B\\", "A\\"}));
    EXPECT_FALSE(Run({"move", "T", "T/B"}));
    EXPECT_FALSE(Run({"move", "T", "T"}));
    EXPECT_FALSE(Run({"move", "T/a.txt", "T/r.txt"}));
    EXPECT_EQ(error, "not a folder: T/r.txt");
    EXPECT_FALSE(Run({"move", "/", "A"}));
}

TEST_F(ArchiveEditorTest, UnknownCommandsAndWrongArgumentCountsFail) {
    EXPECT_FALSE(Run({"copy", "a", "b"}));
    EXPECT_EQ(error, "unknown command");
    EXPECT_FALSE(Run({"rename", "a"}));
    EXPECT_EQ(error, "usage: rename ITEM NEWNAME");
    EXPECT_FALSE(Run({"mkdir", "a", "b"}));
    EXPECT_FALSE(Run({"move", "a"}));
    EXPECT_FALSE(Run({}));
}

TEST_F(ArchiveEditorTest, AScriptSkipsCommentsAndStopsAtTheFirstFailureWithItsLine) {
    std::istringstream script(
        "# a map pack\n"
        "\n"
        "mkdir Worlds\r\n"
        "   # indented comment\n"
        "mkdir \"Sound FX\"\n"
        "move Worlds \"Sound FX\"\n"
        "move nothing Worlds\n"
        "mkdir never\n");
    const std::optional<ScriptFailure> failure = RunEditScript(editor, script);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->line, 7);
    EXPECT_EQ(failure->command, "move nothing Worlds");
    EXPECT_EQ(failure->error, "no such item: nothing");
    EXPECT_EQ(Paths(), (std::vector<std::string>{"\\", "Sound FX\\", "Sound FX\\Worlds\\"}));

    std::istringstream quote("mkdir ok\nmkdir \"open\n");
    const std::optional<ScriptFailure> unclosed = RunEditScript(editor, quote);
    ASSERT_TRUE(unclosed);
    EXPECT_EQ(unclosed->line, 2);
    EXPECT_EQ(unclosed->error, "a double quote is not closed");
}

TEST_F(ArchiveEditorTest, AMissingArchiveStartsEmptyAndAnUnreadableOneIsNotReplaced) {
    ASSERT_TRUE(OpenForEditing(doc, dir.Path("new pack.rez")));
    EXPECT_EQ(doc.Root()->name, "new pack");
    EXPECT_EQ(doc.ArchivePath(), dir.Path("new pack.rez"));
    EXPECT_EQ(doc.Folders().Size(), 1u);
    const std::string bogus = dir.Write("bogus.rez", "not an archive");
    EXPECT_FALSE(OpenForEditing(doc, bogus));
}

TEST_F(ArchiveEditorTest, WhatNoCommandTouchedKeepsItsIdentifiersAndTimes) {
    Run({"add", "Maps", dir.Write("a.dat", "aaa"), dir.Write("b.dat", "bb")});
    RezFolder* maps = doc.Editing().FindItemNamed("Maps")->folder;
    maps->time = 123456;
    maps->entries.front().identifier = 4242;
    maps->entries.front().time = 654321;
    host.prompts.saveFiles.push_back(dir.Path("kept.rez"));
    doc.FileSaveAs();
    doc.FinishJobs();

    CTarvexDoc edited(host);
    ASSERT_TRUE(OpenForEditing(edited, dir.Path("kept.rez")));
    ArchiveEditor second(edited, progress);
    ASSERT_TRUE(second.Run({"rename", "maps/b.dat", "c.dat"}, error));
    edited.FileSave();
    edited.FinishJobs();
    ASSERT_FALSE(edited.IsModified());

    CTarvexDoc reopened(host);
    ASSERT_TRUE(OpenForEditing(reopened, dir.Path("kept.rez")));
    const RezFolder* kept = reopened.Editing().FindItemNamed("MAPS")->folder;
    EXPECT_EQ(kept->time, 123456u);
    ASSERT_EQ(EntryNames(*kept), (std::vector<std::string>{"A.DAT", "C.DAT"}));
    EXPECT_EQ(kept->entries.front().identifier, 4242u);
    EXPECT_EQ(kept->entries.front().time, 654321u);
    EXPECT_EQ(kept->entries.back().identifier, 10000001u);
    BinaryFile data;
    ASSERT_TRUE(data.Create(dir.Path("a.out")));
    ASSERT_TRUE(reopened.Extraction().CopyEntryTo(kept->entries.front(), data));
    data.Close();
    EXPECT_EQ(ReadWholeFile(dir.Path("a.out")), "aaa");
}

#if !defined(_WIN32)
TEST(CodePages, WindowsLatinRoundTripsAndNamesWithoutAFormAreRefused) {
    std::string error;
    const std::unique_ptr<IconvNames> names = IconvNames::ForCodePage(1252, error);
    ASSERT_TRUE(names) << error;
    std::string archive, disk;
    ASSERT_TRUE(
        names->ToArchive("caf\xC3\xA9 stra\xC3\x9F"
                         "e \xE2\x82\xAC.dat",
                         archive));
    EXPECT_EQ(archive,
              "caf\xE9 stra\xDF"
              "e \x80.dat");
    ASSERT_TRUE(names->ToDisk(archive, disk));
    EXPECT_EQ(disk,
              "caf\xC3\xA9 stra\xC3\x9F"
              "e \xE2\x82\xAC.dat");
    EXPECT_FALSE(names->ToArchive("\xCE\xA9mega.txt", archive));  // Greek capital omega
    EXPECT_FALSE(names->ToArchive("bad \xC3", archive));          // cut-off UTF-8
    EXPECT_FALSE(names->ToDisk("\x81", disk));                    // no character in 1252
    EXPECT_EQ(names->Shown("\x81x"), "\x81x");

    EXPECT_FALSE(IconvNames::ForCodePage(99999, error));
    EXPECT_EQ(error, "code page 99999 is not known");
    EXPECT_FALSE(IconvNames::ForCodePage(932, error));
    EXPECT_NE(error.find("double-byte"), std::string::npos);
}

// The document with names in code page 1252 and UTF-8 on disk.
struct CodePageHost : AppTestHost {
    std::unique_ptr<IconvNames> names;
    CodePageHost() {
        std::string error;
        names = IconvNames::ForCodePage(1252, error);
    }
    const NameCodec& Names() override { return *names; }
};

TEST(CodePages, AddingStoresAnsiAndExtractionWritesUtf8) {
    CodePageHost host;
    CTarvexDoc doc(host);
    TempDir dir;
    RecordingProgress progress;
    dir.Write("Cartes/\xC3\x89t\xC3\xA9/n\xC3\xAEme.dat", "nimes");
    dir.Write("Cartes/\xCE\xA9.txt", "omega");
    doc.Adding().AddFolder(dir.Path("Cartes"), nullptr, true, progress);
    EXPECT_EQ(host.prompts.Texts(),
              std::vector<std::string>{"Error adding: " + dir.Path("Cartes/\xCE\xA9.txt")});
    const std::optional<ArchiveItem> item =
        doc.Editing().FindItemNamed("cartes/\xC3\x89T\xC3\xA9/N\xC3\xAEME.DAT");
    ASSERT_TRUE(item && item->entry);
    EXPECT_EQ(item->folder->name, "\xC9t\xE9");
    EXPECT_EQ(ItemNameOf(*item->entry), "n\xEEme.dat");

    host.prompts.saveFiles.push_back(dir.Path("fr.rez"));
    doc.FileSaveAs();
    doc.FinishJobs();
    ASSERT_FALSE(doc.IsModified());
    EXPECT_NE(ReadWholeFile(dir.Path("fr.rez")).find(std::string("N\xEEME\0", 5)),
              std::string::npos);
    ASSERT_TRUE(doc.Extraction().ExtractArchive(nullptr, dir.Path("out"), progress));
    EXPECT_EQ(ReadWholeFile(dir.Path("out/CARTES/\xC3\x89T\xC3\xA9/N\xC3\xAEME.DAT")), "nimes");

    // A name the disk's text cannot hold is refused like an unsafe one.
    item->folder->entries.front().name = "\x81.DAT";
    host.prompts.asked.clear();
    EXPECT_FALSE(doc.Extraction().ExtractArchive(nullptr, dir.Path("out2"), progress));
    EXPECT_EQ(host.prompts.Texts(),
              std::vector<std::string>{"Extraction error on file: " +
                                       dir.Path("out2/CARTES/\xC3\x89T\xC3\xA9/\x81.DAT") + "\n!"});
}
#endif

}  // namespace
