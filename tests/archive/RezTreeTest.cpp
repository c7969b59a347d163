#include <gtest/gtest.h>

#include <cstdio>

#include "archive/RezTree.h"
#include "platform/TextCase.h"
#include "support/UnregisteredTypeName.h"

namespace {

// Root MAPS, A below it, B below A.
struct ThreeLevels : ::testing::Test {
    FolderList list;
    RezFolder* root = &list.Append("MAPS", nullptr);
    RezFolder* a = &list.Append("A", root);
    RezFolder* b = &list.Append("B", a);
};

std::vector<std::string> Order(const FolderList& list) {
    std::vector<std::string> names;
    list.ForEach([&](const RezFolder& f) { names.push_back(f.name); });
    return names;
}

TEST_F(ThreeLevels, FolderPathWithAndWithoutRoot) {
    EXPECT_EQ(list.FolderPath(b, true), "MAPS\\A\\B");
    EXPECT_EQ(list.FolderPath(b, false), "A\\B");
    EXPECT_EQ(list.FolderPath(a, false), "A");
    EXPECT_EQ(list.FolderPath(nullptr, false), "MAPS");
}

TEST_F(ThreeLevels, FindFolderByPathTrimsSeparatorsAndMatchesCaseOnWholePath) {
    EXPECT_EQ(list.FindFolderByPath("\\A\\B\\", false), b);
    EXPECT_EQ(list.FindFolderByPath("A\\B", false), b);
    EXPECT_EQ(list.FindFolderByPath("MAPS\\A", true), a);
    EXPECT_EQ(list.FindFolderByPath("a\\b", false), nullptr);
    EXPECT_EQ(list.FindFolderByPath("A\\C", false), nullptr);
}

TEST_F(ThreeLevels, DeleteFolderRemovesSubtreeAndTotalsShrink) {
    root->entries.push_back({200, 10, 0, 1, "R.DAT", "DAT", "", "", {}, {}});
    a->entries.push_back({300, 20, 0, 2, "A.DAT", "DAT", "", "", {}, {}});
    b->entries.push_back({400, 40, 0, 3, "B.DAT", "DAT", "", "", {}, {}});
    EXPECT_EQ(list.TotalEntryCount(), 3u);
    EXPECT_EQ(list.TotalEntrySize(), 70u);
    list.DeleteFolder(a);
    EXPECT_EQ(Order(list), std::vector<std::string>{"MAPS"});
    EXPECT_TRUE(root->subfolders.empty());
    EXPECT_EQ(list.TotalEntryCount(), 1u);
    EXPECT_EQ(list.TotalEntrySize(), 10u);
}

TEST_F(ThreeLevels, DeletingTheRootEmptiesItButKeepsIt) {
    root->entries.push_back({200, 10, 0, 1, "R.DAT", "DAT", "", "", {}, {}});
    list.DeleteFolder(nullptr);
    ASSERT_EQ(list.Size(), 1u);
    EXPECT_EQ(list.Root()->name, "MAPS");
    EXPECT_TRUE(list.Root()->entries.empty());
    EXPECT_TRUE(list.Root()->subfolders.empty());
}

TEST_F(ThreeLevels, MoveFolderKeepsDescendantsAfterTheirParents) {
    RezFolder* c = &list.Append("C", b);
    RezFolder* target = &list.Append("T", root);
    ASSERT_TRUE(list.MoveFolder(a, target));
    EXPECT_EQ(Order(list), (std::vector<std::string>{"MAPS", "T", "A", "B", "C"}));
    EXPECT_EQ(list.FolderPath(c, true), "MAPS\\T\\A\\B\\C");
    EXPECT_EQ(target->subfolders, std::vector<RezFolder*>{a});
    EXPECT_EQ(root->subfolders, std::vector<RezFolder*>{target});
}

TEST_F(ThreeLevels, MoveFolderRightAfterItsNewParentStaysOrdered) {
    // A directly follows the root already: moving it to the root must not reorder B before A.
    RezFolder* x = &list.Append("X", root);
    ASSERT_TRUE(list.MoveFolder(b, x));
    ASSERT_TRUE(list.MoveFolder(a, root));
    EXPECT_EQ(Order(list), (std::vector<std::string>{"MAPS", "A", "X", "B"}));
}

TEST_F(ThreeLevels, MoveFolderBelowItselfIsRefused) {
    EXPECT_FALSE(list.MoveFolder(a, b));
    EXPECT_FALSE(list.MoveFolder(a, a));
    EXPECT_FALSE(list.MoveFolder(root, a));
    EXPECT_EQ(Order(list), (std::vector<std::string>{"MAPS", "A", "B"}));
}

TEST_F(ThreeLevels, InsertAfterParentPlacesTheFolderDirectlyAfterIt) {
    list.InsertAfterParent("N", root);
    EXPECT_EQ(Order(list), (std::vector<std::string>{"MAPS", "N", "A", "B"}));
}

TEST(TypeNames, EngineKindsAndShellFallback) {
    EXPECT_EQ(TypeNameFor("dat", "X.DAT"), "World Data");
    EXPECT_EQ(TypeNameFor("ABC", "X.ABC"), "3D Model");
    EXPECT_EQ(TypeNameFor("DTX", "X.DTX"), "Texture");
    EXPECT_EQ(TypeNameFor("LTO", "X.LTO"), "Module");
    EXPECT_EQ(TypeNameFor("Spr", "X.SPR"), "Sprite");
    // Other types get the shell's name, also for one nobody registered.
    EXPECT_EQ(TypeNameFor("", "FILE.ABCDE"), support::UnregisteredTypeName());
    EXPECT_EQ(TypeCodeOf("FILE.ABCDE"), "");
    EXPECT_EQ(TypeCodeOf("A.DAT"), "DAT");
    EXPECT_EQ(TypeCodeOf("FILE."), "");
    EXPECT_EQ(TypeCodeOf("README"), "");
}

}  // namespace

