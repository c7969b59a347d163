// Extraction writes files on worker threads: these folders hold more files than the workers
// are given at once, so failures, Cancel and planted links land while others are in flight.
#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <cstdio>
#include <filesystem>
#include <set>

#include "AppTestHost.h"
#include "platform/filesystem/FileSystem.h"

namespace {

namespace fs = std::filesystem;

constexpr int kFiles = 300;

std::string FileName(int i) {
    char name[16];
    std::snprintf(name, sizeof name, "F%03d.TXT", i);
    return name;
}

// Every 37th file is too large to be read with its neighbours.
std::string Content(const std::string& folder, int i) {
    std::string text = folder + " file " + std::to_string(i) + "\n";
    if (i % 37 == 5) {
        while (text.size() < 70000)
            text += std::to_string(text.size()) + " ";
    }
    return text;
}

// Root: F000..F299 and folders A and B, each with F000..F299 as well.
struct ExtractionPoolTest : ::testing::Test {
    AppTestHost host;
    CTarvexDoc doc{host};
    TempDir dir;
    RecordingProgress progress;
    std::string out;

    void SetUp() override {
        for (const std::string folder : {"", "A/", "B/"}) {
            for (int i = 0; i < kFiles; ++i)
                dir.Write("src/" + folder + FileName(i), Content(folder, i));
        }
        doc.SetBatchFlag(true);
        doc.Adding().AddFolder(dir.Path("src"), nullptr, true, progress);
        doc.SetBatchFlag(false);
        host.prompts.saveFiles.push_back(dir.Path("pool.rez"));
        doc.FileSave();
        doc.FinishJobs();
        ASSERT_FALSE(doc.IsModified());
        out = dir.MakeDir("out");
    }

    std::string OutPath(const std::string& relative) const {
        return (fs::path(out) / relative).make_preferred().string();
    }
    static std::string Refused(const std::string& path) {
        return "Extraction error on file: " + path + "\n!";
    }
    // The regular files below out, as relative paths.
    std::set<std::string> FilesWritten() const {
        std::set<std::string> files;
        for (const auto& item : fs::recursive_directory_iterator(out)) {
            if (item.is_regular_file() && !item.is_symlink())
                files.insert(fs::relative(item.path(), out).generic_string());
        }
        return files;
    }
    void ExpectFolderWritten(const std::string& folder, std::set<int> except = {}) {
        for (int i = 0; i < kFiles; ++i) {
            if (except.count(i) == 0) {
                ASSERT_EQ(ReadWholeFile(OutPath(folder + FileName(i))), Content(folder, i)) << i;
            }
        }
    }
};

TEST_F(ExtractionPoolTest, EveryFileArrivesWhole) {
    ASSERT_TRUE(doc.Extraction().ExtractArchive(nullptr, out, progress));
    ExpectFolderWritten("A/");
    ExpectFolderWritten("B/");
    ExpectFolderWritten("");
    EXPECT_EQ(FilesWritten().size(), 3u * kFiles);
    EXPECT_TRUE(host.prompts.Texts().empty());
    EXPECT_EQ(progress.done, std::uint32_t{kFiles});
    EXPECT_EQ(progress.total, std::uint32_t{kFiles});
}

TEST_F(ExtractionPoolTest, FailuresInTheMiddleAreReportedInOrderAndTheRestIsWritten) {
    // A directory where A/F150 goes, a file where folder B goes, a directory where F010 goes.
    dir.MakeDir("out/A/F150.TXT");
    dir.Write("out/B", "in the way");
    dir.MakeDir("out/F010.TXT");
    EXPECT_FALSE(doc.Extraction().ExtractArchive(nullptr, out, progress));
    const std::vector<std::string> expected = {Refused(OutPath("A/F150.TXT")),
                                               Refused(OutPath("B")), Refused(OutPath("F010.TXT"))};
    EXPECT_EQ(host.prompts.Texts(), expected);
    EXPECT_EQ(doc.LeftOut().Failures(), 3);
    ExpectFolderWritten("A/", {150});
    ExpectFolderWritten("", {10});
    EXPECT_EQ(ReadWholeFile(OutPath("B")), "in the way");
    EXPECT_EQ(FilesWritten().size(), 2u * kFiles - 2 + 1);
}

TEST_F(ExtractionPoolTest, NothingIsWrittenFromTheCancelledFileOn) {
    // Polls: the root, A, its 300 files, B, its 300 files, then the root's own files. Cancel
    // at B's file 120.
    RecordingProgress cancelling(1 + 1 + kFiles + 1 + 120);
    EXPECT_FALSE(doc.Extraction().ExtractArchive(nullptr, out, cancelling));
    std::set<std::string> expected;
    for (int i = 0; i < kFiles; ++i)
        expected.insert("A/" + FileName(i));
    for (int i = 0; i < 120; ++i)
        expected.insert("B/" + FileName(i));
    EXPECT_EQ(FilesWritten(), expected);
    ExpectFolderWritten("A/");
    for (int i = 0; i < 120; ++i)
        EXPECT_EQ(ReadWholeFile(OutPath("B/" + FileName(i))), Content("B/", i));
    EXPECT_TRUE(host.prompts.Texts().empty());
}

#ifndef _WIN32
TEST_F(ExtractionPoolTest, ALinkPlantedAmongManyFilesIsNotFollowed) {
    const std::string victim = dir.Write("outside/victim.txt", "keep me");
    dir.MakeDir("out/A");
    fs::create_symlink(victim, OutPath("A/F200.TXT"));
    fs::create_symlink(dir.Path("outside/made.txt"), OutPath("A/F201.TXT"));
    EXPECT_FALSE(doc.Extraction().ExtractArchive(nullptr, out, progress));
    EXPECT_EQ(ReadWholeFile(victim), "keep me");
    EXPECT_FALSE(fs::exists(dir.Path("outside/made.txt")));
    EXPECT_TRUE(fs::is_symlink(OutPath("A/F200.TXT")));
    EXPECT_EQ(host.prompts.Texts(), (std::vector<std::string>{Refused(OutPath("A/F200.TXT")),
                                                              Refused(OutPath("A/F201.TXT"))}));
    ExpectFolderWritten("A/", {200, 201});
    ExpectFolderWritten("B/");
}

TEST_F(ExtractionPoolTest, APipePlantedInTheDestinationIsRefusedWithoutWaiting) {
    dir.MakeDir("out/B");
    ASSERT_EQ(mkfifo(OutPath("B/F007.TXT").c_str(), 0666), 0);
    EXPECT_FALSE(doc.Extraction().ExtractArchive(nullptr, out, progress));
    EXPECT_EQ(host.prompts.Texts(), std::vector<std::string>{Refused(OutPath("B/F007.TXT"))});
    ExpectFolderWritten("B/", {7});
}
#endif

}  // namespace
