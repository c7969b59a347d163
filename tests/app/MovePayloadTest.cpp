#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/AppTestHost.h"
#include "app/MovePayload.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

// Every folder path with its entry names, in folder-list order: what a refused payload must
// leave exactly as it was.
std::vector<std::string> Layout(const CTarvexDoc& doc) {
    std::vector<std::string> lines;
    doc.Folders().ForEach([&](const RezFolder& folder) {
        std::string line = doc.Folders().FolderPath(&folder, true) + ":";
        for (const RezEntry& entry : folder.entries)
            line += " " + entry.name;
        lines.push_back(line);
    });
    return lines;
}

void PutLittleEndian(Bytes& out, std::uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<std::uint8_t>((value >> (8 * i)) & 0xFF));
}

// A reference as the payload names it: the serial below bit 40, the program's tag above.
std::uint64_t Expected(const ItemSerial& serial) {
    return (std::uint64_t{InstanceTag()} << 40) | serial.Value();
}

struct MovePayloadTest : ::testing::Test {
    AppTestHost host;
    CTarvexDoc doc{host};
    RezFolder* maps = nullptr;   // MAPS with DM and an entry
    RezFolder* dm = nullptr;     // MAPS\DM
    RezFolder* skins = nullptr;  // Skins with three entries
    RezFolder* empty = nullptr;  // Empty

    RezEntry& AddEntry(RezFolder* folder, const std::string& name) {
        RezEntry entry;
        entry.name = name;
        entry.dataPosition = 100;
        folder->entries.push_back(entry);
        return folder->entries.back();
    }

    void SetUp() override {
        doc.NewDocument();
        maps = doc.Adding().FindOrCreateSubfolder("MAPS", nullptr);
        dm = doc.Adding().FindOrCreateSubfolder("DM", maps);
        skins = doc.Adding().FindOrCreateSubfolder("Skins", nullptr);
        empty = doc.Adding().FindOrCreateSubfolder("Empty", nullptr);
        AddEntry(maps, "m1.dat");
        AddEntry(skins, "a.dtx");
        AddEntry(skins, "b.dtx");
        AddEntry(skins, "c.dtx");
        doc.SetModified(false);
        host.viewUpdates = 0;
    }

    RezEntry* SkinEntry(int index) { return &*std::next(skins->entries.begin(), index); }

    PayloadVerdict Apply(const Bytes& payload, RezFolder* target) {
        return ApplyMovePayload(doc, payload.data(), payload.size(), target);
    }

    // Applies a payload that must be refused, and checks that nothing was touched.
    void ExpectRefused(const Bytes& payload, RezFolder* target, PayloadVerdict why) {
        const std::vector<std::string> before = Layout(doc);
        EXPECT_EQ(Apply(payload, target), why);
        EXPECT_EQ(Layout(doc), before);
        EXPECT_FALSE(doc.IsModified());
        EXPECT_EQ(host.viewUpdates, 0);
    }
};

TEST_F(MovePayloadTest, TheTreePayloadIsOneFolderAndANullSource) {
    Bytes expected = {9, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0};
    PutLittleEndian(expected, Expected(dm->serial), 8);
    PutLittleEndian(expected, 0, 8);
    EXPECT_EQ(EncodeFolderPayload(dm), expected);
    EXPECT_EQ(expected.size(), 28u);
}

TEST_F(MovePayloadTest, TheListPayloadHoldsFoldersThenTheSourceThenEntries) {
    const Bytes payload = EncodeSelectionPayload({dm}, maps, {&maps->entries.front()});
    Bytes expected = {9, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0};
    PutLittleEndian(expected, Expected(dm->serial), 8);
    PutLittleEndian(expected, Expected(maps->serial), 8);
    PutLittleEndian(expected, Expected(maps->entries.front().serial), 8);
    EXPECT_EQ(payload, expected);
    // Serials of different records differ, and the tag fills the upper 24 bits only.
    EXPECT_NE(dm->serial.Value(), maps->serial.Value());
    EXPECT_NE(InstanceTag(), 0u);
    EXPECT_LT(InstanceTag(), 1u << 24);
}

TEST_F(MovePayloadTest, AListPayloadMovesFoldersAndEntriesIntoTheTarget) {
    const Bytes payload = EncodeSelectionPayload({dm}, maps, {&maps->entries.front()});
    EXPECT_EQ(Apply(payload, skins), PayloadVerdict::Moved);
    // A new folder stands right after its parent, and so does a moved one.
    EXPECT_EQ(Layout(doc), (std::vector<std::string>{"Untitled:", "Untitled\\Empty:",
                                                     "Untitled\\Skins: a.dtx b.dtx c.dtx m1.dat",
                                                     "Untitled\\Skins\\DM:", "Untitled\\MAPS:"}));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(host.viewUpdates, 1);
}

