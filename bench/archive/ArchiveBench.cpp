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
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

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

struct Run {
    double seconds = 0;
    long peakKiB = 0;
};

// Runs a program and measures its wall time and peak resident memory.
// Dirty pages of earlier steps are written out first, so each step pays only for its own.
Run Measure(std::vector<std::string> args, const char* outputFile = nullptr) {
    std::fflush(stdout);
    sync();
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        if (outputFile) {
            FILE* out = std::freopen(outputFile, "w", stdout);
            (void)out;
        }
        std::vector<char*> argv;
        for (std::string& arg : args)
            argv.push_back(arg.data());
        argv.push_back(nullptr);
        execvp(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    Run run;
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    run.peakKiB = usage.ru_maxrss;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "  '%s' failed\n", args[0].c_str());
        std::exit(1);
    }
    return run;
}

// Fills files with varied bytes, so nothing is sparse or trivially compressible.
class Filler {
  public:
    void Write(const fs::path& path, std::size_t size) {
        std::ofstream out(path, std::ios::binary);
        while (size > 0) {
            const std::size_t chunk = std::min(size, buffer_.size());
            for (std::size_t i = 0; i < chunk; i += 8) {
                const std::uint64_t value = random_();
                std::memcpy(&buffer_[i], &value, std::min<std::size_t>(8, chunk - i));
            }
            out.write(buffer_.data(), static_cast<std::streamsize>(chunk));
            size -= chunk;
        }
    }
    std::size_t Below(std::size_t limit) { return random_() % limit; }

  private:
    std::mt19937_64 random_{20261208};
    std::vector<char> buffer_ = std::vector<char>(1 << 20);
};

const char* const kExtensions[] = {".dat", ".dtx", ".abc", ".spr", ".txt", ".lto", ""};

std::string FileName(Filler& filler, int index) {
    return "file" + std::to_string(index) + kExtensions[filler.Below(7)];
}

// (a) 200,000 small files in 20,000 folders: 200 folders of 99 subfolders, 10 files each.
void MakeSmallFiles(const fs::path& tree) {
    Filler filler;
    int index = 0;
    for (int top = 0; top < 200; ++top) {
        const fs::path topPath = tree / ("dir" + std::to_string(top));
        for (int sub = 0; sub < 100; ++sub) {
            const fs::path folder = sub == 0 ? topPath : topPath / ("sub" + std::to_string(sub));
            fs::create_directories(folder);
            for (int i = 0; i < 10; ++i) {
                filler.Write(folder / FileName(filler, index++), filler.Below(2048));
            }
        }
    }
}

// (b) about 1 GiB: 4 files of 128 MiB, 50 of 4 MiB, 3,000 of 0 to 200 KiB, in 60 folders.
void MakeMixedSizes(const fs::path& tree) {
    Filler filler;
    int index = 0;
    fs::create_directories(tree / "large");
    for (int i = 0; i < 4; ++i)
        filler.Write(tree / "large" / FileName(filler, index++), 128 << 20);
    fs::create_directories(tree / "medium");
    for (int i = 0; i < 50; ++i)
        filler.Write(tree / "medium" / FileName(filler, index++), 4 << 20);
    for (int f = 0; f < 60; ++f) {
        const fs::path folder = tree / "small" / ("dir" + std::to_string(f));
        fs::create_directories(folder);
        for (int i = 0; i < 50; ++i) {
            filler.Write(folder / FileName(filler, index++), filler.Below(200 << 10));
        }
    }
}

std::uint64_t TreeBytes(const fs::path& tree) {
    std::uint64_t total = 0;
    for (const auto& item : fs::recursive_directory_iterator(tree)) {
        if (item.is_regular_file())
            total += item.file_size();
    }
    return total;
}

Run Best(const Run& a, const Run& b) {
    return {std::min(a.seconds, b.seconds), std::max(a.peakKiB, b.peakKiB)};
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
    Run tarBuild{1e9, 0}, engineBuild{1e9, 0}, tarList{1e9, 0}, engineOpen{1e9, 0};
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
