#include <gtest/gtest.h>

#include "archive/ArchiveTestFiles.h"
#include "archive/DiskFileOpener.h"
#include "platform/filesystem/BinaryFile.h"

namespace {

using archive_test::ReadAll;
using archive_test::ScratchDir;
using archive_test::WriteAll;

std::string Pattern(std::size_t size) {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<char>(i * 7 + i / 251);
    return bytes;
}

TEST(BinaryFile, WritesSeeksAndReadsBack) {
    ScratchDir dir;
    const std::string path = dir.Path("f.bin");
    {
        BinaryFile file;
        ASSERT_TRUE(file.Create(path));
        EXPECT_TRUE(file.Write("hello world", 11));
        EXPECT_EQ(file.Tell(), 11u);
        EXPECT_TRUE(file.Seek(6));
        EXPECT_TRUE(file.Write("WORLD", 5));
        EXPECT_EQ(file.Size(), 11u);
        EXPECT_EQ(file.Tell(), 11u);
        EXPECT_TRUE(file.Close());
    }
    BinaryFile file;
    ASSERT_TRUE(file.OpenRead(path));
    EXPECT_EQ(file.Size(), 11u);
    char buffer[32] = {};
    EXPECT_TRUE(file.Seek(6));
    EXPECT_EQ(file.Read(buffer, sizeof buffer), 5u);  // only what is left
    EXPECT_EQ(std::string(buffer, 5), "WORLD");
    EXPECT_EQ(file.Read(buffer, sizeof buffer), 0u);
}

TEST(BinaryFile, CreateTruncatesAndMissingFilesDoNotOpen) {
    ScratchDir dir;
    const std::string path = dir.Path("f.bin");
    WriteAll(path, "old content");
    {
        BinaryFile file;
        ASSERT_TRUE(file.Create(path));
        file.Write("new", 3);
    }
    EXPECT_EQ(ReadAll(path), "new");
    BinaryFile missing;
    EXPECT_FALSE(missing.OpenRead(dir.Path("nothing.bin")));
    EXPECT_FALSE(missing.IsOpen());
    EXPECT_EQ(missing.Read(nullptr, 4), 0u);
    EXPECT_FALSE(missing.Write("x", 1));
    EXPECT_FALSE(BinaryFile().Create(dir.Path("no-such-folder/f.bin")));
}

TEST(BinaryFile, MovedHandleKeepsTheFileOpen) {
    ScratchDir dir;
    BinaryFile first;
    ASSERT_TRUE(first.Create(dir.Path("f.bin")));
    BinaryFile second = std::move(first);
    EXPECT_FALSE(first.IsOpen());
    EXPECT_TRUE(second.Write("abc", 3));
    EXPECT_TRUE(second.Close());
    EXPECT_EQ(ReadAll(dir.Path("f.bin")), "abc");
}

TEST(CopyRange, CopiesAcrossSeveralChunks) {
    ScratchDir dir;
    const std::string source = Pattern(3 * 1024 * 1024 + 17);
    WriteAll(dir.Path("src"), source);
    BinaryFile from, to;
    ASSERT_TRUE(from.OpenRead(dir.Path("src")));
    ASSERT_TRUE(to.Create(dir.Path("dst")));
    to.Write("head", 4);
    const std::uint32_t size = static_cast<std::uint32_t>(source.size() - 5);
    ASSERT_TRUE(CopyRange(from, 5, size, to));
    to.Close();
    EXPECT_EQ(ReadAll(dir.Path("dst")), "head" + source.substr(5));
}

TEST(CopyRange, FillsWhatTheSourceNoLongerHasWithZeros) {
    ScratchDir dir;
    WriteAll(dir.Path("src"), "0123456789");
    BinaryFile from, to;
    ASSERT_TRUE(from.OpenRead(dir.Path("src")));
    ASSERT_TRUE(to.Create(dir.Path("dst")));
    ASSERT_TRUE(CopyRange(from, 6, 8, to));    // runs past the end
    ASSERT_TRUE(CopyRange(from, 100, 3, to));  // starts past the end
    ASSERT_TRUE(CopyRange(from, 0, 0, to));
    to.Close();
    EXPECT_EQ(ReadAll(dir.Path("dst")), std::string("6789") + std::string(7, '\0'));
}

TEST(CopyRange, AClosedSourceGivesZerosAndAClosedTargetFails) {
    ScratchDir dir;
    BinaryFile none, to;
    ASSERT_TRUE(to.Create(dir.Path("dst")));
    EXPECT_TRUE(CopyRange(none, 0, 5, to));
    to.Close();
    EXPECT_EQ(ReadAll(dir.Path("dst")), std::string(5, '\0'));
    BinaryFile closed;
    EXPECT_FALSE(CopyRange(none, 0, 5, closed));
}

}  // namespace

namespace {

TEST(DiskFileOpener, OpensFilesOfChangingFoldersAndRefusesMissingOnes) {
    ScratchDir dir;
    std::filesystem::create_directories(dir.Path("a"));
    std::filesystem::create_directories(dir.Path("b"));
    WriteAll(dir.Path("a/x"), "ax");
    WriteAll(dir.Path("b/x"), "bx");
    WriteAll(dir.Path("a/y"), "ay");
    DiskFileOpener opener;
    auto read = [&](const std::string& path) {
        BinaryFile file;
        if (!opener.Open(path, file))
            return std::string("missing");
        char text[8] = {};
        return std::string(text, file.Read(text, sizeof text));
    };
    EXPECT_EQ(read(dir.Path("a/x")), "ax");
    EXPECT_EQ(read(dir.Path("a/y")), "ay");
    EXPECT_EQ(read(dir.Path("b/x")), "bx");
    EXPECT_EQ(read(dir.Path("a/x")), "ax");
    EXPECT_EQ(read(dir.Path("a/gone")), "missing");
    EXPECT_EQ(read(dir.Path("nowhere/x")), "missing");
    EXPECT_EQ(read("no-folder-given"), "missing");
}

}  // namespace