TEST_F(MovePayloadTest, EntriesOfFurtherFoldersFollowAZeroAndTheirFolderAndMoveFromThere) {
    RezEntry* m1 = &maps->entries.front();
    const PayloadItems found{{}, skins, {{skins, {SkinEntry(0), SkinEntry(2)}}, {maps, {m1}}}};
    const Bytes payload = EncodePayload(found);
    Bytes expected = {9, 0, 0, 0, 0, 0, 0, 0, 3, 0, 0, 0};
    for (const ItemSerial* serial : {&skins->serial, &SkinEntry(0)->serial, &SkinEntry(2)->serial})
        PutLittleEndian(expected, Expected(*serial), 8);
    PutLittleEndian(expected, 0, 8);
    PutLittleEndian(expected, Expected(maps->serial), 8);
    PutLittleEndian(expected, Expected(m1->serial), 8);
    EXPECT_EQ(payload, expected);
    // Into one of their own folders: its entries go to its tail, the others join them.
    EXPECT_EQ(Apply(payload, skins), PayloadVerdict::Moved);
    EXPECT_EQ(EntryNames(*skins), (std::vector<std::string>{"b.dtx", "a.dtx", "c.dtx", "m1.dat"}));
    EXPECT_TRUE(maps->entries.empty());
    EXPECT_EQ(host.viewUpdates, 1);
}

TEST_F(MovePayloadTest, AFolderThatSeveralGroupsNameMakesOneGroupInTheirOrder) {
    RezEntry* m1 = &maps->entries.front();
    const Bytes payload = EncodePayload(
        {{}, skins, {{skins, {SkinEntry(2)}}, {maps, {m1}}, {skins, {SkinEntry(0)}}}});
    const std::optional<ResolvedMove> move =
        DecodeMovePayload(payload.data(), payload.size(), doc.Folders());
    ASSERT_TRUE(move);
    ASSERT_EQ(move->groups.size(), 2u);
    EXPECT_EQ(move->groups[0].source, skins);
    EXPECT_EQ(move->groups[0].entries, (std::vector<RezEntry*>{SkinEntry(2), SkinEntry(0)}));
    EXPECT_EQ(move->groups[1].source, maps);
    EXPECT_EQ(move->groups[1].entries, (std::vector<RezEntry*>{m1}));
}

TEST_F(MovePayloadTest, AFurtherFolderIsCheckedAsTheSourceIs) {
    RezEntry* m1 = &maps->entries.front();
    RezEntry* same = &AddEntry(dm, "A.DTX");
    doc.SetModified(false);
    ExpectRefused(EncodePayload({{}, skins, {{skins, {SkinEntry(0)}}, {maps, {SkinEntry(1)}}}}),
                  empty, PayloadVerdict::Gone);
    ExpectRefused(EncodePayload({{}, skins, {{skins, {SkinEntry(0)}}, {nullptr, {m1}}}}), empty,
                  PayloadVerdict::NullFolder);
    ExpectRefused(EncodePayload({{}, skins, {{skins, {SkinEntry(0)}}, {dm, {same}}}}), empty,
                  PayloadVerdict::NameTaken);
    const Bytes whole = EncodePayload({{}, skins, {{skins, {SkinEntry(0)}}, {maps, {m1}}}});
    ExpectRefused(Bytes(whole.begin(), whole.end() - 8), empty, PayloadVerdict::Malformed);
}

TEST_F(MovePayloadTest, ATreePayloadMovesItsFolderAndANullTargetIsTheRoot) {
    EXPECT_EQ(Apply(EncodeFolderPayload(dm), nullptr), PayloadVerdict::Moved);
    EXPECT_EQ(dm->parent, doc.Root());
    EXPECT_TRUE(maps->subfolders.empty());
}

TEST_F(MovePayloadTest, EntriesDroppedOnTheirOwnFolderGoToItsTail) {
    EXPECT_EQ(Apply(EncodeSelectionPayload({}, skins, {SkinEntry(0)}), skins),
              PayloadVerdict::Moved);
    EXPECT_EQ(EntryNames(*skins), (std::vector<std::string>{"b.dtx", "c.dtx", "a.dtx"}));
}

