// Saving under faults: a full disk, a process killed part-way, the source archive cut or
// removed while it is read, and names and links that the temporary file must not be confused
// with. Whatever happens, the archive under its name is the old file or the complete new one.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <functional>

#include "archive/ArchiveFixture.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <signal.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <climits>
#include <csignal>
#endif

namespace {

using namespace archive_test;
namespace fs = std::filesystem;

// Entry contents that differ from one entry and one byte to the next.
std::string Pattern(std::size_t size, unsigned seed) {
    std::string bytes(size, '\0');
    std::uint32_t state = seed * 2654435761u + 1;
    for (char& byte : bytes) {
        state = state * 1103515245u + 12345u;
        byte = static_cast<char>(state >> 24);
    }
    return bytes;
}

struct SaveFault : ArchiveFixture {
    FolderList document;
    std::string archive;                // the document's archive
    std::string original;               // its bytes before any save of the test
    std::vector<std::string> before;    // every entry's data in folder-list order, in it
    std::vector<std::string> expected;  // the same after a save of the document
    const std::string added = Pattern(200000, 99);  // the document's new entry

    // An archive of three folders and twelve entries from 1 byte to 300 KB, loaded as the
    // document, which then gains a new entry: a complete save writes a different file.
    void SetUp() override {
        const std::size_t sizes[] = {1,     700, 300000, 4096,  65536, 12,
                                     90000, 10,  260000, 33333, 5,     128000};
        FolderList first;
        RezFolder& root = first.Append("Untitled", nullptr);
        RezFolder& maps = first.Append("Maps", &root);
        RezFolder& skins = first.Append("Skins", &maps);
        RezFolder* homes[] = {&root, &maps, &skins};
        std::vector<std::string> byFolder[3];
        for (unsigned i = 0; i < 12; ++i) {
            const std::string name = "entry" + std::to_string(i) + ".dat";
            const std::string content = Pattern(sizes[i], i);
            homes[i % 3]->entries.push_back(
                NewEntry(DiskFile(name, content), std::uint32_t(content.size()), i, i));
            byFolder[i % 3].push_back(content);
        }
        archive = dir.Path("game.rez");
        ASSERT_TRUE(Save(first, archive));
        original = ReadAll(archive);
        ASSERT_TRUE(Load(archive, document));
        for (const auto& folder : byFolder)
            before.insert(before.end(), folder.begin(), folder.end());

        document.Root()->entries.push_back(NewEntry(DiskFile("added.dtx", added), 200000, 9, 9));
        byFolder[0].push_back(added);
        for (const auto& folder : byFolder)
            expected.insert(expected.end(), folder.begin(), folder.end());
        prompts.asked.clear();
    }

    // Every entry's data as read through a fresh load of path.
    std::vector<std::string> LoadedContents(const std::string& path) {
        FolderList folders;
        if (!Load(path, folders))
            return {};
        const std::string bytes = ReadAll(path);
        std::vector<std::string> data;
        folders.ForEach([&](const RezFolder& folder) {
            for (const RezEntry& entry : folder.entries)
                data.push_back(bytes.substr(entry.dataPosition, entry.size));
        });
        return data;
    }

    // The original archive, byte for byte, and it still loads with its twelve entries.
    bool OriginalIntact() {
        return ReadAll(archive) == original && LoadedContents(archive) == before;
    }

    // The complete new archive at path.
    bool NewArchiveAt(const std::string& path) { return LoadedContents(path) == expected; }

    std::vector<std::string> TemporaryFiles() const {
        std::vector<std::string> found;
        for (const std::string& name : dir.Files()) {
            if (name.find(".saving") != std::string::npos)
                found.push_back(name);
        }
        return found;
    }

