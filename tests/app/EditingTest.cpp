#include <gtest/gtest.h>

#include "AppTestHost.h"
#include "app/ArchiveItems.h"
#include "app/StatusTotals.h"

namespace {

struct EditingTest : ::testing::Test {
    AppTestHost host;
    CTarvexDoc doc{host};

    RezEntry& AddEntry(RezFolder* folder, const std::string& name, std::uint32_t size) {
        RezEntry entry;
        entry.name = name;
        entry.size = size;
        entry.dataPosition = 168;
        doc.Folders().Resolve(folder)->entries.push_back(entry);
        return doc.Folders().Resolve(folder)->entries.back();
    }
};

TEST_F(EditingTest, DeletingASelectionRemovesBothSubtreesAndTheEntries) {
    RezFolder* a = doc.Adding().FindOrCreateSubfolder("A", nullptr);
    RezFolder* b = doc.Adding().FindOrCreateSubfolder("B", nullptr);
    RezFolder* deep = doc.Adding().FindOrCreateSubfolder("Deep", a);
    AddEntry(deep, "D.DAT", 1000);
    AddEntry(b, "B.DAT", 2000);
    RezEntry& one = AddEntry(nullptr, "1.TXT", 1);
    RezEntry& two = AddEntry(nullptr, "2.TXT", 2);
    AddEntry(nullptr, "KEEP.TXT", 4);
    RezEntry& three = AddEntry(nullptr, "3.TXT", 8);
    const int updates = host.viewUpdates;

    doc.Editing().DeleteItems(nullptr, {a, b}, {&one, &two, &three});
    EXPECT_EQ(doc.Folders().Size(), 1u);
    EXPECT_EQ(EntryNames(*doc.Root()), std::vector<std::string>{"KEEP.TXT"});
    EXPECT_EQ(doc.TotalEntryCount(), 1u);
    EXPECT_EQ(doc.TotalEntrySize(), 4u);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_GT(host.viewUpdates, updates);
}

TEST_F(EditingTest, DeleteAsksAndNeedsASelection) {
    RezEntry& entry = AddEntry(nullptr, "X.TXT", 5);
    EXPECT_FALSE(doc.Editing().DeleteListSelection(nullptr, {}, {}));
    EXPECT_FALSE(doc.Editing().DeleteTreeSelection(nullptr));
    host.prompts.answers = {PromptAnswer::Cancel, PromptAnswer::Ok};
    EXPECT_FALSE(doc.Editing().DeleteListSelection(nullptr, {}, {&entry}));
    EXPECT_EQ(doc.TotalEntryCount(), 1u);
    EXPECT_TRUE(doc.Editing().DeleteListSelection(nullptr, {}, {&entry}));
    EXPECT_EQ(doc.TotalEntryCount(), 0u);
    const std::vector<std::string> expected = {
        "No selection in active frame!", "No selection in active frame!",
        "Are you sure you wish to delete the selected files?",
        "Are you sure you wish to delete the selected files?"};
    EXPECT_EQ(host.prompts.Texts(), expected);
    EXPECT_EQ(host.prompts.asked[2].buttons, PromptButtons::OkCancel);
}

TEST_F(EditingTest, DeletingTheRootEmptiesItAndKeepsIt) {
    doc.Adding().FindOrCreateSubfolder("A", nullptr);
    AddEntry(nullptr, "X.TXT", 5);
    EXPECT_TRUE(doc.Editing().DeleteTreeSelection(doc.Root()));
    EXPECT_EQ(
        host.prompts.Texts(),
        std::vector<std::string>{
            "Are you sure you wish to delete the selected Folder and all the files there-in?"});
    ASSERT_EQ(doc.Folders().Size(), 1u);
    EXPECT_EQ(doc.Root()->name, "Untitled");
    EXPECT_TRUE(doc.Root()->entries.empty());
    EXPECT_TRUE(doc.Root()->subfolders.empty());
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(EditingTest, InsertEmptyFolderTwiceLeavesOneNewFolder) {
    RezFolder* first = doc.Editing().InsertEmptyFolder(nullptr);
    RezFolder* second = doc.Editing().InsertEmptyFolder(nullptr);
    EXPECT_EQ(first, second);
    EXPECT_EQ(first->name, "New Folder");
    EXPECT_EQ(doc.Folders().Size(), 2u);
    EXPECT_FALSE(doc.IsModified());
    RezFolder* nested = doc.Editing().InsertEmptyFolder(first);
    EXPECT_EQ(nested->parent, first);
}

TEST_F(EditingTest, RenamingMarksTheDocumentModified) {
    RezFolder* folder = doc.Adding().FindOrCreateSubfolder("Old", nullptr);
    EXPECT_TRUE(doc.Editing().RenameFolder(folder, "New"));
    EXPECT_EQ(folder->name, "New");
    EXPECT_TRUE(doc.IsModified());
    doc.SetModified(false);
    RezEntry& entry = AddEntry(folder, "A.TXT", 1);
    EXPECT_TRUE(doc.Editing().RenameEntry(entry, "B.SPR"));
    EXPECT_EQ(entry.name, "B.SPR");
    EXPECT_EQ(entry.typeCode, "SPR");
    EXPECT_EQ(entry.typeName, "Sprite");
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(EditingTest, RenamingRefusesNamesThatAreNoItemOrAreTakenInTheFolder) {
    RezFolder* maps = doc.Adding().FindOrCreateSubfolder("Maps", nullptr);
    doc.Adding().FindOrCreateSubfolder("Sounds", nullptr);
    RezEntry& a = AddEntry(maps, "A.DAT", 1);
    AddEntry(maps, "B.DAT", 1);
    for (const char* bad : {"", ".", "..", "x\\y", "x/y", "b.dat"})
        EXPECT_FALSE(doc.Editing().RenameEntry(a, bad)) << bad;
    EXPECT_FALSE(doc.Editing().RenameFolder(maps, "SOUNDS"));
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(a.name, "A.DAT");
    EXPECT_EQ(maps->name, "Maps");
    // Its own name in another case is no clash.
    EXPECT_TRUE(doc.Editing().RenameEntry(a, "a.dat"));
    EXPECT_TRUE(doc.Editing().RenameFolder(maps, "MAPS"));
}

TEST_F(EditingTest, MovingPutsFoldersThenEntriesIntoTheTargetAndKeepsTheListATree) {
    RezFolder* a = doc.Adding().FindOrCreateSubfolder("A", nullptr);
    RezFolder* deep = doc.Adding().FindOrCreateSubfolder("Deep", a);
    RezFolder* t = doc.Adding().FindOrCreateSubfolder("T", nullptr);
    AddEntry(t, "FIRST.DAT", 1);
    RezEntry& x = AddEntry(nullptr, "X.DAT", 2);
    AddEntry(nullptr, "STAYS.DAT", 4);
    RezEntry& y = AddEntry(nullptr, "Y.DAT", 8);
    ASSERT_TRUE(doc.Editing().MoveItems({a}, nullptr, {&y, &x}, t));
    EXPECT_EQ(EntryNames(*t), (std::vector<std::string>{"FIRST.DAT", "Y.DAT", "X.DAT"}));
    EXPECT_EQ(EntryNames(*doc.Root()), std::vector<std::string>{"STAYS.DAT"});
    EXPECT_EQ(doc.Folders().FolderPath(deep, false), "T\\A\\Deep");
    std::vector<const RezFolder*> seen;
    doc.Folders().ForEach([&](const RezFolder& f) {
        if (f.parent) {
            EXPECT_NE(std::find(seen.begin(), seen.end(), f.parent), seen.end()) << f.name;
        }
        seen.push_back(&f);
    });
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(EditingTest, AMoveIntoItselfBelowItselfOrOntoANameIsRefusedAndChangesNothing) {
    RezFolder* a = doc.Adding().FindOrCreateSubfolder("A", nullptr);
    RezFolder* deep = doc.Adding().FindOrCreateSubfolder("Deep", a);
    RezFolder* b = doc.Adding().FindOrCreateSubfolder("B", nullptr);
    doc.Adding().FindOrCreateSubfolder("DEEP", b);
    AddEntry(b, "X.DAT", 1);
    RezEntry& x = AddEntry(nullptr, "x.dat", 2);
    RezEntry& other = AddEntry(a, "OTHER.DAT", 2);
    const std::vector<std::string> before = {doc.Folders().FolderPath(a, false),
                                             doc.Folders().FolderPath(deep, false)};
    EXPECT_FALSE(doc.Editing().MoveItems({a}, nullptr, {}, a));
    EXPECT_FALSE(doc.Editing().MoveItems({a}, nullptr, {}, deep));
    EXPECT_FALSE(doc.Editing().MoveItems({deep}, nullptr, {}, b));        // B holds a DEEP already
    EXPECT_FALSE(doc.Editing().MoveItems({b}, nullptr, {&x}, b));         // x.dat meets X.DAT in B
    EXPECT_FALSE(doc.Editing().MoveItems({}, nullptr, {&other}, b));      // not the source's entry
    EXPECT_FALSE(doc.Editing().MoveItems({doc.Root()}, nullptr, {}, a));  // the root stays the root
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.Folders().FolderPath(deep, false), before[1]);
    EXPECT_EQ(EntryNames(*doc.Root()), std::vector<std::string>{"x.dat"});
    EXPECT_EQ(EntryNames(*b), std::vector<std::string>{"X.DAT"});
}

TEST_F(EditingTest, ItemsAreFoundByPathWithoutRegardToCase) {
    RezFolder* maps = doc.Adding().FindOrCreateSubfolder("Maps", nullptr);
    RezFolder* sub = doc.Adding().FindOrCreateSubfolder("Sub", maps);
    RezEntry& level = AddEntry(sub, "LEVEL.DAT", 1);
    RezEntry& pending = AddEntry(maps, "/home/me/Sub", 1);  // a new entry, named by its path
    pending.dataPosition = 0;
    const FolderList& list = doc.Folders();
    for (const char* path :
         {"maps/sub/level.dat", "\\MAPS\\SUB\\Level.Dat", "Maps//Sub/LEVEL.DAT"}) {
        const std::optional<ArchiveItem> item = FindItem(list, path);
        ASSERT_TRUE(item) << path;
        EXPECT_EQ(item->folder, sub);
        EXPECT_EQ(item->entry, &level);
    }
    for (const char* root : {"", "/", "\\"}) {
        const std::optional<ArchiveItem> item = FindItem(list, root);
        ASSERT_TRUE(item);
        EXPECT_EQ(item->folder, doc.Root());
        EXPECT_EQ(item->entry, nullptr);
    }
    // A folder wins over an entry of its name.
    EXPECT_EQ(FindItem(list, "maps/SUB")->entry, nullptr);
    EXPECT_FALSE(FindItem(list, "maps/none"));
    EXPECT_FALSE(FindItem(list, "maps/sub/level.dat/more"));
    EXPECT_FALSE(FindItem(list, "level.dat"));
    // Beside a folder of its name, a new entry is found by its file name once the folder is gone.
    doc.Editing().DeleteFolder(sub);
    EXPECT_EQ(FindItem(list, "Maps/sub")->entry, &pending);
}

TEST_F(EditingTest, TotalsOfAnArchiveOver2GBAreNeverNegative) {
    AddEntry(nullptr, "BIG1.DAT", 0x60000000u);
    AddEntry(nullptr, "BIG2.DAT", 0x60000000u);
    AddEntry(nullptr, "BIG3.DAT", 0xC0000000u);  // pending entries may add up past 4 GB
    EXPECT_EQ(doc.TotalEntrySize(), 0x180000000ull);
    EXPECT_EQ(TotalPaneText(doc.TotalEntryCount(), doc.TotalEntrySize()),
              "Total 3 Files, 6291456KB");
    EXPECT_EQ(TotalPaneText(1, 0x80000400u), "Total 1 Files, 2097153KB");
}

TEST(StatusTotals, SelectedPaneSumsSizeTextsAndSkipsFolders) {
    EXPECT_EQ(SelectedPaneText(SumSelectedSizes({"3 Kb", "10 Kb"})), "Selected 2 Files, 13KB");
    EXPECT_EQ(SelectedPaneText(SumSelectedSizes({"", ""})), "Selected 0 Files, 0KB");
    EXPECT_EQ(SelectedPaneText(SumSelectedSizes({"1 Kb", "1 Kb", "1 Kb"})),
              "Selected 3 Files, 3KB");
    // The number is read as C reads it: hexadecimal and octal prefixes count.
    EXPECT_EQ(SumSelectedSizes({"0x10 Kb", "010 Kb"}).kilobytes, 24u);
}

TEST(StatusTotals, TotalPaneTruncatesTheKilobytes) {
    EXPECT_EQ(TotalPaneText(3, 3 * 1023), "Total 3 Files, 2KB");
    EXPECT_EQ(TotalPaneText(0, 0), "Total 0 Files, 0KB");
}

TEST(StatusTotals, SelectionCommandsNeedATreeItemOrAListSelection) {
    EXPECT_FALSE(SelectionCommandsEnabled(false, 0));
    EXPECT_TRUE(SelectionCommandsEnabled(true, 0));
    EXPECT_TRUE(SelectionCommandsEnabled(false, 2));
}

}  // namespace

namespace {

TEST_F(EditingTest, FoundItemsAreDeletedFromTheirOwnFoldersAfterOneQuestion) {
    RezFolder* a = doc.Adding().FindOrCreateSubfolder("A", nullptr);
    RezFolder* b = doc.Adding().FindOrCreateSubfolder("B", nullptr);
    RezFolder* inA = doc.Adding().FindOrCreateSubfolder("Sub", a);
    RezEntry& first = AddEntry(a, "X.DTX", 1);
    AddEntry(a, "KEEP.DTX", 2);
    RezEntry& second = AddEntry(b, "X.DTX", 4);
    AddEntry(inA, "Y.DTX", 8);  // goes with its folder
    host.prompts.answers = {PromptAnswer::Ok};

    EXPECT_TRUE(doc.Editing().DeleteFoundItems({{a, &first}, {inA, nullptr}, {b, &second}}));
    EXPECT_EQ(host.prompts.Texts(),
              std::vector<std::string>{"Are you sure you wish to delete the selected files?"});
    EXPECT_EQ(EntryNames(*a), std::vector<std::string>{"KEEP.DTX"});
    EXPECT_TRUE(b->entries.empty());
    EXPECT_EQ(doc.Folders().Size(), 3u);
    EXPECT_EQ(doc.TotalEntryCount(), 1u);
}

}  // namespace