TEST_F(MovePayloadTest, MoreThan255EntriesMoveInTheirOrder) {
    std::vector<const RezEntry*> selected;
    std::vector<std::string> names;
    for (int i = 0; i < 300; ++i) {
        names.push_back(std::to_string(i) + ".dat");
        selected.push_back(&AddEntry(empty, names.back()));
    }
    const Bytes payload = EncodeSelectionPayload({}, empty, selected);
    ASSERT_EQ(payload.size(), 12u + 8u + 300u * 8u);
    EXPECT_EQ(payload[8], 300 & 0xFF);
    EXPECT_EQ(payload[9], 300 >> 8);
    EXPECT_EQ(Apply(payload, dm), PayloadVerdict::Moved);
    EXPECT_EQ(EntryNames(*dm), names);
    EXPECT_TRUE(empty->entries.empty());
}

TEST_F(MovePayloadTest, APayloadFromAnotherInstanceIsRefused) {
    Bytes payload = EncodeSelectionPayload({dm}, maps, {&maps->entries.front()});
    // The same serials under another program's tag: its records count the same way ours do.
    for (std::size_t at : {12u + 7u, 20u + 7u, 28u + 7u})
        payload[at] ^= 0x5A;
    ExpectRefused(payload, skins, PayloadVerdict::OtherInstance);
    Bytes oneForeign = EncodeFolderPayload(dm);
    oneForeign[12 + 5] ^= 0x01;  // lowest bit of the tag
    ExpectRefused(oneForeign, skins, PayloadVerdict::OtherInstance);
}

TEST_F(MovePayloadTest, APayloadThatOutlivedItsDocumentIsRefused) {
    const Bytes payload = EncodeSelectionPayload({}, skins, {SkinEntry(1)});
    const Bytes folderPayload = EncodeFolderPayload(dm);
    // The document emptied and filled again with records of the same names.
    doc.NewDocument();
    RezFolder* again = doc.Adding().FindOrCreateSubfolder("Skins", nullptr);
    AddEntry(again, "b.dtx");
    doc.Adding().FindOrCreateSubfolder("DM", doc.Adding().FindOrCreateSubfolder("MAPS", nullptr));
    doc.SetModified(false);
    host.viewUpdates = 0;
    ExpectRefused(payload, nullptr, PayloadVerdict::Gone);
    ExpectRefused(folderPayload, nullptr, PayloadVerdict::Gone);
}

TEST_F(MovePayloadTest, APayloadThatOutlivedItsArchiveIsRefusedInTheNextOne) {
    // Another archive with folders and entries of the same names.
    TempDir dir;
    RecordingProgress progress;
    CTarvexDoc other{host};
    other.NewDocument();
    other.Adding().AddFile(dir.Write("in/a.dtx", "a"),
                           other.Adding().FindOrCreateSubfolder("Skins", nullptr), progress);
    other.Adding().FindOrCreateSubfolder("DM",
                                         other.Adding().FindOrCreateSubfolder("MAPS", nullptr));
    host.prompts.saveFiles.push_back(dir.Path("other.rez"));
    other.FileSaveAs();
    other.FinishJobs();
    ASSERT_FALSE(other.IsModified());

    const Bytes payload = EncodeSelectionPayload({dm}, skins, {SkinEntry(0)});
    doc.OpenDocument(dir.Path("other.rez"));
    doc.FinishJobs();
    ASSERT_FALSE(doc.LastOpenFailed());
    ASSERT_EQ(doc.TotalEntryCount(), 1u);
    host.viewUpdates = 0;
    ExpectRefused(payload, nullptr, PayloadVerdict::Gone);
}

TEST_F(MovePayloadTest, PayloadsNamingDeletedItemsAreRefused) {
    const Bytes withEntry = EncodeSelectionPayload({maps}, skins, {SkinEntry(0), SkinEntry(2)});
    doc.Editing().DeleteItems(skins, {}, {SkinEntry(2)});
    doc.SetModified(false);
    host.viewUpdates = 0;
    ExpectRefused(withEntry, empty, PayloadVerdict::Gone);

    const Bytes withFolder = EncodeSelectionPayload({dm}, maps, {});
    doc.Editing().DeleteFolder(dm);
    doc.SetModified(false);
    host.viewUpdates = 0;
    ExpectRefused(withFolder, empty, PayloadVerdict::Gone);

    // The source folder itself deleted, its entries with it.
    const Bytes fromSkins = EncodeSelectionPayload({}, skins, {SkinEntry(0)});
    doc.Editing().DeleteFolder(skins);
    doc.SetModified(false);
    host.viewUpdates = 0;
    ExpectRefused(fromSkins, empty, PayloadVerdict::Gone);
}

