#include <gtest/gtest.h>

#include "browser/FileListRows.h"

namespace {

struct FileListRowsTest : ::testing::Test {
    FolderList folders;
    RezFolder* root = &folders.Append("ROOT", nullptr);
    FileListRows rows;

    RezFolder* AddFolder(const std::string& name, std::uint32_t directorySize = 0,
                         std::uint32_t time = 0) {
        RezFolder& folder = folders.Append(name, root);
        folder.directorySize = directorySize;
        folder.time = time;
        return &folder;
    }
    RezEntry* AddEntry(const std::string& name, std::uint32_t size = 0,
                       const std::string& typeName = "File", std::uint32_t time = 0) {
        RezEntry entry;
        entry.name = name;
        entry.size = size;
        entry.typeName = typeName;
        entry.time = time;
        root->entries.push_back(entry);
        return &root->entries.back();
    }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (int row = 0; row < rows.RowCount(); ++row)
            names.push_back(rows.Text(row, ListColumn::Name));
        return names;
    }
    std::vector<std::string> EntryListOrder() const {
        std::vector<std::string> names;
        for (const RezEntry& entry : root->entries)
            names.push_back(entry.name);
        return names;
    }
    std::vector<std::string> SubfolderListOrder() const {
        std::vector<std::string> names;
        for (const RezFolder* folder : root->subfolders)
            names.push_back(folder->name);
        return names;
    }
};

TEST_F(FileListRowsTest, NameSortIgnoresCaseAndPutsFoldersFirstThenReverses) {
    AddFolder("Maps");
    AddFolder("art");
    AddEntry("b.dtx");
    AddEntry("A.abc");
    rows.SetSortColumn(0, true);
    rows.ShowFolder(root);
    EXPECT_EQ(Names(), (std::vector<std::string>{"art", "Maps", "A.abc", "b.dtx"}));
    // The archive tree itself takes the order; a save writes the entries so.
    EXPECT_EQ(EntryListOrder(), (std::vector<std::string>{"A.abc", "b.dtx"}));
    EXPECT_EQ(SubfolderListOrder(), (std::vector<std::string>{"art", "Maps"}));

    rows.ClickColumn(0);
    EXPECT_FALSE(rows.SortAscending());
    EXPECT_EQ(Names(), (std::vector<std::string>{"b.dtx", "A.abc", "Maps", "art"}));
    EXPECT_EQ(EntryListOrder(), (std::vector<std::string>{"b.dtx", "A.abc"}));
}

TEST_F(FileListRowsTest, AClickOnAnotherColumnKeepsTheDirection) {
    EXPECT_EQ(rows.SortColumn(), kNoSortColumn);
    rows.ShowFolder(root);
    rows.ClickColumn(1);
    EXPECT_EQ(rows.SortColumn(), 1);
    EXPECT_TRUE(rows.SortAscending());
    rows.ClickColumn(1);
    EXPECT_FALSE(rows.SortAscending());
    rows.ClickColumn(2);
    EXPECT_EQ(rows.SortColumn(), 2);
    EXPECT_FALSE(rows.SortAscending());
    EXPECT_EQ(rows.SetSortColumn(0, true), 2);
}

TEST_F(FileListRowsTest, DescendingBySizePutsEntriesLargestFirstAboveFolders) {
    RezFolder* small = AddFolder("Small", 10);
    RezFolder* big = AddFolder("Big", 0x90000000u);
    AddEntry("mid.dat", 2048);
    AddEntry("huge.dat", 0xFFFFFFF0u);  // sizes are unsigned
    AddEntry("tiny.dat", 1);
    rows.SetSortColumn(1, false);
    rows.ShowFolder(root);
    EXPECT_EQ(Names(),
              (std::vector<std::string>{"huge.dat", "mid.dat", "tiny.dat", "Big", "Small"}));
    EXPECT_EQ(rows.ItemAtRow(3).folder, big);
    EXPECT_EQ(rows.ItemAtRow(4).folder, small);
    EXPECT_EQ(rows.ItemAtRow(0).entry->name, "huge.dat");

    const DoubleClick click = rows.DoubleClickOn(3);
    EXPECT_EQ(click.action, DoubleClickAction::OpenFolder);
    EXPECT_EQ(click.folder, big);
    EXPECT_EQ(rows.DoubleClickOn(0).action, DoubleClickAction::Extract);
    EXPECT_EQ(rows.DoubleClickOn(-1).action, DoubleClickAction::None);
}

