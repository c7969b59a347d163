// The file list showing the results of a search: rows, the Folder column, sorting, and what
// the commands take from the found rows.
#include <gtest/gtest.h>

#include "browser/FileListRows.h"

namespace {

struct FoundRowsTest : ::testing::Test {
    FolderList folders;
    RezFolder* root = &folders.Append("ROOT", nullptr);
    RezFolder* textures = &folders.Append("TEXTURES", root);
    RezFolder* walls = &folders.Append("WALLS", textures);
    FileListRows rows;

    FoundRowsTest() {
        // Out of name order, so that a sort that moved the archive's entries would show.
        Add(*textures, "WALL.DTX");
        Add(*textures, "SKY.DTX");
        Add(*walls, "BRICK.DTX");
        Add(*root, "ZED.DTX");
        Add(*root, "README.TXT");
        rows.SetSortColumn(static_cast<int>(ListColumn::Name), true);
        rows.ShowFound(folders, {"*.dtx", "walls"});
    }
    static void Add(RezFolder& folder, const std::string& name) {
        RezEntry entry;
        entry.dataPosition = 100;
        entry.name = name;
        folder.entries.push_back(entry);
    }
    RezEntry* EntryOf(RezFolder& folder, const std::string& name) {
        for (RezEntry& entry : folder.entries) {
            if (entry.name == name)
                return &entry;
        }
        return nullptr;
    }
    // Each row as "name in folder".
    std::vector<std::string> Rows() const {
        std::vector<std::string> texts;
        for (int row = 0; row < rows.RowCount(); ++row)
            texts.push_back(rows.Text(row, ListColumn::Name) + " in " +
                            rows.Text(row, ListColumn::Folder));
        return texts;
    }
};

using Texts = std::vector<std::string>;

TEST_F(FoundRowsTest, OneRowPerMatchWithItsFolderSortedLikeAFolderButTheArchiveKeepsItsOrder) {
    EXPECT_EQ(rows.ColumnCount(), 5);
    EXPECT_EQ(rows.ShownFolder(), nullptr);
    EXPECT_EQ(Rows(), (Texts{"WALLS in ROOT\\TEXTURES", "BRICK.DTX in ROOT\\TEXTURES\\WALLS",
                             "SKY.DTX in ROOT\\TEXTURES", "WALL.DTX in ROOT\\TEXTURES",
                             "ZED.DTX in ROOT"}));
    rows.ClickColumn(static_cast<int>(ListColumn::Folder));
    EXPECT_EQ(Rows(),
              (Texts{"WALLS in ROOT\\TEXTURES", "ZED.DTX in ROOT", "WALL.DTX in ROOT\\TEXTURES",
                     "SKY.DTX in ROOT\\TEXTURES", "BRICK.DTX in ROOT\\TEXTURES\\WALLS"}));
    rows.ClickColumn(static_cast<int>(ListColumn::Folder));
    EXPECT_EQ(Rows(),
              (Texts{"BRICK.DTX in ROOT\\TEXTURES\\WALLS", "WALL.DTX in ROOT\\TEXTURES",
                     "SKY.DTX in ROOT\\TEXTURES", "ZED.DTX in ROOT", "WALLS in ROOT\\TEXTURES"}));
    EXPECT_EQ(textures->entries.front().name, "WALL.DTX");
}

TEST_F(FoundRowsTest, AFolderShownLeavesTheResultsAndTheirSortColumn) {
    rows.ClickColumn(static_cast<int>(ListColumn::Folder));
    rows.ShowFolder(textures);
    EXPECT_FALSE(rows.ShowsFound());
    EXPECT_EQ(rows.ColumnCount(), 4);
    EXPECT_EQ(rows.SortColumn(), static_cast<int>(ListColumn::Name));
    EXPECT_EQ(Rows(), (Texts{"WALLS in ", "SKY.DTX in ", "WALL.DTX in "}));
}

TEST_F(FoundRowsTest, RefreshSearchesAgainSoThatDeletedItemsLeave) {
    textures->entries.remove_if([](const RezEntry& entry) { return entry.name == "SKY.DTX"; });
    folders.DeleteFolder(walls);
    rows.RefreshList();
    EXPECT_EQ(Rows(), (Texts{"WALL.DTX in ROOT\\TEXTURES", "ZED.DTX in ROOT"}));
}

TEST_F(FoundRowsTest, CommandsTakeEachRowWithTheFolderThatHoldsIt) {
    const std::vector<int> all{0, 1, 2, 3, 4};
    const std::vector<ArchiveItem> items = rows.SelectedItems(all);
    ASSERT_EQ(items.size(), 5u);
    EXPECT_EQ(items[0].folder, walls);
    EXPECT_EQ(items[0].entry, nullptr);
    EXPECT_EQ(items[1].folder, walls);
    EXPECT_EQ(items[1].entry, EntryOf(*walls, "BRICK.DTX"));
    EXPECT_EQ(items[4].folder, root);
    EXPECT_EQ(items[4].entry, EntryOf(*root, "ZED.DTX"));

    // A payload carries every entry by its own folder, the first selected entry's first.
    const PayloadItems movable = rows.MovableSelection({0, 2, 1, 3});
    EXPECT_EQ(movable.folders, (std::vector<RezFolder*>{walls}));
    EXPECT_EQ(movable.source, textures);
    ASSERT_EQ(movable.groups.size(), 2u);
    EXPECT_EQ(movable.groups[0].source, textures);
    EXPECT_EQ(movable.groups[0].entries, (std::vector<RezEntry*>{EntryOf(*textures, "SKY.DTX"),
                                                                 EntryOf(*textures, "WALL.DTX")}));
    EXPECT_EQ(movable.groups[1].source, walls);
    EXPECT_EQ(movable.groups[1].entries, (std::vector<RezEntry*>{EntryOf(*walls, "BRICK.DTX")}));

    // Enter and a double click go to the row's folder; drops land only on folder rows.
    for (int row : {0, 2}) {
        const DoubleClick open = rows.DoubleClickOn(row);
        EXPECT_EQ(open.action, DoubleClickAction::OpenFolder);
        EXPECT_EQ(open.folder, textures);
    }
    EXPECT_TRUE(rows.EnterOpensFolder());
    EXPECT_TRUE(rows.TakesDropOn(0));
    EXPECT_FALSE(rows.TakesDropOn(-1));
    EXPECT_FALSE(rows.TakesDropOn(2));
}

}  // namespace