    // The files of the folder other than the entries' disk files.
    std::vector<std::string> ArchiveFiles() const {
        std::vector<std::string> found;
        for (const std::string& name : dir.Files()) {
            if (name.find(".dat") == std::string::npos && name.find(".dtx") == std::string::npos)
                found.push_back(name);
        }
        return found;
    }
};

TEST_F(SaveFault, LeftoversOfTheSameArchiveAreRemovedOthersKept) {
    WriteAll(archive + ".0.saving", "left by a killed save");
    WriteAll(archive + ".17.saving", "left by another");
    WriteAll(dir.Path("other.rez.0.saving"), "another archive's");
    WriteAll(archive + ".x.saving", "not a name we give");
    WriteAll(archive + ".0.saving.keep", "not a name we give");
    ASSERT_TRUE(Save(document, archive, archive, JobSave));
    EXPECT_TRUE(NewArchiveAt(archive));
    EXPECT_EQ(ArchiveFiles(),
              (std::vector<std::string>{"game.rez", "game.rez.0.saving.keep", "game.rez.x.saving",
                                        "other.rez.0.saving"}));
}

#ifdef _WIN32
TEST_F(SaveFault, AFileAnotherSaveHoldsOpenIsNeitherRemovedNorUsed) {
    const std::string held = archive + ".0.saving";
    WriteAll(held, "being written");
    HANDLE file = CreateFileA(held.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    const bool saved = Save(document, archive, archive, JobSave);
    CloseHandle(file);
    EXPECT_TRUE(saved);
    EXPECT_TRUE(NewArchiveAt(archive));
    EXPECT_EQ(ReadAll(held), "being written");
}
#else

bool Exists(const std::string& path) {
    std::error_code error;
    return fs::exists(fs::symlink_status(path, error));
}

void RemoveFileIfAny(const std::string& path) {
    std::error_code ignored;
    fs::remove(path, ignored);
}

// Runs body in a child process, which ends with body's exit code; the parent's document, prompts
// and folder stay as they were. Gives the child's exit code, or 128 + the signal that ended it.
int InChild(const std::function<int()>& body) {
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child == 0)
        _exit(body());  // no destructors: the scratch folder belongs to the parent
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

// A progress sink that calls act at its n-th call (counting every call). By default it tells
// the parent through a pipe and waits there for its end.
class ProgressTrap : public ProgressSink {
  public:
    ProgressTrap(int at, std::function<void()> act) : at_(at), act_(std::move(act)) {}
    int calls = 0;

    void SetTitle(const std::string&) override { Tick(); }
    void SetAnimation(int) override { Tick(); }
    void SetCancelMessage(const std::string&) override { Tick(); }
    void SetTimeEstimate(bool) override { Tick(); }
    void Start(std::uintptr_t) override { Tick(); }
    void SetLine(int, const std::string&, bool) override { Tick(); }
    void SetProgress(std::uint32_t, std::uint32_t) override { Tick(); }
    void SetProgressDone(std::uint32_t) override { Tick(); }
    bool HasUserCancelled() override {
        Tick();
        return false;
    }
    void Stop() override { Tick(); }

  private:
    void Tick() {
        if (++calls == at_)
            act_();
    }
    int at_;
    std::function<void()> act_;
};

// A child that saves and stops at a progress call until it is killed.
class StoppedSave {
  public:
    // Forks a child that runs save(sink); true when it stopped at call `at`, false when the save
    // ended before (the child is then gone).
    bool Start(int at, const std::function<bool(ProgressSink&)>& save) {
        int toParent[2], fromParent[2];
        if (pipe(toParent) != 0 || pipe(fromParent) != 0)
            return false;
        std::fflush(nullptr);
        child_ = fork();
        if (child_ == 0) {
            close(toParent[0]);
            close(fromParent[1]);
            ProgressTrap trap(at, [&] {
                (void)!write(toParent[1], "s", 1);
                char c;
                (void)!read(fromParent[0], &c, 1);  // until killed
                _exit(3);
            });
            _exit(save(trap) ? 0 : 1);
        }
        close(toParent[1]);
        close(fromParent[0]);
        waitFor_ = fromParent[1];
        char c;
        const bool stopped = read(toParent[0], &c, 1) == 1;
        close(toParent[0]);
        if (!stopped)
            Reap();
        return stopped;
    }
    // kill -9 and wait; gives the signal that ended it.
    int Kill() {
        kill(child_, SIGKILL);
        return Reap();
    }
    ~StoppedSave() {
        if (child_ > 0)
            Kill();
    }

  private:
    int Reap() {
        int status = 0;
        waitpid(child_, &status, 0);
        child_ = -1;
        close(waitFor_);
        return WIFSIGNALED(status) ? WTERMSIG(status) : 0;
    }
    pid_t child_ = -1;
    int waitFor_ = -1;
};

// How many progress calls a complete save of the document makes.
int ProgressCallsOfASave(SaveFault& test, const std::string& target) {
    int toParent[2];
    if (pipe(toParent) != 0)
        return 0;
    InChild([&] {
        ProgressTrap counter(INT_MAX, [] {});
        const bool ok = test.Save(test.document, target, test.archive, JobSaveAs, &counter);
        (void)!write(toParent[1], &counter.calls, sizeof counter.calls);
        return ok ? 0 : 1;
    });
    int calls = 0;
    if (read(toParent[0], &calls, sizeof calls) != sizeof calls)
        calls = 0;
    close(toParent[0]);
    close(toParent[1]);
    RemoveFileIfAny(target);
    return calls;
}

void PrintRow(const char* fault, int runs, int intact) {
    std::printf("save fault | %-46s | runs %3d | original intact %3d\n", fault, runs, intact);
}

TEST_F(SaveFault, KilledAtEveryProgressCallTheArchiveIsTheOldFile) {
    const int calls = ProgressCallsOfASave(*this, dir.Path("probe.rez"));
    ASSERT_GE(calls, 20);
    int intact = 0;
    for (int at = 1; at <= calls; ++at) {
        StoppedSave child;
        ASSERT_TRUE(child.Start(at, [&](ProgressSink& sink) {
            return Save(document, archive, archive, JobSave, &sink);
        })) << at;
        ASSERT_EQ(child.Kill(), SIGKILL);
        const bool same = OriginalIntact();
        EXPECT_TRUE(same) << "killed at progress call " << at;
        intact += same;
        const std::vector<std::string> left = TemporaryFiles();
        EXPECT_LE(left.size(), 1u) << at;
        EXPECT_EQ(ArchiveFiles().size(), 1 + left.size()) << at;

        // The next save removes what the killed one left.
        EXPECT_EQ(InChild([&] { return Save(document, archive, archive, JobSave) ? 0 : 1; }), 0);
        EXPECT_TRUE(NewArchiveAt(archive)) << at;
        EXPECT_TRUE(TemporaryFiles().empty()) << at;
        WriteAll(archive, original);
    }
    PrintRow("killed (kill -9) at each progress call, Save", calls, intact);
}

TEST_F(SaveFault, KilledDuringSaveAsNothingAppearsUnderTheNewName) {
    const std::string copy = dir.Path("copy.rez");
    const int calls = ProgressCallsOfASave(*this, copy);
    ASSERT_GE(calls, 20);
    int intact = 0;
    for (int at = 1; at <= calls; at += 2) {
        StoppedSave child;
        ASSERT_TRUE(child.Start(at, [&](ProgressSink& sink) {
            return Save(document, copy, archive, JobSaveAs, &sink);
        })) << at;
        ASSERT_EQ(child.Kill(), SIGKILL);
        const bool same = OriginalIntact();
        EXPECT_TRUE(same) << at;
        intact += same;
        EXPECT_FALSE(Exists(copy)) << at;
        EXPECT_EQ(InChild([&] { return Save(document, copy, archive, JobSaveAs) ? 0 : 1; }), 0);
        EXPECT_TRUE(NewArchiveAt(copy)) << at;
        EXPECT_TRUE(TemporaryFiles().empty()) << at;
        RemoveFileIfAny(copy);
    }
    PrintRow("killed (kill -9) at every 2nd progress call, Save As", (calls + 1) / 2, intact);
}

TEST_F(SaveFault, AFullDiskAtAnyByteLeavesTheArchiveAndNoTemporaryFile) {
    const std::string probe = dir.Path("probe.rez");
    ASSERT_EQ(InChild([&] { return Save(document, probe, archive) ? 0 : 1; }), 0);
    const auto newSize = static_cast<rlim_t>(ReadAll(probe).size());
    RemoveFileIfAny(probe);
    // From nothing through the text block, header, every entry and the index to one byte short.
    std::vector<rlim_t> limits = {0, 1, 126, 127, 167, 168, 169, newSize - 1, newSize - 100};
    for (rlim_t step = 1; step <= 24; ++step)
        limits.push_back(newSize * step / 25);
    int intact = 0;
    for (rlim_t limit : limits) {
        const int result = InChild([&] {
            rlimit small{limit, limit};
            std::signal(SIGXFSZ, SIG_IGN);
            if (setrlimit(RLIMIT_FSIZE, &small) != 0)
                return 4;
            const bool ok = Save(document, archive, archive, JobSave);
            if (ok)
                return 1;
            const bool message =
                prompts.Texts() == std::vector<std::string>{"Error writing Rez File: " + archive};
            return message ? 0 : 2;
        });
        EXPECT_EQ(result, 0) << "limit " << limit;
        const bool same = OriginalIntact();
        EXPECT_TRUE(same) << limit;
        intact += same;
        EXPECT_TRUE(TemporaryFiles().empty()) << limit;
    }
    PrintRow("disk full (RLIMIT_FSIZE) at a byte of the new file", int(limits.size()), intact);

    // With room for exactly the new file the save goes through.
    EXPECT_EQ(InChild([&] {
                  rlimit exact{newSize, newSize};
                  std::signal(SIGXFSZ, SIG_IGN);
                  setrlimit(RLIMIT_FSIZE, &exact);
                  return Save(document, archive, archive, JobSave) ? 0 : 1;
              }),
              0);
    EXPECT_TRUE(NewArchiveAt(archive));
}

TEST_F(SaveFault, SourceCutMidSaveFailsInsteadOfWritingZeros) {
    const int calls = ProgressCallsOfASave(*this, dir.Path("probe.rez"));
    const std::string cut = original.substr(0, original.size() / 2);
    int failed = 0, runs = 0, kept = 0;
    for (int at = 1; at <= calls; ++at) {
        const int result = InChild([&] {
            ProgressTrap trap(at, [&] { truncate(archive.c_str(), off_t(cut.size())); });
            if (Save(document, archive, archive, JobSave, &trap))
                return 0;
            return prompts.asked.size() == 1 &&
                           prompts.asked[0].text.rfind("Error adding '", 0) == 0
                       ? 1
                       : 2;
        });
        ++runs;
        ASSERT_TRUE(result == 0 || result == 1) << at << ": " << result;
        // Either the whole new archive, read before the cut, or the cut file as it was left.
        const bool sound = result == 0 ? NewArchiveAt(archive) : ReadAll(archive) == cut;
        EXPECT_TRUE(sound) << at;
        kept += sound;
        failed += result == 1;
        EXPECT_TRUE(TemporaryFiles().empty()) << at;
        WriteAll(archive, original);
    }
    EXPECT_GT(failed, 0);  // some cuts came before the data was read
    PrintRow("source cut to half at each progress call", runs, kept);
}

TEST_F(SaveFault, SourceRemovedMidSaveIsStillReadWhole) {
    const int calls = ProgressCallsOfASave(*this, dir.Path("probe.rez"));
    int sound = 0, complete = 0;
    for (int at = 1; at <= calls; ++at) {
        const int result = InChild([&] {
            ProgressTrap trap(at, [&] { std::remove(archive.c_str()); });
            if (Save(document, archive, archive, JobSave, &trap))
                return 0;
            return prompts.Texts() ==
                           std::vector<std::string>{"Error adding 'ENTRY0.DAT' from: " + archive}
                       ? 1
                       : 2;
        });
        // Once open, the removed file is read to its end; removed before, it cannot be read.
        const bool ok = result == 0 ? NewArchiveAt(archive) : result == 1 && !Exists(archive);
        EXPECT_TRUE(ok) << at << ": " << result;
        sound += ok;
        complete += result == 0;
        EXPECT_TRUE(TemporaryFiles().empty()) << at;
        WriteAll(archive, original);
    }
    EXPECT_GT(complete, calls / 2);
    PrintRow("source removed at each progress call", calls, sound);
}

TEST_F(SaveFault, ALiveSavesTemporaryFileIsNeitherRemovedNorUsed) {
    StoppedSave live;
    ASSERT_TRUE(live.Start(
        8, [&](ProgressSink& sink) { return Save(document, archive, archive, JobSave, &sink); }));
    ASSERT_EQ(TemporaryFiles(), std::vector<std::string>{"game.rez.0.saving"});
    struct stat before;
    ASSERT_EQ(stat((archive + ".0.saving").c_str(), &before), 0);

    EXPECT_EQ(InChild([&] { return Save(document, archive, archive, JobSave) ? 0 : 1; }), 0);
    EXPECT_TRUE(NewArchiveAt(archive));
    struct stat after;
    ASSERT_EQ(stat((archive + ".0.saving").c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_size, before.st_size);

    live.Kill();
    EXPECT_EQ(InChild([&] { return Save(document, archive, archive, JobSave) ? 0 : 1; }), 0);
    EXPECT_TRUE(TemporaryFiles().empty());
}

TEST_F(SaveFault, ALinkPlantedUnderTheTemporaryNameIsNotFollowed) {
    const std::string victim = dir.Path("victim.rez");
    ASSERT_EQ(symlink(victim.c_str(), (archive + ".0.saving").c_str()), 0);
    ASSERT_TRUE(Save(document, archive, archive, JobSave));
    EXPECT_FALSE(Exists(victim));
    EXPECT_TRUE(NewArchiveAt(archive));
    struct stat status;
    ASSERT_EQ(lstat(archive.c_str(), &status), 0);
    EXPECT_TRUE(S_ISREG(status.st_mode));
    ASSERT_EQ(lstat((archive + ".0.saving").c_str(), &status), 0);
    EXPECT_TRUE(S_ISLNK(status.st_mode));  // not ours to remove
}

TEST_F(SaveFault, SavingThroughALinkReplacesTheFileItNames) {
    // mods/game.rez -> ../shared/stage.rez -> game.rez (relative links, another folder).
    ASSERT_EQ(mkdir(dir.Path("shared").c_str(), 0777), 0);
    ASSERT_EQ(mkdir(dir.Path("mods").c_str(), 0777), 0);
    ASSERT_EQ(symlink("../game.rez", dir.Path("shared/stage.rez").c_str()), 0);
    const std::string link = dir.Path("mods/game.rez");
    ASSERT_EQ(symlink("../shared/stage.rez", link.c_str()), 0);
    FolderList linked;
    ASSERT_TRUE(Load(link, linked));
    linked.Root()->entries.push_back(NewEntry(DiskFile("added.dtx", added), 200000, 9, 9));

    ASSERT_TRUE(Save(linked, link, link, JobSave));
    EXPECT_TRUE(NewArchiveAt(archive));
    struct stat status;
    for (const std::string& kept : {link, dir.Path("shared/stage.rez")}) {
        ASSERT_EQ(lstat(kept.c_str(), &status), 0);
        EXPECT_TRUE(S_ISLNK(status.st_mode)) << kept;
    }
    EXPECT_TRUE(TemporaryFiles().empty());
    for (const auto& item : fs::directory_iterator(dir.Path("mods")))
        EXPECT_EQ(item.path().filename(), "game.rez");

    // Save As to a link that names no file yet creates that file.
    const std::string dangling = dir.Path("mods/new.rez");
    ASSERT_EQ(symlink("../made.rez", dangling.c_str()), 0);
    ASSERT_TRUE(Save(linked, dangling, archive));
    EXPECT_TRUE(NewArchiveAt(dir.Path("made.rez")));
    ASSERT_EQ(lstat(dangling.c_str(), &status), 0);
    EXPECT_TRUE(S_ISLNK(status.st_mode));
}
#endif

}  // namespace
