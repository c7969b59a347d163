#pragma once
// What the fuzz targets share: a scratch folder of their own, file helpers and a failure that
// libFuzzer reports as a crash.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#include "support/ScratchFolder.h"
#include "support/WholeFile.h"

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

// The process's own folder below the system's temporary folder, made on the first call and
// removed when the process ends normally; every call empties it, so no input sees the files
// of the one before.
inline fs::path FreshScratch() {
    static const support::ScratchFolder root("tarvex-fuzz");
    const fs::path path = root.Root();
    std::error_code ignored;
    for (const auto& item : fs::directory_iterator(path, ignored))
        fs::remove_all(item.path(), ignored);
    return path;
}

inline std::string WriteInput(const fs::path& path, const std::uint8_t* data, std::size_t size) {
    support::WriteWholeFile(path.string(), std::string(reinterpret_cast<const char*>(data), size));
    return path.string();
}

inline std::string ReadFile(const std::string& path) {
    return support::ReadWholeFile(path);
}

}  // namespace fuzz
