// tarvex /C, opening an archive and tarvex /X against tar -cf, tar -tf and tar -xf on two
// generated trees, and prints the times, the peak memory and the ratios. Not a test: run it by
// hand, it takes minutes. Use a memory-backed folder (the default is /dev/shm when there is
// one): on a disk the kernel's write-back swings the times several-fold from run to run.
//
//   archive_bench [work folder]
//   archive_bench --generate small|mixed FOLDER    only makes a tree, for profiling
//   archive_bench --load ARCHIVE                   one measured step: loads the index
//
// Every measured step runs in a child process (tarvex, this program again, or tar), so its
// time and peak memory are its own. The tools alternate which goes first from round to round.
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "BenchTrees.h"
#include "ChildRun.h"
#include "archive/RezLoader.h"
#include "platform/console/ConsoleProgress.h"

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

// Runs both steps, the first one first when firstFirst is set.
template <typename First, typename Second>
void InOrder(bool firstFirst, First first, Second second) {
    if (firstFirst) {
        first();
        second();
    } else {
        second();
        first();
    }
}

// 0 where there is none.
struct Targets {
    double create, open, extract;  // largest ratios against tar
    double createMiB, openMiB, extractMiB;
};

struct Pair {
    Run tar, tarvex;
};

void Row(const char* name, const Run& run) {
    std::printf("  %-24s %9.3f %10.1f\n", name, run.seconds, run.peakKiB / 1024.0);
}

// A target of 0: none.
void Ratio(const char* name, const Pair& pair, double target) {
    const double ratio = pair.tarvex.seconds / pair.tar.seconds;
    if (target > 0) {
        std::printf("  ratio %-18s %6.2f  (target <= %.2f) %s\n", name, ratio, target,
                    ratio <= target ? "met" : "NOT MET");
    } else {
        std::printf("  ratio %-18s %6.2f\n", name, ratio);
    }
}

void Peak(const char* name, const Run& run, double targetMiB) {
    const double mib = run.peakKiB / 1024.0;
    if (targetMiB > 0) {
        std::printf("  peak memory of %-9s %6.1f MiB (target < %.0f) %s\n", name, mib, targetMiB,
                    mib < targetMiB ? "met" : "NOT MET");
    } else {
        std::printf("  peak memory of %-9s %6.1f MiB\n", name, mib);
    }
}

void Bench(const std::string& title, const fs::path& work, void (*make)(const fs::path&),
           const Targets& targets) {
    const fs::path tree = work / "TREE";
    fs::remove_all(work);
    fs::create_directories(tree);
    std::printf("\n%s\n", title.c_str());
    std::fflush(stdout);
    make(tree);
    std::size_t files = 0, folders = 0;
    for (const auto& item : fs::recursive_directory_iterator(tree))
        ++(item.is_directory() ? folders : files);
    std::printf("  tree: %zu files, %zu folders, %.1f MiB of file data\n", files, folders,
                TreeBytes(tree) / 1048576.0);

    const std::string self = fs::read_symlink("/proc/self/exe").string();
    const std::string tar = (work / "tree.tar").string(), rez = (work / "tree.rez").string();
    const std::string source = tree.string();
    const fs::path tarOut = work / "tar-out", rezOut = work / "rez-out";
    Pair create, open, extract;
    const int rounds = 3;
    for (int round = 0; round < rounds; ++round) {
        fs::remove(tar);
        fs::remove(rez);
        const bool tarFirst = round % 2 == 0;
        InOrder(
            tarFirst,
            [&] {
                create.tar = Best(create.tar, Measure({"tar", "-cf", tar, "-C", source, "."}));
            },
            [&] {
                create.tarvex = Best(create.tarvex, Measure({TARVEX_PROGRAM, "/C", rez, source}));
            });
        InOrder(
            tarFirst,
            [&] {
                open.tar = Best(open.tar, Measure({"tar", "-tf", tar}, "/dev/null"));
            },
            [&] {
                open.tarvex = Best(open.tarvex, Measure({self, "--load", rez}));
            });
        fs::remove_all(tarOut);
        fs::remove_all(rezOut);
        fs::create_directories(tarOut);
        InOrder(
            tarFirst,
            [&] {
                extract.tar =
                    Best(extract.tar, Measure({"tar", "-xf", tar, "-C", tarOut.string()}));
            },
            [&] {
                extract.tarvex =
                    Best(extract.tarvex, Measure({TARVEX_PROGRAM, "/X", rez, rezOut.string()}));
            });
    }
    std::printf("  archive sizes: tar %.1f MiB, rez %.1f MiB\n", fs::file_size(tar) / 1048576.0,
                fs::file_size(rez) / 1048576.0);
    std::printf("  %-24s %9s %10s\n", "(best of 3)", "seconds", "peak MiB");
    Row("create: tar -cf", create.tar);
    Row("create: tarvex /C", create.tarvex);
    Row("open:   tar -tf", open.tar);
    Row("open:   engine load", open.tarvex);
    Row("extract: tar -xf", extract.tar);
    Row("extract: tarvex /X", extract.tarvex);
    Ratio("/C / tar -cf:", create, targets.create);
    Ratio("open / tar -tf:", open, targets.open);
    Ratio("/X / tar -xf:", extract, targets.extract);
    Peak("/C:", create.tarvex, targets.createMiB);
    Peak("open:", open.tarvex, targets.openMiB);
    Peak("/X:", extract.tarvex, targets.extractMiB);
    std::fflush(stdout);
    fs::remove_all(work);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--load") == 0)
        return LoadChild(argv[2]);
    if (argc == 4 && std::strcmp(argv[1], "--generate") == 0) {
        fs::create_directories(argv[3]);
        (std::strcmp(argv[2], "small") == 0 ? MakeSmallFiles : MakeMixedSizes)(argv[3]);
        return 0;
    }
    std::error_code error;
    const fs::path base =
        fs::is_directory("/dev/shm", error) ? fs::path("/dev/shm") : fs::temp_directory_path();
    const fs::path work =
        argc > 1 ? fs::path(argv[1]) : base / ("tarvex-archive-bench-" + std::to_string(getpid()));
    Bench("(a) 200,000 small files of 16 to 1,500 bytes in 20,000 folders", work / "small",
          MakeSmallFiles, {0.7, 0.25, 0.7, 32, 32, 0});
    Bench("(b) about 1 GiB of mixed sizes", work / "mixed", MakeMixedSizes,
          {0.8, 0, 0.8, 16, 0, 16});
    fs::remove_all(work);
    return 0;
}
