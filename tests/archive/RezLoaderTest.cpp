#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "support/AddressSpace.h"

#include "archive/ArchiveFixture.h"
#include "archive/RezRecords.h"

namespace {

using namespace archive_test;

struct RezLoader : ArchiveFixture {
    FolderList folders;

    // Loads bytes written to name; expects refusal with the corrupted message.
    void ExpectCorrupt(const std::string& bytes, const std::string& name = "bad.rez") {
        WriteAll(dir.Path(name), bytes);
        prompts.asked.clear();
        FolderList list;
        EXPECT_FALSE(Load(dir.Path(name), list));
        EXPECT_EQ(prompts.Texts(),
                  std::vector<std::string>{"'" + name + "' appears to be corrupted!"});
    }

    // A saved archive: root > MAPS (one entry) and two root entries.
    std::string SavedSample() {
        FolderList source;
        RezFolder& root = source.Append("Untitled", nullptr);
        RezFolder& maps = source.Append("maps", &root);
        maps.time = 77;
        maps.entries.push_back(NewEntry(DiskFile("level.dat", "world"), 5, 10, 1));
        root.entries.push_back(NewEntry(DiskFile("tex.dtx", "texture"), 7, 11, 2));
        root.entries.push_back(NewEntry(DiskFile("readme", "r"), 1, 12, 3));
        EXPECT_TRUE(Save(source, dir.Path("sample.rez")));
        return ReadAll(dir.Path("sample.rez"));
    }
};

TEST_F(RezLoader, ReadsBackWhatWasSaved) {
    SavedSample();
    RecordingProgress loading;
    ASSERT_TRUE(Load(dir.Path("sample.rez"), folders, &loading));
    EXPECT_TRUE(prompts.asked.empty());
    ASSERT_EQ(folders.Size(), 2u);
    const RezFolder& root = *folders.Root();
    EXPECT_EQ(root.name, "sample");
    EXPECT_EQ(root.treeItem, kTreeRootItem);
    ASSERT_EQ(root.entries.size(), 2u);
    const RezEntry& tex = root.entries.front();
    EXPECT_EQ(tex.name, "TEX.DTX");
    EXPECT_EQ(tex.typeCode, "DTX");
    EXPECT_EQ(tex.typeName, "Texture");
    EXPECT_EQ(tex.size, 7u);
    EXPECT_EQ(tex.time, 11u);
    EXPECT_EQ(tex.identifier, 2u);
    EXPECT_EQ(tex.dataPosition, 168u);
    EXPECT_EQ(root.entries.back().name, "README");
    EXPECT_EQ(root.entries.back().typeCode, "");
    const RezFolder& maps = *folders.Last();
    EXPECT_EQ(maps.name, "MAPS");
    EXPECT_EQ(maps.parent, &root);
    EXPECT_EQ(maps.time, 77u);
    ASSERT_EQ(maps.entries.size(), 1u);
    EXPECT_EQ(maps.entries.front().name, "LEVEL.DAT");
    EXPECT_EQ(maps.entries.front().typeName, "World Data");
    EXPECT_EQ(maps.entries.front().dataPosition, 176u);
    EXPECT_EQ(header.version, 1u);
    EXPECT_EQ(header.largestFolderName, 4u);
    EXPECT_EQ(loading.line1, std::vector<std::string>{"Opening..."});
    EXPECT_EQ(loading.line2, std::vector<std::string>{"Reading Folder: MAPS"});
    EXPECT_EQ(loading.starts, 1);
}

TEST_F(RezLoader, AcceptsEveryKnownCreatorTag) {
    std::string bytes = SavedSample();
    for (const char* tag : {"ZovUru", "RezMgr", "Tarvex"}) {
        bytes.replace(2, 6, tag);
        WriteAll(dir.Path("tagged.rez"), bytes);
        FolderList list;
        EXPECT_TRUE(Load(dir.Path("tagged.rez"), list)) << tag;
        EXPECT_EQ(list.TotalEntryCount(), 3u);
    }
    EXPECT_TRUE(prompts.asked.empty());
}

TEST_F(RezLoader, RefusesOtherFilesBeforeTouchingAnything) {
    const std::string invalid = "'x.rez' does not appear to be a valid LithTech Rez File!";
    const std::string files[] = {"\r\nTarv", "", SavedSample().replace(2, 6, "Tarvez"),
                                 "PK\x03\x04 a zip file, not an archive"};
    for (const std::string& bytes : files) {
        WriteAll(dir.Path("x.rez"), bytes);
        prompts.asked.clear();
        RecordingProgress loading;
        EXPECT_FALSE(Load(dir.Path("x.rez"), folders, &loading));
        EXPECT_EQ(prompts.Texts(), std::vector<std::string>{invalid});
        EXPECT_TRUE(folders.Empty());
        EXPECT_EQ(loading.starts, 0);
    }
}

TEST_F(RezLoader, MissingFileIsReportedWithItsPath) {
    EXPECT_FALSE(Load(dir.Path("missing.rez"), folders));
    EXPECT_EQ(prompts.Texts(),
              std::vector<std::string>{"Error opening file: " + dir.Path("missing.rez")});
}

TEST_F(RezLoader, EmptyRootLoadsAsARootWithoutContent) {
    WriteAll(dir.Path("e.rez"), RawArchive(168, 0, ""));
    ASSERT_TRUE(Load(dir.Path("e.rez"), folders));
    ASSERT_EQ(folders.Size(), 1u);
    EXPECT_TRUE(folders.Root()->entries.empty());
}

TEST_F(RezLoader, LongNamesAndStoredTypeCodesReadBackComplete) {
    const std::string longName(300, 'N');
    const std::string block = EntryRecordBytes(168, 0, 0, 0, TypeField("TAD"), longName) +
                              EntryRecordBytes(168, 0, 0, 0, "DCBA", "FOUR");
    WriteAll(dir.Path("l.rez"), RawArchive(168, block.size(), block));
    ASSERT_TRUE(Load(dir.Path("l.rez"), folders));
    EXPECT_EQ(folders.Root()->entries.front().name, longName + ".DAT");
    EXPECT_EQ(folders.Root()->entries.back().name, "FOUR.ABCD");
    EXPECT_EQ(folders.Root()->entries.back().typeCode, "ABCD");
}

TEST_F(RezLoader, EntriesOfOneExtensionWithDifferentTypeCodesKeepTheirOwnTypeNames) {
    // Another tool may leave the extension in the base name and the type code empty.
    const std::string block = EntryRecordBytes(168, 0, 0, 1, Zeros(4), "ONE.DAT") +
                              EntryRecordBytes(168, 0, 0, 2, TypeField("TAD"), "TWO") +
                              EntryRecordBytes(168, 0, 0, 3, Zeros(4), "THREE.DAT");
    WriteAll(dir.Path("odd.rez"), RawArchive(168, block.size(), block));
    ASSERT_TRUE(Load(dir.Path("odd.rez"), folders));
    std::vector<std::string> codes, types;
    for (const RezEntry& entry : folders.Root()->entries) {
        codes.push_back(entry.typeCode);
        types.push_back(entry.typeName);
    }
    EXPECT_EQ(codes, (std::vector<std::string>{"", "DAT", ""}));
    EXPECT_EQ(types[1], "World Data");
    EXPECT_NE(types[0], "World Data");
    EXPECT_EQ(types[0], types[2]);
}

TEST_F(RezLoader, FolderRecordsAfterAnEntryEndTheBlock) {
    const std::string block =
        EntryRecordBytes(168, 0, 0, 0, Zeros(4), "E") + FolderRecordBytes(168, 0, 0, "LATE");
    WriteAll(dir.Path("f.rez"), RawArchive(168, block.size(), block));
    ASSERT_TRUE(Load(dir.Path("f.rez"), folders));
    EXPECT_EQ(folders.Size(), 1u);
    EXPECT_EQ(folders.Root()->entries.size(), 1u);
}

TEST_F(RezLoader, FolderNamesAreReadEvenWhenTheHeaderSaysTheLongestIsEmpty) {
    const std::string block = FolderRecordBytes(168, 0, 5, "") + FolderRecordBytes(168, 0, 6, "B");
    std::string bytes = RawArchive(168, block.size(), block);
    bytes.replace(155, 4, U32(0));  // largest folder name
    WriteAll(dir.Path("n.rez"), bytes);
    ASSERT_TRUE(Load(dir.Path("n.rez"), folders));
    ASSERT_EQ(folders.Size(), 3u);
    EXPECT_EQ(folders.Last()->name, "B");
    EXPECT_EQ(folders.Last()->time, 6u);
}

TEST_F(RezLoader, CancellingWhileFoldersAreReadEndsTheLoad) {
    std::string body;
    // Ten empty folders in the root.
    for (int i = 0; i < 10; ++i)
        body += FolderRecordBytes(168, 0, 0, std::string(1, 'F') + std::to_string(i));
    WriteAll(dir.Path("c.rez"), RawArchive(168, body.size(), body));
    RecordingProgress cancelling(3);
    EXPECT_FALSE(Load(dir.Path("c.rez"), folders, &cancelling));
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"'c.rez' appears to be corrupted!"});
    EXPECT_EQ(cancelling.polls, 4);  // the poll after Start and three folders
}

