// Trees holding things that are no regular files: pipes, sockets, devices and links that lead
// back up. Adding and saving such a tree runs in a child process under an alarm, so a hang
// fails the test instead of stopping the suite.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#if !defined(_WIN32)
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <iostream>

#include "AppTestHost.h"

namespace {

namespace fs = std::filesystem;

constexpr unsigned kSecondsAllowed = 20;

// A socket file at path; the descriptor stays open for the test's duration.
int MakeSocketFile(const std::string& path) {
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
    EXPECT_EQ(bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0) << path;
    return fd;
}

struct DiskItemsTest : ::testing::Test {
    TempDir dir;
    int socketFd = -1;

    void SetUp() override {
        // Fork only: the child must add the tree this fixture made, not one of its own.
        GTEST_FLAG_SET(death_test_style, "fast");
        dir.Write("Tree/keep.txt", "kept");
        dir.Write("Tree/Sub/deep.txt", "deep");
        ASSERT_EQ(mkfifo(dir.Path("Tree/pipe").c_str(), 0600), 0);
        socketFd = MakeSocketFile(dir.Path("Tree/Sub/sock"));
        fs::create_symlink("/dev/zero", dir.Path("Tree/zero"));
        fs::create_directory_symlink("..", dir.Path("Tree/Sub/up"));
        fs::create_directory_symlink("../..", dir.Path("Tree/Sub/top"));
        dir.Write("outside.txt", "beside the tree, never added");
    }
    void TearDown() override { close(socketFd); }

    // In the child: adds the tree and saves it; prints the messages to the error stream.
    [[noreturn]] void AddAndSave(const std::string& archive) {
        alarm(kSecondsAllowed);
        AppTestHost host;
        CTarvexDoc doc(host);
        RecordingProgress progress;
        doc.Adding().AddFolder(dir.Path("Tree"), nullptr, true, progress);
        host.prompts.saveFiles.push_back(archive);
        doc.FileSaveAs();
        doc.FinishJobs();
        for (const std::string& text : host.prompts.Texts())
            std::cerr << text << "\n";
        std::_Exit(doc.IsModified() ? 1 : 0);
    }
};

TEST_F(DiskItemsTest, OnlyRegularFilesAndFoldersAreAddedAndNothingHangs) {
    const std::string archive = dir.Path("tree.rez");
    // Each skipped item is named once; the saver is never asked to read one.
    using ::testing::HasSubstr;
    EXPECT_EXIT(AddAndSave(archive), ::testing::ExitedWithCode(0),
                ::testing::AllOf(HasSubstr("Error adding: " + dir.Path("Tree/pipe") + "\n"),
                                 HasSubstr("Error adding: " + dir.Path("Tree/zero") + "\n"),
                                 HasSubstr("Error adding: " + dir.Path("Tree/Sub/sock") + "\n")));

    AppTestHost host;
    CTarvexDoc saved(host);
    saved.OpenDocument(archive);
    saved.FinishJobs();
    ASSERT_FALSE(saved.LastOpenFailed());
    std::vector<std::string> paths;
    saved.Folders().ForEach([&](const RezFolder& folder) {
        for (const RezEntry& entry : folder.entries)
            paths.push_back(saved.Folders().FolderPath(&folder, false) + "\\" + entry.name);
    });
    std::sort(paths.begin(), paths.end());
    EXPECT_EQ(paths, (std::vector<std::string>{"TREE\\KEEP.TXT", "TREE\\SUB\\DEEP.TXT"}));
    EXPECT_EQ(saved.Folders().Size(), 3u);  // the root, TREE and SUB: no link was followed
}

TEST_F(DiskItemsTest, ASocketIsSkippedWithItsMessage) {
    AppTestHost host;
    CTarvexDoc doc(host);
    RecordingProgress progress;
    doc.Adding().AddFiles({dir.Path("Tree/Sub/sock"), dir.Path("Tree/keep.txt")}, nullptr,
                          progress);
    EXPECT_EQ(EntryNames(*doc.Root()), std::vector<std::string>{dir.Path("Tree/keep.txt")});
    EXPECT_EQ(host.prompts.Texts(),
              std::vector<std::string>{"Error adding: " + dir.Path("Tree/Sub/sock")});
    // Skipped on purpose: no failure of the command, but an item left out.
    EXPECT_EQ(doc.LeftOut().Failures(), 0);
    EXPECT_EQ(doc.LeftOut().Total(), 1);
}

}  // namespace
#endif
