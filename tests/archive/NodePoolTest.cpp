#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "archive/NodePool.h"
#include "archive/RezTree.h"

namespace {

RezEntry& AddEntry(RezFolder& folder, const std::string& name, std::uint32_t size) {
    RezEntry& entry = folder.entries.emplace_back();
    entry.name = name;
    entry.size = size;
    return entry;
}

std::string NumberedName(int i) {
    char name[16];
    std::snprintf(name, sizeof name, "E%d.DAT", i);
    return name;
}

}  // namespace

TEST(NodePool, NodesAreDistinctFreedOnesAreReusedAndTheLastFreeReturnsTheBlocks) {
    NodePool pool;
    constexpr std::size_t kSize = 40;
    // Two and a half blocks of 1,024 nodes: three blocks.
    std::vector<void*> nodes;
    for (int i = 0; i < 2560; ++i) {
        nodes.push_back(pool.Allocate(kSize));
        std::memset(nodes.back(), i & 0xFF, kSize);  // the whole node is the caller's
    }
    EXPECT_EQ(std::set<void*>(nodes.begin(), nodes.end()).size(), 2560u);
    EXPECT_EQ(pool.BlockCount(), 3u);
    EXPECT_EQ(pool.NodesInUse(), 2560u);
    // No node overlaps the next: each still holds its own bytes.
    std::size_t overwritten = 0;
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        const auto* bytes = static_cast<unsigned char*>(nodes[i]);
        const auto own = static_cast<unsigned char>(i & 0xFF);
        if (bytes[0] != own || bytes[kSize - 1] != own)
            ++overwritten;
    }
    EXPECT_EQ(overwritten, 0u);

    // The freed nodes come back, the last freed first, before any new room is taken.
    pool.Free(nodes[7]);
    pool.Free(nodes[2000]);
    EXPECT_EQ(pool.Allocate(kSize), nodes[2000]);
    EXPECT_EQ(pool.Allocate(kSize), nodes[7]);
    EXPECT_EQ(pool.BlockCount(), 3u);
    EXPECT_FALSE(pool.Serves(kSize + 8, alignof(int)));

    for (void* node : nodes)
        pool.Free(node);
    EXPECT_EQ(pool.NodesInUse(), 0u);
    EXPECT_EQ(pool.BlockCount(), 0u);
    // Empty, it starts over with a fresh block.
    void* again = pool.Allocate(kSize);
    EXPECT_EQ(pool.BlockCount(), 1u);
    pool.Free(again);
}

TEST(NodePool, EntriesKeepTheirAddressesWhenMovedBetweenFoldersAndTheOldFolderIsDeleted) {
    FolderList list;
    RezFolder& root = list.Append("ROOT", nullptr);
    RezFolder& from = list.Append("FROM", &root);
    RezFolder& to = list.Append("TO", &root);
    for (int i = 0; i < 3000; ++i)
        AddEntry(from, NumberedName(i), i);
    RezEntry& moved = *std::next(from.entries.begin(), 2500);
    RezEntry& kept = to.entries.emplace_back();
    kept.name = "KEPT.DAT";

    // As Move does: the node goes over, the entry stays where it is in memory.
    auto at = std::next(from.entries.begin(), 2500);
    to.entries.splice(to.entries.end(), from.entries, at);
    list.DeleteFolder(&from);
    ASSERT_EQ(to.entries.size(), 2u);
    EXPECT_EQ(&to.entries.back(), &moved);
    EXPECT_EQ(moved.name, "E2500.DAT");
    EXPECT_EQ(moved.size, 2500u);
    EXPECT_EQ(&to.entries.front(), &kept);
    EXPECT_EQ(kept.name, "KEPT.DAT");

    // A deleted entry's room is the next entry's.
    RezEntry* deleted = &kept;
    to.entries.pop_front();
    EXPECT_EQ(&AddEntry(root, "NEW.DAT", 1), deleted);
    EXPECT_EQ(list.TotalEntryCount(), 2u);
}

TEST(NodePool, AListMovedIntoAnotherKeepsItsEntriesAndTheEmptiedOneCanBeFilledAgain) {
    FolderList document;
    RezFolder& old = document.Append("OLD", nullptr);
    for (int i = 0; i < 1500; ++i)
        AddEntry(old, NumberedName(i), i);

    // As a finished load replaces what the document held.
    FolderList loaded;
    RezFolder& root = loaded.Append("LOADED", nullptr);
    for (int i = 0; i < 1500; ++i)
        AddEntry(root, NumberedName(i), 7);
    const RezEntry* last = &root.entries.back();
    document = std::move(loaded);
    ASSERT_EQ(document.Size(), 1u);
    EXPECT_EQ(document.Root()->name, "LOADED");
    EXPECT_EQ(&document.Root()->entries.back(), last);
    EXPECT_EQ(last->name, "E1499.DAT");
    EXPECT_EQ(document.TotalEntryCount(), 1500u);

    // The list left behind, and a cleared one, take new folders and entries.
    RezFolder& again = loaded.Append("AGAIN", nullptr);
    AddEntry(again, "ONE.DAT", 1);
    EXPECT_EQ(loaded.TotalEntryCount(), 1u);
    document.Clear();
    AddEntry(document.Append("NEXT", nullptr), "TWO.DAT", 2);
    EXPECT_EQ(document.Root()->entries.front().name, "TWO.DAT");
    EXPECT_EQ(document.TotalEntryCount(), 1u);
}