TEST_F(FileListRowsTest, TimesSortAsSignedValues) {
    AddEntry("new.dat", 0, "File", 0x7FFFFFFFu);
    AddEntry("old.dat", 0, "File", 0x80000000u);  // before 1970
    AddEntry("epoch.dat", 0, "File", 0);
    AddFolder("later", 0, 100);
    AddFolder("earlier", 0, 0xFFFFFFFFu);
    rows.SetSortColumn(3, true);
    rows.ShowFolder(root);
    EXPECT_EQ(Names(),
              (std::vector<std::string>{"earlier", "later", "old.dat", "epoch.dat", "new.dat"}));
}

TEST_F(FileListRowsTest, TypeSortsEntriesByTypeNameAndLeavesFoldersAlone) {
    AddFolder("Zeta");
    AddFolder("Alpha");
    AddEntry("1.dtx", 0, "texture");
    AddEntry("2.abc", 0, "3D Model");
    AddEntry("3.dtx", 0, "Texture");
    AddEntry("4.dat", 0, "World Data");
    rows.SetSortColumn(2, true);
    rows.ShowFolder(root);
    // Equal type names keep their order.
    EXPECT_EQ(Names(),
              (std::vector<std::string>{"Zeta", "Alpha", "2.abc", "1.dtx", "3.dtx", "4.dat"}));
    rows.ClickColumn(2);
    EXPECT_EQ(Names(),
              (std::vector<std::string>{"4.dat", "1.dtx", "3.dtx", "2.abc", "Zeta", "Alpha"}));
}

TEST_F(FileListRowsTest, NewEntriesSortAndShowByTheNameAfterTheirFolder) {
    AddEntry("C:\\zoo\\apple.txt");
    AddEntry("C:\\abc\\pear.txt");
    AddEntry("Worlds\\Multi\\map.dat");
    rows.SetSortColumn(0, true);
    rows.ShowFolder(root);
    EXPECT_EQ(Names(), (std::vector<std::string>{"apple.txt", "map.dat", "pear.txt"}));
}

TEST_F(FileListRowsTest, NoSortColumnKeepsTheListsAsTheyAre) {
    AddFolder("b");
    AddFolder("a");
    AddEntry("z.dat");
    AddEntry("y.dat");
    rows.ShowFolder(root);
    EXPECT_EQ(Names(), (std::vector<std::string>{"b", "a", "z.dat", "y.dat"}));
}

TEST_F(FileListRowsTest, RowsOutsideTheListShowNothing) {
    AddFolder("Sub", 0, 0x80000000u);
    AddEntry("x.dat", 5);
    rows.ShowFolder(root);
    ASSERT_EQ(rows.RowCount(), 2);
    EXPECT_EQ(rows.Text(0, ListColumn::Size), "");
    EXPECT_EQ(rows.Text(0, ListColumn::Type), "Folder");
    EXPECT_EQ(rows.Text(0, ListColumn::Modified), "");
    EXPECT_EQ(rows.Text(1, ListColumn::Size), "1 Kb");
    EXPECT_EQ(rows.Text(1, ListColumn::Type), "File");
    for (int row : {-1, 2, 1000}) {
        EXPECT_EQ(rows.ItemAtRow(row).folder, nullptr);
        EXPECT_EQ(rows.ItemAtRow(row).entry, nullptr);
        EXPECT_EQ(rows.Text(row, ListColumn::Name), "");
        EXPECT_EQ(rows.IconKey(row), "");
        EXPECT_FALSE(rows.IsFolderRow(row));
    }
    rows.ShowFolder(nullptr);
    EXPECT_EQ(rows.RowCount(), 0);
    EXPECT_EQ(rows.ShownFolder(), nullptr);
    EXPECT_EQ(rows.DropTarget(-1), nullptr);
}

