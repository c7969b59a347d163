#include "app/FolderReadAhead.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <map>
#include <mutex>
#include <set>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace {

// "R/a/b" with the platform's separator.
std::string P(std::string path) {
    for (char& c : path) {
        if (c == '/')
            c = kPathSeparator;
    }
    return path;
}

DirectoryItem Dir(const std::string& name) {
    DirectoryItem item;
    item.name = name;
    item.isDirectory = true;
    return item;
}

DirectoryItem File(const std::string& name, std::uint64_t size = 1) {
    DirectoryItem item;
    item.name = name;
    item.status = FileStatus{false, false, size, 0};
    item.readable = true;
    return item;
}

// A folder tree in memory, listed in the order given, that records which folder was listed
// on which thread and can hold a listing until the test lets it go.
class FakeTree {
  public:
    std::map<std::string, std::vector<DirectoryItem>> folders;

    FolderReadAhead::Lister Lister() {
        return [this](const std::string& path, std::vector<DirectoryItem>& items) {
            return List(path, items);
        };
    }
    void Hold(const std::string& path) {
        std::lock_guard lock(mutex_);
        held_.insert(path);
    }
    void Release(const std::string& path) {
        std::lock_guard lock(mutex_);
        held_.erase(path);
        changed_.notify_all();
    }
    // False when the folder was not listed in good time: the test fails instead of hanging.
    bool WaitUntilListed(const std::string& path) {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, kPatience, [&] { return listedBy_.count(path) != 0; });
    }
    bool WaitForListings(std::size_t count) {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, kPatience, [&] { return calls_.size() >= count; });
    }
    std::vector<std::string> Calls() {
        std::lock_guard lock(mutex_);
        return calls_;
    }
    // The thread that listed the folder (the default identifier when none did).
    std::thread::id ListedBy(const std::string& path) {
        std::lock_guard lock(mutex_);
        const auto found = listedBy_.find(path);
        return found == listedBy_.end() ? std::thread::id() : found->second;
    }
    bool HeldTooLong() {
        std::lock_guard lock(mutex_);
        return heldTooLong_;
    }

  private:
    static constexpr std::chrono::seconds kPatience{10};

    bool List(const std::string& path, std::vector<DirectoryItem>& items) {
        std::unique_lock lock(mutex_);
        calls_.push_back(path);
        listedBy_[path] = std::this_thread::get_id();
        changed_.notify_all();
        if (!changed_.wait_for(lock, kPatience, [&] { return held_.count(path) == 0; }))
            heldTooLong_ = true;
        const auto found = folders.find(path);
        if (found == folders.end()) {
            items.clear();
            return false;
        }
        items = found->second;
        return true;
    }

    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<std::string> calls_;
    std::map<std::string, std::thread::id> listedBy_;
    std::set<std::string> held_;
    bool heldTooLong_ = false;
};

// Visits a tree as adding a folder does, depth first, and notes each folder's items.
void Walk(FolderReadAhead& readAhead, FolderReadAhead::Folder folder, const std::string& path,
          std::vector<std::string>& visited) {
    const FolderReadAhead::Listing& listing = readAhead.Take(folder);
    std::string line = path + ":";
    for (const DirectoryItem& item : listing.items)
        line += " " + item.name;
    visited.push_back(line);
    std::size_t subfolders = 0;
    for (const DirectoryItem& item : listing.items) {
        if (item.isDirectory) {
            Walk(readAhead, readAhead.Subfolder(listing, subfolders++),
                 path + kPathSeparator + item.name, visited);
        }
    }
}

struct FolderReadAheadTest : ::testing::Test {
    FakeTree tree;

    void SetUp() override {
        tree.folders[P("R")] = {File("zeta"), Dir("Maps"),     Dir("alpha"),    File("alpha.X"),
                                Dir("Beta"),  File("ALPHA.x"), File("beta.txt")};
        tree.folders[P("R/alpha")] = {Dir("two"), Dir("One")};
        tree.folders[P("R/alpha/One")] = {File("f")};
        tree.folders[P("R/alpha/two")] = {};
        tree.folders[P("R/Beta")] = {Dir("inner")};
        tree.folders[P("R/Beta/inner")] = {File("x")};
        tree.folders[P("R/Maps")] = {File("m")};
    }
};

