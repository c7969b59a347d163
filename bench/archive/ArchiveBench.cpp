// Builds and opens archives of generated trees with the engine and with tar, and prints the
// times, the peak memory and the ratios. Not a test: run it by hand, it takes minutes.
//
//   archive_bench [work folder]     (default: a folder under the system's temporary folder)
//   archive_bench --generate small|mixed FOLDER    only makes a tree, for profiling
//   archive_bench --save TREE ARCHIVE, --load ARCHIVE    one measured step
//
// Every measured step runs in a child process (this program again, or tar), so its time and
// peak memory are its own.
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "BenchTrees.h"
#include "ChildRun.h"
#include "archive/RezLoader.h"
#include "archive/RezSaver.h"
#include "platform/progress/ConsoleProgress.h"

namespace fs = std::filesystem;

namespace {

class StderrPrompts : public UserPrompts {
  public:
    PromptAnswer Ask(const std::string& text, PromptButtons) override {
        std::fprintf(stderr, "%s\n", text.c_str());
        return PromptAnswer::Ok;
    }
    std::string ChooseFolder(const std::string&) override { return {}; }
    std::vector<std::string> ChooseOpenFiles(const FileDialogOptions&) override { return {}; }
    std::string ChooseSaveFile(const FileDialogOptions&) override { return {}; }
};

// The disk tree below path as a folder list of new entries, every folder after its parent.
// Names are looked up relative to their directory, as tar does.
void AddTree(FolderList& folders, RezFolder& folder, const std::string& path, std::uint32_t& id) {
    DIR* dir = opendir(path.c_str());
    if (!dir)
        return;
    std::vector<std::string> subfolders;
    while (const dirent* item = readdir(dir)) {
        const std::string name = item->d_name;
        if (name == "." || name == "..")
            continue;
        struct stat status;
        if (fstatat(dirfd(dir), item->d_name, &status, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        if (S_ISDIR(status.st_mode)) {
            subfolders.push_back(name);
        } else if (S_ISREG(status.st_mode)) {
            RezEntry entry;
            entry.name = path + "/" + name;
            entry.size = static_cast<std::uint32_t>(status.st_size);
            entry.time = static_cast<std::uint32_t>(status.st_mtime);
            entry.identifier = ++id;
            entry.typeCode = TypeCodeOf(name);
            folder.entries.push_back(std::move(entry));
        }
    }
    closedir(dir);
    for (const std::string& sub : subfolders) {
        AddTree(folders, folders.Append(sub, &folder), path + "/" + sub, id);
    }
}

int SaveChild(const std::string& tree, const std::string& target) {
    FolderList folders;
    std::uint32_t id = 0;
    AddTree(folders, folders.Append("Untitled", nullptr), tree, id);
    ArchiveJob job;
    job.kind = JobSaveAs;
    job.folders = &folders;
    job.path = target;
    StderrPrompts prompts;
    ConsoleProgress progress(stderr, false);
    return SaveArchive(job, progress, prompts, 0) ? 0 : 1;
}

int LoadChild(const std::string& archive) {
    FolderList folders;
    RezHeader header;
    StderrPrompts prompts;
    ConsoleProgress progress(stderr, false);
    if (!LoadArchive(archive, header, folders, progress, prompts, 0))
        return 1;
    std::fprintf(stderr, "  loaded %u entries in %zu folders\n", folders.TotalEntryCount(),
                 folders.Size());
    return 0;
}

void Bench(const std::string& title, const fs::path& work, void (*make)(const fs::path&)) {
    const fs::path tree = work / "tree";
    fs::remove_all(work);
    fs::create_directories(tree);
    std::printf("\n%s\n", title.c_str());
    std::fflush(stdout);
    make(tree);
    std::printf("  tree: %.1f MiB of file data\n", TreeBytes(tree) / 1048576.0);

    const std::string self = fs::read_symlink("/proc/self/exe").string();
    const std::string tar = (work / "tree.tar").string();
    const std::string rez = (work / "tree.rez").string();
    Run tarBuild, engineBuild, tarList, engineOpen;
    const int rounds = 5;
    for (int round = 0; round < rounds; ++round) {
        fs::remove(tar);
        fs::remove(rez);
        tarBuild = Best(tarBuild, Measure({"tar", "-cf", tar, "-C", tree.string(), "."}));
        engineBuild = Best(engineBuild, Measure({self, "--save", tree.string(), rez}));
        tarList = Best(tarList, Measure({"tar", "-tf", tar}, "/dev/null"));
        engineOpen = Best(engineOpen, Measure({self, "--load", rez}));
    }
    std::printf("  archive sizes: tar %.1f MiB, rez %.1f MiB\n", fs::file_size(tar) / 1048576.0,
                fs::file_size(rez) / 1048576.0);
    std::printf("  %-28s %9s %12s\n", "(best of 5)", "seconds", "peak MiB");
    auto row = [](const char* name, const Run& run) {
        std::printf("  %-28s %9.3f %12.1f\n", name, run.seconds, run.peakKiB / 1024.0);
    };
    row("build: tar -cf", tarBuild);
    row("build: engine save", engineBuild);
    row("open:  tar -tf", tarList);
    row("open:  engine load", engineOpen);
    std::printf("  ratio build engine/tar:   %.2f (target <= 1.10)\n",
                engineBuild.seconds / tarBuild.seconds);
    std::printf("  ratio open engine/tar -tf: %.2f (target <= 0.50)\n",
                engineOpen.seconds / tarList.seconds);
    std::printf("  peak memory of save: %.1f MiB (target < 64), of load: %.1f MiB\n",
                engineBuild.peakKiB / 1024.0, engineOpen.peakKiB / 1024.0);
    std::fflush(stdout);
    fs::remove_all(work);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "--save") == 0)
        return SaveChild(argv[2], argv[3]);
    if (argc == 3 && std::strcmp(argv[1], "--load") == 0)
        return LoadChild(argv[2]);
    if (argc == 4 && std::strcmp(argv[1], "--generate") == 0) {
        fs::create_directories(argv[3]);
        (std::strcmp(argv[2], "small") == 0 ? MakeSmallFiles : MakeMixedSizes)(argv[3]);
        return 0;
    }
    const fs::path work =
        argc > 1 ? fs::path(argv[1]) : fs::temp_directory_path() / "tarvex-archive-bench";
    Bench("(a) 200,000 small files in 20,000 folders", work / "small", MakeSmallFiles);
    Bench("(b) about 1 GiB of mixed sizes", work / "mixed", MakeMixedSizes);
    fs::remove_all(work);
    return 0;
}
