// Adding a folder tree while its listings are read ahead: what is added, shown and reported
// follows the tree depth first in name order, as when every folder was listed on arrival.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "AppTestHost.h"

#if !defined(_WIN32)
#include <filesystem>
#endif

namespace {

// Names with a '#' have no form in the archive's text.
class NoHashNames : public NameCodec {
  public:
    bool ToArchive(const std::string& diskName, std::string& archiveName) const override {
        archiveName = diskName;
        return diskName.find('#') == std::string::npos;
    }
    bool ToDisk(const std::string& archiveName, std::string& diskName) const override {
        diskName = archiveName;
        return true;
    }
};

class NoHashHost : public AppTestHost {
  public:
    const NameCodec& Names() override { return names_; }

  private:
    NoHashNames names_;
};

struct FolderTreeAddingTest : ::testing::Test {
    NoHashHost host;
    CTarvexDoc doc{host};
    TempDir dir;

    FolderTreeAddingTest() {
        dir.Write("Tree/b.txt", "b");
        dir.Write("Tree/Zed/z.txt", "z");
        dir.Write("Tree/#skip/s.txt", "s");
        dir.Write("Tree/#skip/deep/d.txt", "d");
        dir.Write("Tree/Alpha/A2.txt", "a");
        dir.Write("Tree/Alpha/a1.txt", "a");
        dir.Write("Tree/Alpha/Inner/i.txt", "i");
        dir.Write("Tree/beta/b1.txt", "b");
    }
    std::string Line(const std::string& folder) { return "Adding Folder: " + dir.Path(folder); }
    std::vector<std::string> Entries(const std::string& folder) {
        const RezFolder* found = doc.Folders().FindFolderByPath(folder, false);
        return found ? EntryNames(*found) : std::vector<std::string>{"(no folder)"};
    }
};

TEST_F(FolderTreeAddingTest, FoldersComeDepthFirstInNameOrderAndAnUnstorableOneIsPassedOver) {
    RecordingProgress progress;
    EXPECT_TRUE(doc.Adding().AddFolder(dir.Path("Tree"), nullptr, true, progress));
    EXPECT_EQ(progress.line2, (std::vector<std::string>{
                                  Line("Tree"), Line("Tree/#skip"), Line("Tree/Alpha"),
                                  Line("Tree/Alpha/Inner"), Line("Tree/beta"), Line("Tree/Zed")}));
    EXPECT_EQ(host.prompts.Texts(),
              std::vector<std::string>{"Error adding: " + dir.Path("Tree/#skip")});
    EXPECT_EQ(Entries("Tree"), std::vector<std::string>{dir.Path("Tree/b.txt")});
    EXPECT_EQ(Entries("Tree\\Alpha"), (std::vector<std::string>{dir.Path("Tree/Alpha/a1.txt"),
                                                                dir.Path("Tree/Alpha/A2.txt")}));
    EXPECT_EQ(Entries("Tree\\Alpha\\Inner"),
              std::vector<std::string>{dir.Path("Tree/Alpha/Inner/i.txt")});
    EXPECT_EQ(Entries("Tree\\beta"), std::vector<std::string>{dir.Path("Tree/beta/b1.txt")});
    EXPECT_EQ(Entries("Tree\\Zed"), std::vector<std::string>{dir.Path("Tree/Zed/z.txt")});
    EXPECT_EQ(doc.Folders().Size(), 6u);  // the root and five
    EXPECT_EQ(doc.TotalEntryCount(), 6u);
}

TEST_F(FolderTreeAddingTest, CancelMidTreeKeepsTheFilesOfTheFoldersAlreadyEntered) {
    RecordingProgress cancelling(3);  // Tree, #skip and Alpha get through
    EXPECT_FALSE(doc.Adding().AddFolder(dir.Path("Tree"), nullptr, true, cancelling));
    // Every later folder is still shown, and ends there.
    EXPECT_EQ(
        cancelling.line2,
        (std::vector<std::string>{Line("Tree"), Line("Tree/#skip"), Line("Tree/Alpha"),
                                  Line("Tree/Alpha/Inner"), Line("Tree/beta"), Line("Tree/Zed")}));
    EXPECT_EQ(Entries("Tree"), std::vector<std::string>{dir.Path("Tree/b.txt")});
    EXPECT_EQ(Entries("Tree\\Alpha"), (std::vector<std::string>{dir.Path("Tree/Alpha/a1.txt"),
                                                                dir.Path("Tree/Alpha/A2.txt")}));
    EXPECT_EQ(doc.Folders().Size(), 3u);
    EXPECT_EQ(doc.TotalEntryCount(), 3u);
}

TEST_F(FolderTreeAddingTest, AFolderThatCannotBeListedAddsAnEmptyFolderWithoutAMessage) {
    RecordingProgress progress;
    EXPECT_TRUE(doc.Adding().AddFolder(dir.Path("Missing"), nullptr, true, progress));
    EXPECT_EQ(progress.line2, std::vector<std::string>{Line("Missing")});
    EXPECT_EQ(Entries("Missing"), std::vector<std::string>{});
    EXPECT_TRUE(host.prompts.Texts().empty());
    EXPECT_EQ(doc.LeftOut().Failures(), 0);
}

#if !defined(_WIN32)
// The threads of this process, by their identifiers in /proc.
std::set<std::string> Threads() {
    std::set<std::string> threads;
    for (const auto& task : std::filesystem::directory_iterator("/proc/self/task"))
        threads.insert(task.path().filename().string());
    return threads;
}

// Notes the threads running while each folder is shown.
class ThreadWatch : public RecordingProgress {
  public:
    using RecordingProgress::RecordingProgress;
    std::set<std::string> seen;
    void SetLine(int line, const std::string& text, bool compact) override {
        RecordingProgress::SetLine(line, text, compact);
        const std::set<std::string> now = Threads();
        seen.insert(now.begin(), now.end());
    }
};

TEST_F(FolderTreeAddingTest, NoThreadOutlivesTheAddWhetherItEndsOrIsCancelled) {
    for (int cancelAfter : {-1, 3}) {
        const std::set<std::string> before = Threads();
        ThreadWatch watch(cancelAfter);
        CTarvexDoc fresh{host};
        fresh.Adding().AddFolder(dir.Path("Tree"), nullptr, true, watch);
        EXPECT_GT(watch.seen.size(), before.size()) << "no helper seen at " << cancelAfter;
        const std::set<std::string> after = Threads();
        for (const std::string& thread : after)
            EXPECT_EQ(before.count(thread), 1u) << "left running at " << cancelAfter;
    }
}
#endif

}  // namespace