const std::vector<std::string> kDepthFirst = {P("R"),           P("R/alpha"), P("R/alpha/One"),
                                              P("R/alpha/two"), P("R/Beta"),  P("R/Beta/inner"),
                                              P("R/Maps")};

TEST_F(FolderReadAheadTest, TheHelperListsAheadInTheOrderTheFoldersAreVisited) {
    FolderReadAhead readAhead(P("R"), tree.Lister());
    {
        FolderReadAhead::Folder root = readAhead.Root();
        const FolderReadAhead::Listing& listing = readAhead.Take(root);
        // Everything below the root is read ahead before anything more is taken.
        ASSERT_TRUE(tree.WaitForListings(kDepthFirst.size()));
        EXPECT_EQ(tree.Calls(), kDepthFirst);
        EXPECT_EQ(tree.ListedBy(P("R")), std::this_thread::get_id());
        EXPECT_NE(tree.ListedBy(P("R/alpha/One")), std::this_thread::get_id());

        std::vector<std::string> names;
        for (const DirectoryItem& item : listing.items)
            names.push_back(item.name);
        // Without regard to case; equal names in the order listed.
        EXPECT_EQ(names, (std::vector<std::string>{"alpha", "alpha.X", "ALPHA.x", "Beta",
                                                   "beta.txt", "Maps", "zeta"}));
        FolderReadAhead::Folder alpha = readAhead.Subfolder(listing, 0);
        const FolderReadAhead::Listing& alphaListing = readAhead.Take(alpha);
        ASSERT_EQ(alphaListing.items.size(), 2u);
        EXPECT_EQ(alphaListing.items[0].name, "One");
        EXPECT_EQ(alphaListing.items[1].name, "two");
    }
    EXPECT_EQ(tree.Calls().size(), kDepthFirst.size());  // each folder once
}

TEST_F(FolderReadAheadTest, EveryFolderIsListedOnceWhicheverThreadGetsThereFirst) {
    // Room for one listing ahead: the walk and the helper keep meeting.
    for (std::size_t itemsAhead : {std::size_t{1}, std::size_t{3}, std::size_t{4096}}) {
        FakeTree fresh;
        fresh.folders = tree.folders;
        FolderReadAhead readAhead(P("R"), fresh.Lister(), itemsAhead);
        std::vector<std::string> visited;
        Walk(readAhead, readAhead.Root(), P("R"), visited);
        EXPECT_EQ(visited, (std::vector<std::string>{
                               P("R: alpha alpha.X ALPHA.x Beta beta.txt Maps zeta"),
                               P("R/alpha: One two"), P("R/alpha/One: f"), P("R/alpha/two:"),
                               P("R/Beta: inner"), P("R/Beta/inner: x"), P("R/Maps: m")}))
            << itemsAhead;
        std::vector<std::string> calls = fresh.Calls();
        std::sort(calls.begin(), calls.end());
        std::vector<std::string> expected = kDepthFirst;
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(calls, expected) << itemsAhead;
    }
}

TEST_F(FolderReadAheadTest, EqualNamesKeepTheirListedOrderInALargeFolder) {
    // Sizes tell apart items of one name; enough of them that a sort must keep order itself.
    std::vector<DirectoryItem> items;
    for (std::uint64_t i = 0; i < 60; ++i)
        items.push_back(File(i % 3 == 0 ? "z" : (i % 2 ? "n" : "N"), i));
    tree.folders[P("Big")] = items;
    FolderReadAhead readAhead(P("Big"), tree.Lister());
    FolderReadAhead::Folder root = readAhead.Root();
    std::vector<std::uint64_t> sizes;
    for (const DirectoryItem& item : readAhead.Take(root).items)
        sizes.push_back(item.status->size);
    std::vector<std::uint64_t> expected;
    for (std::uint64_t i = 0; i < 60; ++i) {
        if (i % 3 != 0)
            expected.push_back(i);
    }
    for (std::uint64_t i = 0; i < 60; i += 3)
        expected.push_back(i);
    EXPECT_EQ(sizes, expected);
}

