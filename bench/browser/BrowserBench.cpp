// How long the file list takes to sort one large folder by each column, against GNU sort
// ignoring case on the same names. Prints the best of three runs; not a test.
//
//   browser_bench [work folder]
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "ChildRun.h"
#include "browser/FileListRows.h"

namespace fs = std::filesystem;

namespace {

constexpr int kRounds = 3;

// One folder as a loaded archive holds it: engine types in upper case, a few kinds of
// others, sizes up to a few MiB, times over twenty years, and some subfolders.
void FillFolder(FolderList& folders, RezFolder& folder, int entries, std::mt19937& random) {
    static const char* const kTypes[][2] = {
        {"DTX", "Texture"},  {"DAT", "World Data"}, {"ABC", "3D Model"}, {"SPR", "Sprite"},
        {"TXT", "TXT File"}, {"WAV", "WAV File"},   {"LTO", "Module"},   {"PCX", "PCX File"}};
    std::uniform_int_distribution<int> type(0, 7), letter(0, 25), length(3, 12);
    std::uniform_int_distribution<std::uint32_t> size(0, 4u << 20), time(946684800u, 1577836800u);
    for (int i = 0; i < entries / 100; ++i)
        folders.Append("SUB" + std::to_string(random() % 100000), &folder).time = time(random);
    for (int i = 0; i < entries; ++i) {
        const auto& kind = kTypes[type(random)];
        RezEntry entry;
        std::string name;
        for (int n = length(random); n > 0; --n)
            name += static_cast<char>((random() % 2 ? 'A' : 'a') + letter(random));
        name += std::to_string(i);
        name += '.';
        name += kind[0];
        entry.name = name;
        entry.typeCode = kind[0];
        entry.typeName = kind[1];
        entry.size = size(random);
        entry.time = time(random);
        folder.entries.push_back(std::move(entry));
    }
}

// Puts the entries and subfolders in a new random order, so each sort starts from scratch.
void Shuffle(RezFolder& folder, std::mt19937& random) {
    std::vector<EntryList::iterator> order;
    for (auto it = folder.entries.begin(); it != folder.entries.end(); ++it)
        order.push_back(it);
    std::shuffle(order.begin(), order.end(), random);
    for (auto it : order)
        folder.entries.splice(folder.entries.end(), folder.entries, it);
    std::shuffle(folder.subfolders.begin(), folder.subfolders.end(), random);
}

double SortSeconds(FileListRows& rows, RezFolder& folder, int column, bool ascending,
                   std::mt19937& random) {
    double best = 1e9;
    for (int round = 0; round < kRounds; ++round) {
        Shuffle(folder, random);
        rows.SetSortColumn(column, ascending);
        const auto start = std::chrono::steady_clock::now();
        rows.ShowFolder(&folder);
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        best = std::min(best, seconds);
    }
    return best;
}

void Bench(int entries, const fs::path& work) {
    std::mt19937 random(20050131);
    FolderList folders;
    RezFolder& root = folders.Append("BENCH", nullptr);
    FillFolder(folders, root, entries, random);
    std::printf("\n%d entries and %zu subfolders in one folder (best of %d)\n", entries,
                root.subfolders.size(), kRounds);
    std::printf("  %-22s %10s %10s\n", "sort by", "ascending", "descending");
    FileListRows rows;
    double nameSeconds = 0;
    for (int column = 0; column < kListColumnCount; ++column) {
        const double up = SortSeconds(rows, root, column, true, random);
        const double down = SortSeconds(rows, root, column, false, random);
        if (column == 0)
            nameSeconds = up;
        std::printf("  %-22s %8.1f ms %8.1f ms\n", kListColumns[column].title, up * 1e3,
                    down * 1e3);
    }

    // The same names, one a line, for sort(1); its time includes starting the process.
    const fs::path names = work / "names.txt";
    {
        std::ofstream out(names);
        for (const RezEntry& entry : root.entries)
            out << entry.name << '\n';
    }
    Run gnuSort;
    for (int round = 0; round < kRounds; ++round) {
        gnuSort = Best(
            gnuSort, Measure({"env", "LC_ALL=C", "sort", "-f", "-o", "/dev/null", names.string()}));
    }
    std::printf("  %-22s %8.1f ms\n", "LC_ALL=C sort -f names", gnuSort.seconds * 1e3);
    std::printf("  ratio Name sort / sort -f: %.2f\n", nameSeconds / gnuSort.seconds);
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
    const fs::path work =
        argc > 1 ? fs::path(argv[1])
                 : fs::temp_directory_path() / ("browser-bench-" + std::to_string(getpid()));
    fs::create_directories(work);
    Bench(20000, work);
    Bench(200000, work);
    fs::remove_all(work);
    return 0;
}
