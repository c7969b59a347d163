// tarvex /C against tar -cf, and tarvex /X against tar -xf, on the engine benchmark's two
// trees (200,000 small files; about 1 GiB of mixed sizes). Prints the best of four runs and
// the ratios. Not a test: run it by hand, it takes minutes.
//
//   app_bench path/to/tarvex [work folder]
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "BenchTrees.h"
#include "ChildRun.h"

namespace fs = std::filesystem;

namespace {

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

void Bench(const char* title, const std::string& tarvex, const fs::path& work,
           void (*make)(const fs::path&)) {
    fs::remove_all(work);
    const fs::path tree = work / "TREE";
    fs::create_directories(tree);
    std::printf("\n%s\n", title);
    std::fflush(stdout);
    make(tree);
    const std::string tar = (work / "tree.tar").string(), rez = (work / "tree.rez").string();
    const fs::path tarOut = work / "tar-out", rezOut = work / "rez-out";
    Run tarCreate, rezCreate, tarExtract, rezExtract;
    for (int round = 0; round < 4; ++round) {
        fs::remove(tar);
        fs::remove(rez);
        // Each tool goes first in every other round, so neither always pays for the
        // write-back of the other's output.
        const bool tarFirst = round % 2 == 0;
        auto createTar = [&] {
            tarCreate = Best(tarCreate, Measure({"tar", "-cf", tar, "-C", tree.string(), "."}));
        };
        auto createRez = [&] {
            rezCreate = Best(rezCreate, Measure({tarvex, "/C", rez, tree.string()}));
        };
        InOrder(tarFirst, createTar, createRez);
        fs::remove_all(tarOut);
        fs::remove_all(rezOut);
        fs::create_directories(tarOut);
        auto extractTar = [&] {
            tarExtract = Best(tarExtract, Measure({"tar", "-xf", tar, "-C", tarOut.string()}));
        };
        auto extractRez = [&] {
            rezExtract = Best(rezExtract, Measure({tarvex, "/X", rez, rezOut.string()}));
        };
        InOrder(tarFirst, extractTar, extractRez);
    }
    std::printf("  %-26s %8s\n", "(best of 4)", "seconds");
    std::printf("  %-26s %8.3f\n", "create: tar -cf", tarCreate.seconds);
    std::printf("  %-26s %8.3f\n", "create: tarvex /C", rezCreate.seconds);
    std::printf("  %-26s %8.3f\n", "extract: tar -xf", tarExtract.seconds);
    std::printf("  %-26s %8.3f\n", "extract: tarvex /X", rezExtract.seconds);
    std::printf("  ratio create tarvex/tar:  %.2f (target <= 1.10)\n",
                rezCreate.seconds / tarCreate.seconds);
    std::printf("  ratio extract tarvex/tar: %.2f (target <= 1.10)\n",
                rezExtract.seconds / tarExtract.seconds);
    std::fflush(stdout);
    fs::remove_all(work);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: app_bench path/to/tarvex [work folder]\n");
        return 2;
    }
    const std::string tarvex = fs::absolute(argv[1]).string();
    const fs::path work =
        argc > 2 ? fs::path(argv[2]) : fs::temp_directory_path() / "tarvex-app-bench";
    Bench("(a) 200,000 small files in 20,000 folders", tarvex, work / "small", MakeSmallFiles);
    Bench("(b) about 1 GiB of mixed sizes", tarvex, work / "mixed", MakeMixedSizes);
    fs::remove_all(work);
    return 0;
}