TEST_F(MovePayloadTest, AnEntryOfAnotherFolderThanTheSourceIsRefused) {
    // Entries are looked up in the source folder only.
    ExpectRefused(EncodeSelectionPayload({}, maps, {SkinEntry(0)}), empty, PayloadVerdict::Gone);
}

TEST_F(MovePayloadTest, NullFoldersAreRefused) {
    ExpectRefused(EncodeFolderPayload(nullptr), empty, PayloadVerdict::NullFolder);
    ExpectRefused(EncodeSelectionPayload({dm, nullptr}, maps, {}), empty,
                  PayloadVerdict::NullFolder);
    // Entries with no source folder to find them in.
    ExpectRefused(EncodeSelectionPayload({}, nullptr, {SkinEntry(0)}), empty,
                  PayloadVerdict::NullFolder);
}

TEST_F(MovePayloadTest, AFolderIntoItselfOrBelowItselfIsRefusedFromEverySource) {
    RezFolder* deep = doc.Adding().FindOrCreateSubfolder("Deep", dm);
    doc.SetModified(false);
    ExpectRefused(EncodeFolderPayload(maps), maps, PayloadVerdict::IntoItself);
    ExpectRefused(EncodeFolderPayload(maps), deep, PayloadVerdict::IntoItself);
    ExpectRefused(EncodeSelectionPayload({skins, maps}, doc.Root(), {}), dm,
                  PayloadVerdict::IntoItself);
    // The root is above every folder, the null target included.
    ExpectRefused(EncodeFolderPayload(doc.Root()), nullptr, PayloadVerdict::IntoItself);
    ExpectRefused(EncodeFolderPayload(doc.Root()), empty, PayloadVerdict::IntoItself);
}

TEST_F(MovePayloadTest, ANameTheTargetAlreadyHoldsRefusesTheWholeMove) {
    AddEntry(empty, "B.DTX");
    ExpectRefused(EncodeSelectionPayload({}, skins, {SkinEntry(0), SkinEntry(1)}), empty,
                  PayloadVerdict::NameTaken);
    ExpectRefused(EncodeSelectionPayload({}, skins, {}), empty, PayloadVerdict::NotMoved);
}

TEST_F(MovePayloadTest, MalformedBlocksAreRefused) {
    const Bytes good = EncodeSelectionPayload({dm}, maps, {&maps->entries.front()});
    ExpectRefused({}, empty, PayloadVerdict::Malformed);
    Bytes marker = good;
    marker[0] = 8;
    ExpectRefused(marker, empty, PayloadVerdict::Malformed);
    ExpectRefused(Bytes(good.begin(), good.end() - 1), empty, PayloadVerdict::Malformed);
    ExpectRefused(Bytes(good.begin(), good.begin() + 11), empty, PayloadVerdict::Malformed);
    Bytes huge = good;
    huge[4] = huge[5] = huge[6] = huge[7] = 0xFF;  // 4 billion folders in 36 bytes
    ExpectRefused(huge, empty, PayloadVerdict::Malformed);
    Bytes hugeEntries = good;
    hugeEntries[11] = 0x80;
    ExpectRefused(hugeEntries, empty, PayloadVerdict::Malformed);
    ExpectRefused(EncodeSelectionPayload({dm, dm}, maps, {}), empty, PayloadVerdict::Malformed);
    ExpectRefused(EncodeSelectionPayload({}, skins, {SkinEntry(1), SkinEntry(1)}), empty,
                  PayloadVerdict::Malformed);
}

TEST_F(MovePayloadTest, TheIgnoredBytesAndSpareRoomAfterTheBlockAreAccepted) {
    Bytes payload = EncodeSelectionPayload({}, skins, {SkinEntry(0)});
    payload[1] = 0x11;
    payload[3] = 0xFF;
    payload.resize(payload.size() + 16, 0xCC);  // global memory rounded up
    EXPECT_EQ(Apply(payload, empty), PayloadVerdict::Moved);
    EXPECT_EQ(EntryNames(*empty), std::vector<std::string>{"a.dtx"});
}

TEST(ItemSerial, EveryRecordMadeOrCopiedGetsANewOneAndAssignmentKeepsIt) {
    RezEntry first;
    RezEntry second;
    RezEntry copy = first;
    EXPECT_LT(first.serial.Value(), second.serial.Value());
    EXPECT_NE(copy.serial.Value(), first.serial.Value());
    const std::uint64_t own = second.serial.Value();
    second = first;
    EXPECT_EQ(second.serial.Value(), own);
}

}  // namespace
