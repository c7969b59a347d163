#pragma once
// What the fuzz targets share: a scratch folder of their own, file helpers and a failure that
// libFuzzer reports as a crash.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <unistd.h>

namespace fuzz {

namespace fs = std::filesystem;

// A property the input broke: report it and stop, so libFuzzer keeps the input.
[[noreturn]] inline void Broken(const char* what) {
    std::fprintf(stderr, "fuzz property broken: %s\n", what);
    std::abort();
}

inline void Expect(bool condition, const char* what) {
    if (!condition)
        Broken(what);
}

// One folder per process below the system's temporary folder, emptied on every call and
// removed when the process ends normally.
inline fs::path FreshScratch() {
    struct Root {
        fs::path path = fs::temp_directory_path() / ("tarvex-fuzz-" + std::to_string(getpid()));
        ~Root() {
            std::error_code ignored;
            fs::remove_all(path, ignored);
        }
    };
    static const Root root;
    std::error_code ignored;
    fs::remove_all(root.path, ignored);
    fs::create_directories(root.path);
    return root.path;
}

inline std::string WriteInput(const fs::path& path, const std::uint8_t* data, std::size_t size) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    return path.string();
}

inline std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace fuzz
