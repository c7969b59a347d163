// tarvex find against tarvex /L on an archive of 200,000 entries in 20,000 folders: a search
// should cost no more than a listing of the same archive. Prints the times and the ratios. Not a
// test: run it by hand.
//
//   find_bench [work folder]
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "BenchTrees.h"
#include "ChildRun.h"

namespace fs = std::filesystem;

namespace {

constexpr double kTarget = 1.5;  // largest find / list ratio
constexpr int kRounds = 5;

struct Search {
    const char* what;
    const char* pattern;
};

// A seventh of the entries, a few hundred by path, and every item (as many lines as /L).
const Search kSearches[] = {
    {"by name, *.dtx", "*.dtx"},
    {"by path, dir1?/sub5/*", "dir1?/sub5/*"},
    {"everything, *", "*"},
};

}  // namespace

int main(int argc, char** argv) {
    std::error_code error;
    const fs::path base =
        fs::is_directory("/dev/shm", error) ? fs::path("/dev/shm") : fs::temp_directory_path();
    const fs::path work =
        argc > 1 ? fs::path(argv[1]) : base / ("tarvex-find-bench-" + std::to_string(getpid()));
    const fs::path tree = work / "TREE";
    const std::string rez = (work / "tree.rez").string();
    fs::remove_all(work);
    fs::create_directories(tree);
    std::printf("200,000 entries in 20,000 folders\n");
    std::fflush(stdout);
    MakeSmallFiles(tree);
    Measure({TARVEX_PROGRAM, "/C", rez, tree.string()});
    fs::remove_all(tree);

    Run list;
    std::vector<Run> finds(std::size(kSearches));
    for (int round = 0; round < kRounds; ++round) {
        list = Best(list, Measure({TARVEX_PROGRAM, "/L", rez}, "/dev/null"));
        for (std::size_t i = 0; i < std::size(kSearches); ++i)
            finds[i] = Best(finds[i], Measure({TARVEX_PROGRAM, "find", rez, kSearches[i].pattern},
                                              "/dev/null"));
    }
    std::printf("  %-36s %9s %10s\n", "(best of 5)", "seconds", "peak MiB");
    std::printf("  %-36s %9.3f %10.1f\n", "tarvex /L", list.seconds, list.peakKiB / 1024.0);
    for (std::size_t i = 0; i < std::size(kSearches); ++i) {
        const std::string name = std::string("tarvex find ") + kSearches[i].what;
        std::printf("  %-36s %9.3f %10.1f\n", name.c_str(), finds[i].seconds,
                    finds[i].peakKiB / 1024.0);
    }
    for (std::size_t i = 0; i < std::size(kSearches); ++i) {
        const double ratio = finds[i].seconds / list.seconds;
        std::printf("  ratio find / list, %-24s %5.2f  (target <= %.2f) %s\n", kSearches[i].what,
                    ratio, kTarget, ratio <= kTarget ? "met" : "NOT MET");
    }
    fs::remove_all(work);
    return 0;
}
