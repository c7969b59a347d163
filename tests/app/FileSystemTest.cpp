#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "AppTestHost.h"
#include "platform/filesystem/FileSystem.h"

namespace {

TEST(FileSystem, PathTextUsesThePlatformSeparator) {
    const std::string sep(1, kPathSeparator);
    EXPECT_EQ(JoinPath("a", "b"), "a" + sep + "b");
    EXPECT_EQ(JoinPath("a" + sep, "b"), "a" + sep + "b");
    EXPECT_EQ(JoinPath("", "b"), "b");
    EXPECT_EQ(PathLeaf("x" + sep + "y" + sep + "z.txt"), "z.txt");
    EXPECT_EQ(PathLeaf("plain"), "plain");
    EXPECT_EQ(PathParent("x" + sep + "y" + sep + "z.txt"), "x" + sep + "y");
    EXPECT_EQ(PathParent("plain"), "");
#if defined(_WIN32)
    EXPECT_EQ(PathLeaf("C:/dir/file.txt"), "file.txt");
#endif
}

TEST(FileSystem, ListsItemsWithTheirKindAndReadsStatus) {
    TempDir dir;
    dir.Write("file.txt", "12345");
    dir.MakeDir("folder");
    std::vector<DirectoryItem> items;
    ASSERT_TRUE(ListDirectory(dir.Path(), items));
    std::sort(items.begin(), items.end(),
              [](const DirectoryItem& a, const DirectoryItem& b) { return a.name < b.name; });
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0].name, "file.txt");
    EXPECT_FALSE(items[0].isDirectory);
    EXPECT_EQ(items[1].name, "folder");
    EXPECT_TRUE(items[1].isDirectory);
    EXPECT_FALSE(ListDirectory(dir.Path("missing"), items));
    EXPECT_TRUE(items.empty());

    const auto status = ReadFileStatus(dir.Path("file.txt"));
    ASSERT_TRUE(status.has_value());
    EXPECT_EQ(status->size, 5u);
    EXPECT_FALSE(status->isDirectory);
    const auto written = std::filesystem::last_write_time(dir.Path("file.txt"));
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(
        std::chrono::file_clock::to_sys(written).time_since_epoch());
    EXPECT_EQ(status->modified, static_cast<std::uint32_t>(seconds.count()));
    EXPECT_TRUE(ReadFileStatus(dir.Path("folder"))->isDirectory);
    EXPECT_FALSE(ReadFileStatus(dir.Path("missing")).has_value());
    EXPECT_FALSE(ReadFileStatus("").has_value());
}

TEST(FileSystem, CreatesNestedDirectoriesAndAcceptsExistingOnes) {
    TempDir dir;
    const std::string deep = dir.Path("a/b/c");
    EXPECT_TRUE(CreateDirectories(deep));
    EXPECT_TRUE(std::filesystem::is_directory(deep));
    EXPECT_TRUE(CreateDirectories(deep));
    const std::string file = dir.Write("plain.txt", "x");
    EXPECT_FALSE(CreateDirectories(JoinPath(file, "below")));
}

TEST(FileSystem, RecognisesAnotherSpellingOfTheSameFile) {
    TempDir dir;
    const std::string file = dir.Write("sub/same.rez", "x");
    const std::string detour =
        JoinPath(JoinPath(JoinPath(dir.Path(), "sub"), ".."), JoinPath("sub", "same.rez"));
    EXPECT_TRUE(IsSameFile(file, detour));
    EXPECT_FALSE(IsSameFile(file, dir.Write("other.rez", "x")));
    EXPECT_FALSE(IsSameFile(file, dir.Path("missing.rez")));
    EXPECT_EQ(FullPathName(detour), file);

    // A path relative to the working folder: a folder of the test's own made there.
    const TempDir here("tarvex", std::filesystem::current_path());
    const std::string local = here.Write("sub/same.rez", "x");
    const std::string relative =
        (std::filesystem::path(here.Root()).filename() / "sub" / "same.rez").string();
    EXPECT_TRUE(IsSameFile(relative, local));
    EXPECT_FALSE(IsSameFile(relative, file));
    EXPECT_EQ(FullPathName(relative), local);
}

}  // namespace
