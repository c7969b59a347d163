#include "BenchTrees.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

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
    // Upper-case names, as an archive stores them, so an extracted tree compares equal.
    std::string FileName(int index) {
        static const char* const kExtensions[] = {".DAT", ".DTX", ".ABC", ".SPR",
                                                  ".TXT", ".LTO", ""};
        return "FILE" + std::to_string(index) + kExtensions[Below(7)];
    }

  private:
    std::mt19937_64 random_{20261208};
    std::vector<char> buffer_ = std::vector<char>(1 << 20);
};

}  // namespace

void MakeSmallFiles(const fs::path& tree) {
    Filler filler;
    int index = 0;
    for (int top = 0; top < 200; ++top) {
        const fs::path topPath = tree / ("DIR" + std::to_string(top));
        for (int sub = 0; sub < 100; ++sub) {
            const fs::path folder = sub == 0 ? topPath : topPath / ("SUB" + std::to_string(sub));
            fs::create_directories(folder);
            for (int i = 0; i < 10; ++i)
                filler.Write(folder / filler.FileName(index++), 16 + filler.Below(1485));
        }
    }
}

void MakeMixedSizes(const fs::path& tree) {
    Filler filler;
    int index = 0;
    fs::create_directories(tree / "LARGE");
    for (int i = 0; i < 4; ++i)
        filler.Write(tree / "LARGE" / filler.FileName(index++), 128 << 20);
    fs::create_directories(tree / "MEDIUM");
    for (int i = 0; i < 50; ++i)
        filler.Write(tree / "MEDIUM" / filler.FileName(index++), 4 << 20);
    for (int f = 0; f < 60; ++f) {
        const fs::path folder = tree / "SMALL" / ("DIR" + std::to_string(f));
        fs::create_directories(folder);
        for (int i = 0; i < 50; ++i)
            filler.Write(folder / filler.FileName(index++), filler.Below(200 << 10));
    }
}

std::uint64_t TreeBytes(const fs::path& tree) {
    std::uint64_t total = 0;
    for (const auto& item : fs::recursive_directory_iterator(tree))
        if (item.is_regular_file())
            total += item.file_size();
    return total;
}