namespace {

TEST(TextCase, NamesCompareWithoutCaseOfAsciiLettersOnly) {
    EXPECT_TRUE(EqualNoCase("Maps\\World.dat", "MAPS\\WORLD.DAT"));
    EXPECT_TRUE(EqualNoCase("", ""));
    EXPECT_FALSE(EqualNoCase("a.dat", "a.da"));
    EXPECT_FALSE(EqualNoCase("a[", "A{"));  // '[' and '{' differ by the case bit but are no letters
    EXPECT_FALSE(EqualNoCase("\xE9t\xE9", "\xC9T\xC9"));  // Latin-1 accents are not folded
    EXPECT_EQ(UpperCase("tex_01.dtx"), "TEX_01.DTX");
}

}  // namespace

TEST(NameArena, NamesKeptInTheListsArenaReadBackAndCopiesOutliveIt) {
    std::string longName(70000, 'L');  // longer than one of the arena's blocks
    longName.back() = 'Z';
    EntryName copied;
    {
        FolderList list;
        RezFolder& root = list.Append("ROOT", nullptr);
        // Enough short names to fill several blocks, then a long one between them.
        for (int i = 0; i < 20000; ++i) {
            RezEntry& entry = root.entries.emplace_back();
            char name[16];
            std::snprintf(name, sizeof name, "E%d.DAT", i);
            entry.name = EntryName(list.Names(), name);
        }
        root.entries.emplace_back().name = EntryName(list.Names(), longName);
        root.entries.emplace_back().name = EntryName(list.Names(), std::string("CUT\0OFF", 7));
        root.entries.emplace_back().name = EntryName(list.Names(), "");

        // Moving the list (as a finished load is handed to the document) keeps the names.
        FolderList moved = std::move(list);
        const EntryList& entries = moved.Root()->entries;
        auto it = entries.begin();
        EXPECT_EQ(it->name, "E0.DAT");
        std::advance(it, 12345);
        EXPECT_EQ(it->name, "E12345.DAT");
        std::advance(it, 20000 - 12345 - 1);
        EXPECT_EQ(it->name, "E19999.DAT");
        ++it;
        EXPECT_EQ(it->name.size(), 70000u);
        EXPECT_EQ(it->name.OwnPart().back(), 'Z');
        copied = it->name;
        ++it;
        EXPECT_EQ(it->name, "CUT");
        ++it;
        EXPECT_TRUE(it->name.empty());

        // A renamed entry gets a name of its own; the others stay.
        RezEntry& first = moved.Root()->entries.front();
        FolderList::RenameItem(first, "RENAMED.TXT");
        EXPECT_EQ(first.name, "RENAMED.TXT");
        EXPECT_EQ(std::next(entries.begin())->name, "E1.DAT");
        moved.Clear();
        EXPECT_TRUE(moved.Empty());
    }
    // The copy is its own: the list and its arena are gone.
    EXPECT_EQ(copied.size(), 70000u);
    EXPECT_EQ(copied.OwnPart().front(), 'L');
    EXPECT_EQ(copied.OwnPart().back(), 'Z');
}