TEST_F(FolderReadAheadTest, OnlyABoundedNumberOfItemsIsListedAhead) {
    tree.folders[P("Flat")] = {Dir("a"), Dir("b"), Dir("c"), Dir("d"), Dir("e"), Dir("f")};
    for (const char* name : {"Flat/a", "Flat/b", "Flat/c", "Flat/d", "Flat/e", "Flat/f"})
        tree.folders[P(name)] = {};
    // An empty folder counts as one item: three of them fill the room.
    FolderReadAhead readAhead(P("Flat"), tree.Lister(), 3);
    FolderReadAhead::Folder root = readAhead.Root();
    const FolderReadAhead::Listing& listing = readAhead.Take(root);
    ASSERT_TRUE(tree.WaitForListings(4));
    for (std::size_t i = 0; i < 6; ++i) {
        // The helper lists only once a folder before has been taken.
        const std::size_t listed = tree.Calls().size() - 1;
        EXPECT_LE(listed, i + 3) << i;
        FolderReadAhead::Folder folder = readAhead.Subfolder(listing, i);
        EXPECT_TRUE(readAhead.Take(folder).items.empty());
    }
    EXPECT_EQ(tree.Calls().size(), 7u);
}

TEST_F(FolderReadAheadTest, AFolderPassedOverIsNeverWaitedOnAndNothingBelowItIsRead) {
    tree.folders[P("R/Beta")] = {Dir("inner"), Dir("second")};
    tree.folders[P("R/Beta/second")] = {};
    FolderReadAhead readAhead(P("R"), tree.Lister());
    tree.Hold(P("R/alpha"));
    FolderReadAhead::Folder root = readAhead.Root();
    const FolderReadAhead::Listing& listing = readAhead.Take(root);
    ASSERT_TRUE(tree.WaitUntilListed(P("R/alpha")));  // under way on the helper, held
    { FolderReadAhead::Folder alpha = readAhead.Subfolder(listing, 0); }  // passed over
    // Beta is listed here rather than after alpha, which the helper still holds.
    FolderReadAhead::Folder beta = readAhead.Subfolder(listing, 1);
    const FolderReadAhead::Listing& betaListing = readAhead.Take(beta);
    ASSERT_EQ(betaListing.items.size(), 2u);
    EXPECT_EQ(tree.ListedBy(P("R/Beta")), std::this_thread::get_id());
    tree.Release(P("R/alpha"));
    // The helper goes on with what is visited next, not with what lay below alpha.
    ASSERT_TRUE(tree.WaitUntilListed(P("R/Beta/second")));
    EXPECT_EQ(tree.ListedBy(P("R/alpha/One")), std::thread::id());
    EXPECT_EQ(tree.ListedBy(P("R/alpha/two")), std::thread::id());
    EXPECT_FALSE(tree.HeldTooLong());
}

TEST_F(FolderReadAheadTest, AFolderThatCannotBeListedIsEmptyAndAFailureComesBackToTheTaker) {
    tree.folders.erase(P("R/alpha/One"));  // gone since its parent was listed
    std::vector<std::string> visited;
    {
        FolderReadAhead readAhead(P("R"), tree.Lister());
        Walk(readAhead, readAhead.Root(), P("R"), visited);
    }
    ASSERT_EQ(visited.size(), 7u);
    EXPECT_EQ(visited[2], P("R/alpha/One:"));
    EXPECT_EQ(visited[3], P("R/alpha/two:"));  // and what follows is still there
    EXPECT_EQ(visited[6], P("R/Maps: m"));

    FolderReadAhead throwing(P("R"),
                             [](const std::string& path, std::vector<DirectoryItem>& items) {
                                 if (path == P("R/Maps"))
                                     throw std::runtime_error("no memory for Maps");
                                 items.clear();
                                 if (path == P("R"))
                                     items = {Dir("Maps"), Dir("Other")};
                                 return true;
                             });
    FolderReadAhead::Folder root = throwing.Root();
    const FolderReadAhead::Listing& listing = throwing.Take(root);
    FolderReadAhead::Folder maps = throwing.Subfolder(listing, 0);
    EXPECT_THROW(throwing.Take(maps), std::runtime_error);
}

}  // namespace
