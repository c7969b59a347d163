// Byte layouts the saver produces, checked against bytes built independently of the encoder.
#include <gtest/gtest.h>

#include "archive/ArchiveFixture.h"
#include "archive/TextBlock.h"

namespace {

using namespace archive_test;

using RezFormat = ArchiveFixture;

// Every archive starts with the program's text block, spelled out in the support library.
std::string TarvexText() {
    return support::kArchiveTextBlock;
}

TEST(TextBlock, MatchesTheResourceTemplateAndItsLayout) {
    const std::string block = ArchiveTextBlock();
    ASSERT_EQ(block.size(), 127u);
    EXPECT_EQ(block, TarvexText());
    EXPECT_EQ(ReadAll(TARVEX_RESOURCES_DIR "/tarvex/TextBlock.bin"), TarvexText());
}

TEST_F(RezFormat, EmptyRootIs168Bytes) {
    FolderList folders;
    folders.Append("Untitled", nullptr);
    ASSERT_TRUE(Save(folders, dir.Path("empty.rez")));
    EXPECT_EQ(ReadAll(dir.Path("empty.rez")), TarvexText() + HeaderBytes(168, 0, 168, 0, 0));
    EXPECT_TRUE(prompts.asked.empty());
}

TEST_F(RezFormat, WorkedExampleOfOneEntryIs204Bytes) {
    FolderList folders;
    folders.Append("Untitled", nullptr)
        .entries.push_back(NewEntry(DiskFile("a.dat", "HELLO"), 5, 0x11223344, 7));
    ASSERT_TRUE(Save(folders, dir.Path("one.rez")));
    const std::string expected = TarvexText() + HeaderBytes(173, 31, 173, 0, 5) + "HELLO" +
                                 EntryRecordBytes(168, 5, 0x11223344, 7, TypeField("TAD"), "A");
    ASSERT_EQ(expected.size(), 204u);
    EXPECT_EQ(ReadAll(dir.Path("one.rez")), expected);
    // The document now points into the new file.
    const RezEntry& entry = folders.Root()->entries.front();
    EXPECT_EQ(entry.dataPosition, 168u);
    EXPECT_EQ(entry.name, "A.DAT");
    EXPECT_EQ(folders.Root()->directoryPosition, 173u);
    EXPECT_EQ(folders.Root()->directorySize, 31u);
    EXPECT_EQ(header.rootDirectoryPosition, 173u);
    EXPECT_EQ(header.largestEntryName, 5u);
    EXPECT_EQ(header.sortedFlag, 1u);
}

TEST_F(RezFormat, NestedFoldersWriteDataInListOrderAndBlocksInReverse) {
    // Root > A > B; A and B hold one entry each.
    FolderList folders;
    RezFolder& root = folders.Append("Untitled", nullptr);
    RezFolder& a = folders.Append("a", &root);
    a.time = 100;
    RezFolder& b = folders.Append("B", &a);
    b.time = 200;
    a.entries.push_back(NewEntry(DiskFile("x.dtx", "xx"), 2, 1, 1));
    b.entries.push_back(NewEntry(DiskFile("yy.spr", "yyy"), 3, 2, 2));
    ASSERT_TRUE(Save(folders, dir.Path("nested.rez")));

    const std::string bBlock = EntryRecordBytes(170, 3, 2, 2, TypeField("RPS"), "YY");
    const std::uint32_t bAt = 173;
    const std::string aBlock = FolderRecordBytes(bAt, bBlock.size(), 200, "B") +
                               EntryRecordBytes(168, 2, 1, 1, TypeField("XTD"), "X");
    const std::uint32_t aAt = bAt + 2 * bBlock.size();
    const std::string rootBlock = FolderRecordBytes(aAt, aBlock.size(), 100, "A");
    const std::uint32_t rootAt = aAt + 2 * aBlock.size();
    const std::string expected = TarvexText() + HeaderBytes(rootAt, rootBlock.size(), 173, 1, 6) +
                                 "xx" + "yyy" + bBlock + Zeros(bBlock.size()) + aBlock +
                                 Zeros(aBlock.size()) + rootBlock;
    EXPECT_EQ(ReadAll(dir.Path("nested.rez")), expected);
    EXPECT_EQ(a.name, "A");
    EXPECT_EQ(a.directoryPosition, aAt);
    EXPECT_EQ(b.directorySize, bBlock.size());
}

TEST_F(RezFormat, SiblingsAreIndexedLastFirstAndNamedInListOrder) {
    FolderList folders;
    RezFolder& root = folders.Append("Untitled", nullptr);
    folders.Append("A", &root);
    folders.Append("B", &root);
    ASSERT_TRUE(Save(folders, dir.Path("two.rez")));
    // Empty blocks: B's and A's take no bytes, so both sit at 168.
    const std::string rootBlock =
        FolderRecordBytes(168, 0, 0, "A") + FolderRecordBytes(168, 0, 0, "B");
    EXPECT_EQ(ReadAll(dir.Path("two.rez")),
              TarvexText() + HeaderBytes(168, rootBlock.size(), 168, 1, 0) + rootBlock);
}

TEST_F(RezFormat, FolderRecordsFollowListOrderAfterAMove) {
    FolderList folders;
    RezFolder& root = folders.Append("Untitled", nullptr);
    RezFolder& a = folders.Append("A", &root);
    RezFolder& other = folders.Append("O", &root);
    RezFolder& b = folders.Append("B", &other);
    ASSERT_TRUE(folders.MoveFolder(&b, &root));  // list order now: root, B, A, O
    (void)a;
    ASSERT_TRUE(Save(folders, dir.Path("moved.rez")));
    const std::string rootBlock = FolderRecordBytes(168, 0, 0, "B") +
                                  FolderRecordBytes(168, 0, 0, "A") +
                                  FolderRecordBytes(168, 0, 0, "O");
    EXPECT_EQ(ReadAll(dir.Path("moved.rez")).substr(168), rootBlock);
}

TEST_F(RezFormat, NamesTypeFieldsAndBaseNames) {
    FolderList folders;
    RezFolder& root = folders.Append("Untitled", nullptr);
    const char* names[] = {"readme", "file.", "tex.abcd", "long.abcde", ".dat"};
    for (const char* name : names)
        root.entries.push_back(NewEntry(DiskFile(name, "z"), 1, 0, 0));
    ASSERT_TRUE(Save(folders, dir.Path("names.rez")));
    std::string block;
    std::uint32_t at = 168;
    block += EntryRecordBytes(at++, 1, 0, 0, Zeros(4), "README");
    block += EntryRecordBytes(at++, 1, 0, 0, Zeros(4), "FILE");
    block += EntryRecordBytes(at++, 1, 0, 0, TypeField("DCBA"), "TEX");
    block += EntryRecordBytes(at++, 1, 0, 0, Zeros(4), "LONG.ABCDE");
    block += EntryRecordBytes(at++, 1, 0, 0, Zeros(4), ".DAT");
    EXPECT_EQ(ReadAll(dir.Path("names.rez")).substr(173), block);
    EXPECT_EQ(header.largestEntryName, 10u);

    FolderList loaded;
    ASSERT_TRUE(Load(dir.Path("names.rez"), loaded));
    std::vector<std::string> read;
    for (const RezEntry& entry : loaded.Root()->entries)
        read.push_back(entry.name);
    EXPECT_EQ(read, (std::vector<std::string>{"README", "FILE", "TEX.ABCD", "LONG.ABCDE", ".DAT"}));
}

TEST_F(RezFormat, EveryNameReadsBackAsSaved) {
    // Loaded names whose type field does not match their base name, and a renamed entry whose
    // type code still names its old extension.
    std::string block;
    block += EntryRecordBytes(168, 0, 0, 0, TypeField("\x07"), "");
    block += EntryRecordBytes(168, 0, 0, 0, Zeros(4), "A.B");
    block += EntryRecordBytes(168, 0, 0, 0, TypeField("B."), "C");
    block += EntryRecordBytes(168, 0, 0, 0, TypeField("XTD"), "OLD");
    const std::string source = dir.Path("odd.rez");
    WriteAll(source, RawArchive(168, static_cast<std::uint32_t>(block.size()), block));
    FolderList folders;
    ASSERT_TRUE(Load(source, folders));
    FolderList::RenameItem(folders.Root()->entries.back(), "NEW.TXT");
    ASSERT_TRUE(Save(folders, dir.Path("saved.rez"), source));

    FolderList loaded;
    ASSERT_TRUE(Load(dir.Path("saved.rez"), loaded));
    std::vector<std::string> read;
    for (const RezEntry& entry : loaded.Root()->entries)
        read.push_back(entry.name);
    EXPECT_EQ(read, (std::vector<std::string>{".\x07", "A.B", "C..B", "NEW.TXT"}));
}

TEST_F(RezFormat, DescriptionsAndKeysOfOtherWritersReadAndSaveBackUnchanged) {
    const std::string bytes = ArchiveWithKeysAndDescriptions();
    const std::string source = dir.Path("keys.rez");
    WriteAll(source, bytes);
    FolderList folders;
    ASSERT_TRUE(Load(source, folders));
    struct Read {
        std::string name, data, description;
        std::vector<std::uint32_t> keys;
        bool operator==(const Read&) const = default;
    };
    std::vector<Read> read;
    folders.ForEach([&](const RezFolder& folder) {
        for (const RezEntry& entry : folder.entries) {
            const auto keys = entry.extras.Keys();
            read.push_back({entry.name,
                            bytes.substr(entry.dataPosition, entry.size),
                            std::string(entry.extras.Description()),
                            {keys.begin(), keys.end()}});
        }
    });
    const std::vector<Read> expected = {{"TEX.DTX", "texture!", "wall texture", {7, 0xDEADBEEF}},
                                        {"FOUR.ABCD", "4444", "", {0x01020304}},
                                        {"PLAIN.DAT", "p", "", {}},
                                        {"LEVEL.DAT", "level", "first level", {}}};
    EXPECT_EQ(read, expected);

    ASSERT_TRUE(Save(folders, dir.Path("saved.rez"), source));
    EXPECT_EQ(ReadAll(dir.Path("saved.rez")), bytes);
}

}  // namespace