TEST_F(RezLoader, RefusesBlocksThatContainThemselves) {
    // The root block names itself as its folder's block.
    ExpectCorrupt(RawArchive(168, 18, FolderRecordBytes(168, 18, 0, "A")));
    // Two records pointing at the root: without a guard, the walk would never end.
    const std::string twice =
        FolderRecordBytes(168, 36, 0, "A") + FolderRecordBytes(168, 36, 0, "B");
    ExpectCorrupt(RawArchive(168, 36, twice));
    // Root at 186 names A at 168, whose block names the root again.
    const std::string aBlock = FolderRecordBytes(186, 18, 0, "R");
    ExpectCorrupt(RawArchive(186, 18, aBlock + FolderRecordBytes(168, 18, 0, "A")));
}

TEST_F(RezLoader, RefusesSharedBlocksThatWouldMultiplyWithoutBound) {
    // Each level's block names the next level's block twice: 2^40 visits if followed.
    const int levels = 40;
    std::string body;
    for (int level = 0; level < levels; ++level) {
        const std::uint32_t next = 168 + (level + 1) * 36;
        const std::uint32_t size = level + 1 < levels ? 36 : 0;
        body += FolderRecordBytes(next, size, 0, "X") + FolderRecordBytes(next, size, 0, "Y");
    }
    const auto start = std::chrono::steady_clock::now();
    ExpectCorrupt(RawArchive(168, 36, body));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

TEST_F(RezLoader, NestingIsCappedFarBeyondRealArchives) {
    // A chain of folders, each block naming the next one.
    auto chain = [](int depth) {
        std::string body;
        for (int level = 0; level < depth; ++level) {
            const std::uint32_t next = 168 + (level + 1) * 18;
            body += FolderRecordBytes(next, level + 1 < depth ? 18 : 0, 0, "D");
        }
        return RawArchive(168, 18, body);
    };
    WriteAll(dir.Path("deep.rez"), chain(200));
    ASSERT_TRUE(Load(dir.Path("deep.rez"), folders));
    EXPECT_EQ(folders.Size(), 201u);
    ExpectCorrupt(chain(100000));
}

TEST_F(RezLoader, RefusesPositionsAndSizesOutsideTheFile) {
    const std::string entry = EntryRecordBytes(168, 4, 0, 0, Zeros(4), "E");
    const std::uint32_t size = entry.size();
    const std::string data = "DATA";
    ExpectCorrupt(RawArchive(172 + 1000, size, data + entry));  // root block past the end
    ExpectCorrupt(RawArchive(172, size + 1, data + entry));     // root block runs past the end
    ExpectCorrupt(RawArchive(172, 0xFFFFFFFFu, data + entry));  // 4 GiB root block
    ExpectCorrupt(RawArchive(100, size, data + entry));         // inside the header
    ExpectCorrupt(
        RawArchive(172, size, data + EntryRecordBytes(170 + size, 4, 0, 0, Zeros(4), "E")));
    ExpectCorrupt(
        RawArchive(172, size, data + EntryRecordBytes(168, 0xFFFFFFFFu, 0, 0, Zeros(4), "E")));
    ExpectCorrupt(RawArchive(172, size, data + EntryRecordBytes(0, 4, 0, 0, Zeros(4), "E")));
    ExpectCorrupt(RawArchive(168, 18, FolderRecordBytes(0xFFFFFF00u, 0xFFu, 0, "A")));
    ExpectCorrupt(RawArchive(168, 18, FolderRecordBytes(168, 0xFFFFFFFFu, 0, "A")));
}

TEST_F(RezLoader, EmptyEntriesNeverLookLikeEntriesStillOnDiskNorLiePastTheEnd) {
    // Extraction and saving read every entry's range from the file, so it must lie inside.
    const std::string block = EntryRecordBytes(0, 0, 0, 0, Zeros(4), "EMPTY") +
                              EntryRecordBytes(0xFFFFFFF0u, 0, 0, 0, Zeros(4), "FAR") +
                              EntryRecordBytes(170, 0, 0, 0, Zeros(4), "INSIDE");
    WriteAll(dir.Path("z.rez"), RawArchive(168, block.size(), block));
    ASSERT_TRUE(Load(dir.Path("z.rez"), folders));
    std::vector<std::uint32_t> positions;
    for (const RezEntry& entry : folders.Root()->entries)
        positions.push_back(entry.dataPosition);
    EXPECT_EQ(positions, (std::vector<std::uint32_t>{168, 168, 170}));
}

#if !defined(_WIN32) && !defined(__SANITIZE_ADDRESS__)
// In a child process: leaves far less address space than a block of the file would take,
// loads the file and ends with 0 when it held exactly one entry named name.
[[noreturn]] void LoadWithLittleMemory(const std::string& path, const std::string& name) {
    LimitAddressSpace(256u << 20);
    FolderList list;
    RezHeader read{};
    ScriptedPrompts quiet;
    RecordingProgress loading;
    const bool ok = LoadArchive(path, read, list, loading, quiet, 0);
    std::_Exit(ok && list.TotalEntryCount() == 1 && list.Root()->entries.front().name == name ? 0
                                                                                              : 1);
}

TEST_F(RezLoader, ABlockAsLargeAsTheFileIsReadInLittleMemory) {
    // A 1 GiB file (sparse) whose root block claims all of it; one entry, then a folder record
    // that ends the block. A 32-bit program could not hold such a block whole.
    const std::uint64_t fileSize = 1ull << 30;
    const std::string block = EntryRecordBytes(168, 0, 7, 9, TypeField("TAD"), "ONLY") + U32(1);
    const std::string path = dir.Path("huge.rez");
    WriteAll(path, RawArchive(168, static_cast<std::uint32_t>(fileSize - 168), block));
    std::filesystem::resize_file(path, fileSize);
    GTEST_FLAG_SET(death_test_style, "fast");
    EXPECT_EXIT(LoadWithLittleMemory(path, "ONLY.DAT"), ::testing::ExitedWithCode(0), "");
}
#endif

TEST_F(RezLoader, RefusesTruncatedRecordsAndUnterminatedNames) {
    const std::string entry = EntryRecordBytes(168, 0, 0, 0, Zeros(4), "NAME");
    // The name runs to the end of the file without its terminator.
    const std::string cut = entry.substr(0, entry.size() - 2);
    ExpectCorrupt(RawArchive(168, cut.size(), cut));
    // The block ends inside a record.
    ExpectCorrupt(RawArchive(168, 20, entry));
    // A header cut short.
    ExpectCorrupt(RawArchive(168, 0, "").substr(0, 150));
    // A name longer than any file name may be, though the block holds its terminator.
    const std::string endless = EntryRecordBytes(168, 0, 0, 0, Zeros(4), std::string(40000, 'N'));
    ExpectCorrupt(RawArchive(168, endless.size(), endless));
    // A description that runs to the end of the block.
    const std::string described = EntryRecordBytes(168, 0, 0, 0, Zeros(4), "NAME", "TEXT");
    ExpectCorrupt(RawArchive(168, described.size() - 1, described));
    // Key values that the block ends inside of, or that no block could hold.
    const std::string keyed = EntryRecordBytes(168, 0, 0, 0, Zeros(4), "NAME", "", {1, 2});
    ExpectCorrupt(RawArchive(168, keyed.size() - 2, keyed));
    ExpectCorrupt(RawArchive(168, keyed.size(), std::string(keyed).replace(24, 4, U32(~0u))));
}

TEST_F(RezLoader, KeyCountsAreCappedFarBeyondRealArchives) {
    // The block holds every key value; past the cap they are refused all the same.
    const auto keyed = [](std::uint32_t count) {
        const std::string record = EntryRecordBytes(168, 0, 0, 0, Zeros(4), "MANY", "",
                                                    std::vector<std::uint32_t>(count, 5));
        return RawArchive(168, record.size(), record);
    };
    WriteAll(dir.Path("many.rez"), keyed(kMostKeys));
    ASSERT_TRUE(Load(dir.Path("many.rez"), folders));
    EXPECT_EQ(folders.Root()->entries.front().extras.Keys().size(), kMostKeys);
    ExpectCorrupt(keyed(kMostKeys + 1));
}

TEST_F(RezLoader, EveryTruncationAndByteChangeOfAnArchiveEndsCleanly) {
    const std::string bytes = SavedSample();
    // The index lies at the end: every cut loses part of it, and says so.
    for (std::size_t length = 8; length < bytes.size(); ++length) {
        WriteAll(dir.Path("t.rez"), bytes.substr(0, length));
        prompts.asked.clear();
        FolderList list;
        EXPECT_FALSE(Load(dir.Path("t.rez"), list)) << length;
        EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"'t.rez' appears to be corrupted!"})
            << length;
    }
    for (std::size_t at = 127; at < bytes.size(); ++at) {
        for (unsigned char value : {0x00, 0x01, 0x7F, 0xFF}) {
            std::string changed = bytes;
            changed[at] = static_cast<char>(value);
            WriteAll(dir.Path("m.rez"), changed);
            FolderList list;
            if (Load(dir.Path("m.rez"), list)) {
                list.ForEach([&](const RezFolder& folder) {
                    for (const RezEntry& entry : folder.entries) {
                        EXPECT_LE(std::uint64_t(entry.dataPosition) + entry.size, changed.size());
                    }
                });
            }
        }
    }
}

}  // namespace
