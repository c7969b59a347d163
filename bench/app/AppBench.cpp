// tarvex /C against tar -cf, and tarvex /X against tar -xf, on the engine benchmark's two
// trees (200,000 small files; about 1 GiB of mixed sizes). Prints the best of three runs and
// the ratios. Not a test: run it by hand, it takes minutes.
//
//   app_bench path/to/tarvex [work folder]
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// Runs a program to its end and returns its wall time in seconds; exits when it fails.
double Seconds(std::vector<std::string> args) {
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        std::vector<char*> argv;
        for (std::string& arg : args)
            argv.push_back(arg.data());
        argv.push_back(nullptr);
        execvp(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "'%s %s' failed\n", args[0].c_str(), args[1].c_str());
        std::exit(1);
    }
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Files of random bytes, reproducible from one seed.
class TreeWriter {
  public:
    void File(const fs::path& path, std::size_t size) {
        std::ofstream out(path, std::ios::binary);
        while (size > 0) {
            const std::size_t chunk = std::min(size, block_.size());
            for (std::size_t i = 0; i < chunk; ++i)
                block_[i] = static_cast<char>(random_());
            out.write(block_.data(), static_cast<std::streamsize>(chunk));
            size -= chunk;
        }
    }
    std::size_t Below(std::size_t limit) { return random_() % limit; }
    std::string Name(int index) {
        static const char* const kTypes[] = {".DAT", ".DTX", ".ABC", ".SPR", ".TXT", ".LTO", ""};
        return "FILE" + std::to_string(index) + kTypes[Below(7)];
    }

  private:
    std::mt19937 random_{20261208};
    std::vector<char> block_ = std::vector<char>(1 << 16);
};

// 200,000 files of 0 to 2 KiB: 200 folders, each with 99 subfolders, 10 files per folder.
void SmallFiles(const fs::path& tree) {
    TreeWriter writer;
    int index = 0;
    for (int top = 0; top < 200; ++top) {
        for (int sub = 0; sub < 100; ++sub) {
            fs::path folder = tree / ("DIR" + std::to_string(top));
            if (sub > 0)
                folder /= "SUB" + std::to_string(sub);
            fs::create_directories(folder);
            for (int i = 0; i < 10; ++i)
                writer.File(folder / writer.Name(index++), writer.Below(2048));
        }
    }
}

// About 1 GiB: 4 files of 128 MiB, 50 of 4 MiB and 3,000 of 0 to 200 KiB in 60 folders.
void MixedSizes(const fs::path& tree) {
    TreeWriter writer;
    int index = 0;
    fs::create_directories(tree / "LARGE");
    for (int i = 0; i < 4; ++i)
        writer.File(tree / "LARGE" / writer.Name(index++), 128 << 20);
    fs::create_directories(tree / "MEDIUM");
    for (int i = 0; i < 50; ++i)
        writer.File(tree / "MEDIUM" / writer.Name(index++), 4 << 20);
    for (int f = 0; f < 60; ++f) {
        const fs::path folder = tree / "SMALL" / ("DIR" + std::to_string(f));
        fs::create_directories(folder);
        for (int i = 0; i < 50; ++i)
            writer.File(folder / writer.Name(index++), writer.Below(200 << 10));
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
    double tarCreate = 1e9, rezCreate = 1e9, tarExtract = 1e9, rezExtract = 1e9;
    for (int round = 0; round < 3; ++round) {
        fs::remove(tar);
        fs::remove(rez);
        tarCreate = std::min(tarCreate, Seconds({"tar", "-cf", tar, "-C", tree.string(), "."}));
        rezCreate = std::min(rezCreate, Seconds({tarvex, "/C", rez, tree.string()}));
        fs::remove_all(tarOut);
        fs::remove_all(rezOut);
        fs::create_directories(tarOut);
        tarExtract = std::min(tarExtract, Seconds({"tar", "-xf", tar, "-C", tarOut.string()}));
        rezExtract = std::min(rezExtract, Seconds({tarvex, "/X", rez, rezOut.string()}));
    }
    std::printf("  %-26s %8s\n", "(best of 3)", "seconds");
    std::printf("  %-26s %8.3f\n", "create: tar -cf", tarCreate);
    std::printf("  %-26s %8.3f\n", "create: tarvex /C", rezCreate);
    std::printf("  %-26s %8.3f\n", "extract: tar -xf", tarExtract);
    std::printf("  %-26s %8.3f\n", "extract: tarvex /X", rezExtract);
    std::printf("  ratio create tarvex/tar:  %.2f (target <= 1.10)\n", rezCreate / tarCreate);
    std::printf("  ratio extract tarvex/tar: %.2f (target <= 1.10)\n", rezExtract / tarExtract);
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
    Bench("(a) 200,000 small files in 20,000 folders", tarvex, work / "small", SmallFiles);
    Bench("(b) about 1 GiB of mixed sizes", tarvex, work / "mixed", MixedSizes);
    fs::remove_all(work);
    return 0;
}