TEST_F(FileListRowsTest, IconKeysOfRows) {
    AddFolder("Sub");
    RezEntry* coded = AddEntry("ROCK.DTX");
    coded->typeCode = "DTX";
    AddEntry("C:\\disk\\notes.txt");
    AddEntry("C:\\my.dir\\README");
    rows.ShowFolder(root);
    EXPECT_EQ(rows.IconKey(0), ".");
    EXPECT_EQ(rows.IconKey(1), ".DTX");
    EXPECT_EQ(rows.IconKey(2), ".txt");
    EXPECT_EQ(rows.IconKey(3), "");
}

TEST_F(FileListRowsTest, AnEntryTypedFolderIsAFolderRowThatNamesNoFolder) {
    RezFolder* sub = AddFolder("Sub");
    RezEntry* odd = AddEntry("odd.fld", 3000, "Folder");
    RezEntry* plain = AddEntry("plain.dat", 5000, "folder");  // case matters
    rows.SetSortColumn(0, true);
    rows.ShowFolder(root);
    ASSERT_EQ(Names(), (std::vector<std::string>{"Sub", "odd.fld", "plain.dat"}));
    EXPECT_TRUE(rows.IsFolderRow(0));
    EXPECT_TRUE(rows.IsFolderRow(1));
    EXPECT_FALSE(rows.IsFolderRow(2));

    const ListSelection selection = rows.SplitSelection({0, 1, 2});
    EXPECT_EQ(selection.folders, std::vector<RezFolder*>{sub});
    EXPECT_EQ(selection.entries, std::vector<const RezEntry*>{plain});
    EXPECT_EQ(rows.DoubleClickOn(1).action, DoubleClickAction::None);
    EXPECT_EQ(rows.DropFolderAt(1), nullptr);
    EXPECT_EQ(rows.DropTarget(1), root);
    EXPECT_EQ(odd->typeName, "Folder");
}

TEST_F(FileListRowsTest, SelectionSplitKeepsRowOrder) {
    RezFolder* x = AddFolder("X");
    RezFolder* y = AddFolder("Y");
    RezEntry* one = AddEntry("1.dat", 3 * 1024);
    RezEntry* two = AddEntry("2.dat", 10 * 1024 + 1023);
    rows.SetSortColumn(0, false);
    rows.ShowFolder(root);
    ASSERT_EQ(Names(), (std::vector<std::string>{"2.dat", "1.dat", "Y", "X"}));
    const ListSelection selection = rows.SplitSelection({0, 1, 2, 3});
    EXPECT_EQ(selection.folders, (std::vector<RezFolder*>{y, x}));
    EXPECT_EQ(selection.entries, (std::vector<const RezEntry*>{two, one}));

    const SelectedTotals files = rows.SelectionTotals({0, 1, 3});
    EXPECT_EQ(files.count, 2);
    EXPECT_EQ(files.kilobytes, 13u);
    const SelectedTotals onlyFolders = rows.SelectionTotals({2, 3});
    EXPECT_EQ(onlyFolders.count, 0);
    EXPECT_EQ(onlyFolders.kilobytes, 0u);
}

TEST_F(FileListRowsTest, DropsLandInTheFolderRowOrTheShownFolder) {
    RezFolder* sub = AddFolder("Sub");
    AddEntry("x.dat");
    rows.ShowFolder(root);
    EXPECT_EQ(rows.DropFolderAt(0), sub);
    EXPECT_EQ(rows.DropFolderAt(1), nullptr);
    EXPECT_EQ(rows.DropFolderAt(-1), nullptr);
    EXPECT_EQ(rows.DropTarget(0), sub);
    EXPECT_EQ(rows.DropTarget(-1), root);
    EXPECT_EQ(rows.DropTarget(7), root);
}

TEST_F(FileListRowsTest, RefreshSeesEntriesAddedSince) {
    AddEntry("b.dat");
    rows.SetSortColumn(0, true);
    rows.ShowFolder(root);
    AddEntry("a.dat");
    AddFolder("c");
    rows.RefreshList();
    EXPECT_EQ(Names(), (std::vector<std::string>{"c", "a.dat", "b.dat"}));
}

}  // namespace
