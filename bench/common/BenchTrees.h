#pragma once
// The benchmarks' generated disk trees, reproducible from one seed.
#include <cstdint>
#include <filesystem>

// (a) 200,000 files of 16 to 1,500 bytes in 20,000 folders: 200 folders of 99 subfolders,
// 10 files each.
void MakeSmallFiles(const std::filesystem::path& tree);
// (b) about 1 GiB: 4 files of 128 MiB, 50 of 4 MiB, 3,000 of 0 to 200 KiB, in 60 folders.
void MakeMixedSizes(const std::filesystem::path& tree);
// Bytes of file data below tree.
std::uint64_t TreeBytes(const std::filesystem::path& tree);
