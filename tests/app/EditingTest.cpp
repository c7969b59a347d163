#include <gtest/gtest.h>

#include "AppTestHost.h"
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
    RezFolder* a = doc.FindOrCreateSubfolder("A", nullptr);
    RezFolder* b = doc.FindOrCreateSubfolder("B", nullptr);
    RezFolder* deep = doc.FindOrCreateSubfolder("Deep", a);
    AddEntry(deep, "D.DAT", 1000);
    AddEntry(b, "B.DAT", 2000);
    RezEntry& one = AddEntry(nullptr, "1.TXT", 1);
    RezEntry& two = AddEntry(nullptr, "2.TXT", 2);
    AddEntry(nullptr, "KEEP.TXT", 4);
    RezEntry& three = AddEntry(nullptr, "3.TXT", 8);
    const int updates = host.viewUpdates;

    doc.DeleteItems(nullptr, {a, b}, {&one, &two, &three});
    EXPECT_EQ(doc.Folders().Size(), 1u);
    EXPECT_EQ(EntryNames(*doc.Root()), std::vector<std::string>{"KEEP.TXT"});
    EXPECT_EQ(doc.TotalEntryCount(), 1u);
    EXPECT_EQ(doc.TotalEntrySize(), 4u);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_GT(host.viewUpdates, updates);
}

TEST_F(EditingTest, DeleteAsksAndNeedsASelection) {
    RezEntry& entry = AddEntry(nullptr, "X.TXT", 5);
    EXPECT_FALSE(doc.DeleteListSelection(nullptr, {}, {}));
    EXPECT_FALSE(doc.DeleteTreeSelection(nullptr));
    host.prompts.answers = {PromptAnswer::Cancel, PromptAnswer::Ok};
    EXPECT_FALSE(doc.DeleteListSelection(nullptr, {}, {&entry}));
    EXPECT_EQ(doc.TotalEntryCount(), 1u);
    EXPECT_TRUE(doc.DeleteListSelection(nullptr, {}, {&entry}));
    EXPECT_EQ(doc.TotalEntryCount(), 0u);
    const std::vector<std::string> expected = {
        "No selection in active frame!", "No selection in active frame!",
        "Are you sure you wish to delete the selected files?",
        "Are you sure you wish to delete the selected files?"};
    EXPECT_EQ(host.prompts.Texts(), expected);
    EXPECT_EQ(host.prompts.asked[2].buttons, PromptButtons::OkCancel);
}

TEST_F(EditingTest, DeletingTheRootEmptiesItAndKeepsIt) {
    doc.FindOrCreateSubfolder("A", nullptr);
    AddEntry(nullptr, "X.TXT", 5);
    EXPECT_TRUE(doc.DeleteTreeSelection(doc.Root()));
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
    RezFolder* first = doc.InsertEmptyFolder(nullptr);
    RezFolder* second = doc.InsertEmptyFolder(nullptr);
    EXPECT_EQ(first, second);
    EXPECT_EQ(first->name, "New Folder");
    EXPECT_EQ(doc.Folders().Size(), 2u);
    EXPECT_FALSE(doc.IsModified());
    RezFolder* nested = doc.InsertEmptyFolder(first);
    EXPECT_EQ(nested->parent, first);
}

TEST_F(EditingTest, RenamingMarksTheDocumentModified) {
    RezFolder* folder = doc.FindOrCreateSubfolder("Old", nullptr);
    doc.RenameFolder(folder, "New");
    EXPECT_EQ(folder->name, "New");
    EXPECT_TRUE(doc.IsModified());
    doc.SetModified(false);
    RezEntry& entry = AddEntry(folder, "A.TXT", 1);
    doc.RenameEntry(entry, "B.TXT");
    EXPECT_EQ(entry.name, "B.TXT");
    EXPECT_TRUE(doc.IsModified());
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
